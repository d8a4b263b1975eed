#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// Whether the map also pins the files that are not selected.
enum class MapDisplayOtherItemsUserChoice {
    display,
    hide,
};

inline QString title(MapDisplayOtherItemsUserChoice choice)
{
    switch (choice) {
    case MapDisplayOtherItemsUserChoice::display:
        return localizedString(QStringLiteral("MapUserChoiceDisplayOtherItems"));
    case MapDisplayOtherItemsUserChoice::hide:
        return localizedString(QStringLiteral("MapUserChoiceHideOtherItems"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::MapDisplayOtherItemsUserChoice> {
    static const QList<std::pair<corvelle::MapDisplayOtherItemsUserChoice, QString>>& table()
    {
        using E = corvelle::MapDisplayOtherItemsUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::display, QStringLiteral("display")},
            {E::hide, QStringLiteral("hide")},
        };
        return entries;
    }
};
