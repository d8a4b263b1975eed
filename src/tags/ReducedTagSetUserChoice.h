#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// Which tags the tag-name pickers offer.
enum class ReducedTagSetUserChoice {
    all,
    choosen, // spelled so in stored settings
    popular,
};

inline QString title(ReducedTagSetUserChoice choice)
{
    switch (choice) {
    case ReducedTagSetUserChoice::all:
        return localizedString(QStringLiteral("ReducedTagSetUserChoiceAll"));
    case ReducedTagSetUserChoice::choosen:
        return localizedString(QStringLiteral("ReducedTagSetUserChoiceChoosen"));
    case ReducedTagSetUserChoice::popular:
        return localizedString(QStringLiteral("ReducedTagSetUserChoicePopular"));
    }
    return {};
}

inline QString reducedTagSetTitle(ReducedTagSetUserChoice choice)
{
    return title(choice);
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::ReducedTagSetUserChoice> {
    static const QList<std::pair<corvelle::ReducedTagSetUserChoice, QString>>& table()
    {
        using E = corvelle::ReducedTagSetUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::all, QStringLiteral("all")},
            {E::choosen, QStringLiteral("choosen")},
            {E::popular, QStringLiteral("popular")},
        };
        return entries;
    }
};
