#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// The style in which the date part of date values is shown.
enum class DateStyleGeneralUserChoice {
    none,
    short_, // short and long are C++ keywords
    medium,
    long_,
    full,
};

inline QString title(DateStyleGeneralUserChoice choice)
{
    switch (choice) {
    case DateStyleGeneralUserChoice::none:
        return localizedString(QStringLiteral("GeneralUserChoiceDateStyleNone"));
    case DateStyleGeneralUserChoice::short_:
        return localizedString(QStringLiteral("GeneralUserChoiceDateStyleShort"));
    case DateStyleGeneralUserChoice::medium:
        return localizedString(QStringLiteral("GeneralUserChoiceDateStyleMedium"));
    case DateStyleGeneralUserChoice::long_:
        return localizedString(QStringLiteral("GeneralUserChoiceDateStyleLong"));
    case DateStyleGeneralUserChoice::full:
        return localizedString(QStringLiteral("GeneralUserChoiceDateStyleFull"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::DateStyleGeneralUserChoice> {
    static const QList<std::pair<corvelle::DateStyleGeneralUserChoice, QString>>& table()
    {
        using E = corvelle::DateStyleGeneralUserChoice;
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
