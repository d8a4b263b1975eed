#pragma once

#include "engine/halvex/dates/DateText.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace halvex {

// The time zone a DateText carries, and the instant it names.
class DateTextZone {
public:
    // Seconds east of UTC of a zone as DateText holds it ("Z", "+02:00", "-0400", "+05"); none for
    // no zone or another text.
    static std::optional<int> offsetSeconds(const QString& zone);
    // The instant of a full date and time, in UTC: its zone applied, or taken as UTC without
    // one. A date alone is its midnight. None for no day or an invalid date.
    static std::optional<QDateTime> utcDateTime(const DateText& date);
};

} // namespace halvex
