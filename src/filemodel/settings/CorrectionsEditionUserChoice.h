#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// Whether writing tags repairs invalid offsets in the files.
enum class CorrectionsEditionUserChoice {
    noCorrection,
    fixInvalidOffsets,
};

inline QString title(CorrectionsEditionUserChoice choice)
{
    switch (choice) {
    case CorrectionsEditionUserChoice::noCorrection:
        return localizedString(QStringLiteral("EditionUserChoiceCorrectionsNone"));
    case CorrectionsEditionUserChoice::fixInvalidOffsets:
        return localizedString(QStringLiteral("EditionUserChoiceCorrectionsFix"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::CorrectionsEditionUserChoice> {
    static const QList<std::pair<corvelle::CorrectionsEditionUserChoice, QString>>& table()
    {
        using E = corvelle::CorrectionsEditionUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::noCorrection, QStringLiteral("no_correction")},
            {E::fixInvalidOffsets, QStringLiteral("fix_invalid_offsets")},
        };
        return entries;
    }
};
