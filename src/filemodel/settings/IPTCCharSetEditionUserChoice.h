#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// The character set declared when IPTC tags are written.
enum class IPTCCharSetEditionUserChoice {
    none,
    utf8,
};

inline QString title(IPTCCharSetEditionUserChoice choice)
{
    switch (choice) {
    case IPTCCharSetEditionUserChoice::none:
        return localizedString(QStringLiteral("EditionUserChoiceErrorsIPTCCharSetNone"));
    case IPTCCharSetEditionUserChoice::utf8:
        return localizedString(QStringLiteral("EditionUserChoiceErrorsIPTCCharSetUTF8"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::IPTCCharSetEditionUserChoice> {
    static const QList<std::pair<corvelle::IPTCCharSetEditionUserChoice, QString>>& table()
    {
        using E = corvelle::IPTCCharSetEditionUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::none, QStringLiteral("none")},
            {E::utf8, QStringLiteral("utf8")},
        };
        return entries;
    }
};
