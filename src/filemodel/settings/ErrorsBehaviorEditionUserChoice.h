#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// Whether a task over several files stops at its first error.
enum class ErrorsBehaviorEditionUserChoice {
    stop,
    ignore,
};

inline QString title(ErrorsBehaviorEditionUserChoice choice)
{
    switch (choice) {
    case ErrorsBehaviorEditionUserChoice::stop:
        return localizedString(QStringLiteral("EditionUserChoiceErrorsBehaviorStop"));
    case ErrorsBehaviorEditionUserChoice::ignore:
        return localizedString(QStringLiteral("EditionUserChoiceErrorsBehaviorContinue"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::ErrorsBehaviorEditionUserChoice> {
    static const QList<std::pair<corvelle::ErrorsBehaviorEditionUserChoice, QString>>& table()
    {
        using E = corvelle::ErrorsBehaviorEditionUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::stop, QStringLiteral("stop")},
            {E::ignore, QStringLiteral("ignore")},
        };
        return entries;
    }
};
