#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// Whether a task that ends with errors raises an alert.
enum class ErrorAlertEditionUserChoice {
    display,
    ignore,
};

inline QString title(ErrorAlertEditionUserChoice choice)
{
    switch (choice) {
    case ErrorAlertEditionUserChoice::display:
        return localizedString(QStringLiteral("EditionUserChoiceErrorsAlertDisplay"));
    case ErrorAlertEditionUserChoice::ignore:
        return localizedString(QStringLiteral("EditionUserChoiceErrorsAlertIgnore"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::ErrorAlertEditionUserChoice> {
    static const QList<std::pair<corvelle::ErrorAlertEditionUserChoice, QString>>& table()
    {
        using E = corvelle::ErrorAlertEditionUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::display, QStringLiteral("display")},
            {E::ignore, QStringLiteral("ignore")},
        };
        return entries;
    }
};
