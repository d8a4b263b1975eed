#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// Whether the preset menu shows presets in their groups.
enum class PresetGroupsGeneralUserChoice {
    showGroups,
    hideGroups,
};

inline QString title(PresetGroupsGeneralUserChoice choice)
{
    switch (choice) {
    case PresetGroupsGeneralUserChoice::showGroups:
        return localizedString(QStringLiteral("GeneralUserChoicePresetGroupsShow"));
    case PresetGroupsGeneralUserChoice::hideGroups:
        return localizedString(QStringLiteral("GeneralUserChoicePresetGroupsHide"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::PresetGroupsGeneralUserChoice> {
    static const QList<std::pair<corvelle::PresetGroupsGeneralUserChoice, QString>>& table()
    {
        using E = corvelle::PresetGroupsGeneralUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::showGroups, QStringLiteral("show_groups")},
            {E::hideGroups, QStringLiteral("hide_groups")},
        };
        return entries;
    }
};
