#pragma once

#include "platform/brisa/core/EnumStrings.h"

namespace corvelle {

// The sections of the editor window, one shown at a time.
enum class EditorContentSection {
    welcome,
    preview,
    tags,
    map,
    raw,
};

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::EditorContentSection> {
    static const QList<std::pair<corvelle::EditorContentSection, QString>>& table()
    {
        using E = corvelle::EditorContentSection;
        static const QList<std::pair<E, QString>> entries{
            {E::welcome, QStringLiteral("welcome")},
            {E::preview, QStringLiteral("preview")},
            {E::tags, QStringLiteral("tags")},
            {E::map, QStringLiteral("map")},
            {E::raw, QStringLiteral("raw")},
        };
        return entries;
    }
};
