#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// Whether a section shows its editing sidebar.
enum class EditingSidebarState {
    enabled,
    disabled,
};

inline QString title(EditingSidebarState choice)
{
    switch (choice) {
    case EditingSidebarState::enabled:
        return localizedString(QStringLiteral("GeneralUserChoiceEnableEditionSidebar"));
    case EditingSidebarState::disabled:
        return localizedString(QStringLiteral("GeneralUserChoiceDisableEditionSidebar"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::EditingSidebarState> {
    static const QList<std::pair<corvelle::EditingSidebarState, QString>>& table()
    {
        using E = corvelle::EditingSidebarState;
        static const QList<std::pair<E, QString>> entries{
            {E::enabled, QStringLiteral("enabled")},
            {E::disabled, QStringLiteral("disabled")},
        };
        return entries;
    }
};
