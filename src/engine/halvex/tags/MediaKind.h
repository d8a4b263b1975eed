#pragma once

#include "platform/brisa/core/EnumStrings.h"

namespace halvex {

// The kinds of file the tag engine tells apart.
enum class MediaKind {
    audio,
    image,
    movie,
    sidecar,
    other,
};

} // namespace halvex

template<>
struct brisa::EnumStrings<halvex::MediaKind> {
    static const QList<std::pair<halvex::MediaKind, QString>>& table()
    {
        using E = halvex::MediaKind;
        static const QList<std::pair<E, QString>> entries{
            {E::audio, QStringLiteral("audio")},
            {E::image, QStringLiteral("image")},
            {E::movie, QStringLiteral("movie")},
            {E::sidecar, QStringLiteral("sidecar")},
            {E::other, QStringLiteral("other")},
        };
        return entries;
    }
};
