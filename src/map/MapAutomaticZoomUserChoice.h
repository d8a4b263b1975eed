#pragma once

#include "platform/brisa/core/EnumStrings.h"

namespace corvelle {

// How the map follows a new selection.
enum class MapAutomaticZoomUserChoice {
    none,
    zoom,
    center,
};

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::MapAutomaticZoomUserChoice> {
    static const QList<std::pair<corvelle::MapAutomaticZoomUserChoice, QString>>& table()
    {
        using E = corvelle::MapAutomaticZoomUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::none, QStringLiteral("none")},
            {E::zoom, QStringLiteral("zoom")},
            {E::center, QStringLiteral("center")},
        };
        return entries;
    }
};
