#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// The style in which the time part of date values is shown.
enum class TimeStyleGeneralUserChoice {
    none,
    short_, // short and long are C++ keywords
    medium,
    long_,
    full,
};

inline QString title(TimeStyleGeneralUserChoice choice)
{
    switch (choice) {
    case TimeStyleGeneralUserChoice::none:
        return localizedString(QStringLiteral("GeneralUserChoiceTimeStyleNone"));
    case TimeStyleGeneralUserChoice::short_:
        return localizedString(QStringLiteral("GeneralUserChoiceTimeStyleShort"));
    case TimeStyleGeneralUserChoice::medium:
        return localizedString(QStringLiteral("GeneralUserChoiceTimeStyleMedium"));
    case TimeStyleGeneralUserChoice::long_:
        return localizedString(QStringLiteral("GeneralUserChoiceTimeStyleLong"));
    case TimeStyleGeneralUserChoice::full:
        return localizedString(QStringLiteral("GeneralUserChoiceTimeStyleFull"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::TimeStyleGeneralUserChoice> {
    static const QList<std::pair<corvelle::TimeStyleGeneralUserChoice, QString>>& table()
    {
        using E = corvelle::TimeStyleGeneralUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::none, QStringLiteral("none")},
            {E::short_, QStringLiteral("short")},
            {E::medium, QStringLiteral("medium")},
            {E::long_, QStringLiteral("long")},
            {E::full, QStringLiteral("full")},
        };
        return entries;
    }
};
