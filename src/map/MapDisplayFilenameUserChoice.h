#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// Whether map pins carry their file names.
enum class MapDisplayFilenameUserChoice {
    display,
    hide,
};

inline QString title(MapDisplayFilenameUserChoice choice)
{
    switch (choice) {
    case MapDisplayFilenameUserChoice::display:
        return localizedString(QStringLiteral("MapUserChoiceDisplayFilename"));
    case MapDisplayFilenameUserChoice::hide:
        return localizedString(QStringLiteral("MapUserChoiceHideFilename"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::MapDisplayFilenameUserChoice> {
    static const QList<std::pair<corvelle::MapDisplayFilenameUserChoice, QString>>& table()
    {
        using E = corvelle::MapDisplayFilenameUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::display, QStringLiteral("display")},
            {E::hide, QStringLiteral("hide")},
        };
        return entries;
    }
};
