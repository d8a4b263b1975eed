#pragma once

#include "engine/ostrak/TagType.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace ostrak {

// A date and time as ExifTool writes it, "YYYY:MM:DD HH:MM:SS[.ss][+HH:MM]", where every part from
// the month on may be missing ("2024", "2024:05", "12:30:00", "2024:05:01 12:30"). Also reads
// ISO 8601 separators ("2024-05-01T12:30:00Z") and IPTC's digit forms ("20240501").
class DateTimeText {
public:
    static std::optional<DateTimeText> parse(QStringView text);
    static std::optional<DateTimeText> fromDateTime(const QDateTime& dateTime);

    bool hasDate() const { return year_ >= 0; }
    bool hasFullDate() const { return day_ >= 0; }
    bool hasTime() const { return hour_ >= 0; }
    bool hasZone() const { return offsetSeconds_.has_value(); }

    // Missing parts become the first month, day or second; without zone the time is local. A
    // time alone falls on 2000-01-01. None when the result does not exist (a skipped local hour).
    std::optional<QDateTime> toDateTime() const;

    // The text a tag of this type stores, or none when the parts it needs are missing.
    std::optional<QString> format(TagType type) const;

private:
    DateTimeText toUtc() const;
    QString datePart() const;
    QString timePart(bool withFraction) const;
    QString zonePart() const;

    int year_ = -1, month_ = -1, day_ = -1;
    int hour_ = -1, minute_ = -1, second_ = -1;
    QString fraction_; // digits after the decimal point of the seconds
    std::optional<int> offsetSeconds_;
};

} // namespace ostrak
