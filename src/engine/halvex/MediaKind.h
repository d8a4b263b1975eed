#pragma once

#include "platform/brisa/core/EnumStrings.h"

namespace halvex {

// The broad family of a media file type.
enum class MediaKind { audio, image, movie, sidecar, other };

} // namespace halvex

template<>
struct brisa::EnumStrings<halvex::MediaKind> {
    static const QList<std::pair<halvex::MediaKind, QString>>& table()
    {
        static const QList<std::pair<halvex::MediaKind, QString>> cases{
            {halvex::MediaKind::audio, QStringLiteral("audio")},
            {halvex::MediaKind::image, QStringLiteral("image")},
            {halvex::MediaKind::movie, QStringLiteral("movie")},
            {halvex::MediaKind::sidecar, QStringLiteral("sidecar")},
            {halvex::MediaKind::other, QStringLiteral("other")},
        };
        return cases;
    }
};
