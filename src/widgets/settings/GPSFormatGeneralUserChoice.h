#pragma once

#include "platform/brisa/core/EnumStrings.h"

namespace corvelle {

// The notation of GPS coordinates. The raw strings are shown as they stand, untranslated;
// they hold a degree sign (U+00B0) and a right single quotation mark (U+2019), never an
// apostrophe.
enum class GPSFormatGeneralUserChoice {
    formatDDdddddd,
    formatPreDDdddddd,
    formatPreDDMMmmm,
    formatPreDDMMSSs,
    formatPostDDdddddd,
    formatPostDDMMmmm,
    formatPostDDMMSSs,
    formatISO6709,
};

QString title(GPSFormatGeneralUserChoice format);

// The format that stands when none is stored.
GPSFormatGeneralUserChoice defaultGPSFormat();

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::GPSFormatGeneralUserChoice> {
    static const QList<std::pair<corvelle::GPSFormatGeneralUserChoice, QString>>& table()
    {
        using E = corvelle::GPSFormatGeneralUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::formatDDdddddd, QStringLiteral("DD.dddddd\u00B0")},
            {E::formatPreDDdddddd, QStringLiteral("Pre DD.dddddd\u00B0")},
            {E::formatPreDDMMmmm, QStringLiteral("Pre DD\u00B0MM.mmm\u2019")},
            {E::formatPreDDMMSSs, QStringLiteral("Pre DD\u00B0MM\u2019SS.s")},
            {E::formatPostDDdddddd, QStringLiteral("Post DD.dddddd\u00B0")},
            {E::formatPostDDMMmmm, QStringLiteral("Post DD\u00B0MM.mmm\u2019")},
            {E::formatPostDDMMSSs, QStringLiteral("Post DD\u00B0MM\u2019SS.s")},
            {E::formatISO6709, QStringLiteral("ISO6709")},
        };
        return entries;
    }
};
