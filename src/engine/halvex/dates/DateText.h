#pragma once

#include <QString>

#include <optional>

namespace halvex {

// A date value in ExifTool's form, "YYYY:MM:DD HH:MM:SS[.ss][±HH:MM|Z]", or one of its
// partial forms: "YYYY", "YYYY:MM", "YYYY:MM:DD", a time without seconds ("HH:MM"), a time
// alone ("HH:MM:SS+02:00", IPTC's TimeCreated). Hyphens between the date numbers and a "T"
// before the time are read too. The numbers are held as written, even when they form no real
// date (EXIF's empty "0000:00:00 00:00:00"); isValid() tells.
struct DateText {
    enum class DateLevel { none, year, month, day };
    enum class TimeLevel { none, minute, second };

    DateLevel dateLevel = DateLevel::none;
    TimeLevel timeLevel = TimeLevel::none;
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    QString fraction; // of the second, with its point (".25"); only with seconds
    QString zone;     // "Z", "+02:00", "-0400" as written; only with a time

    // Nothing when the text is in none of the forms (surrounding blanks are ignored).
    static std::optional<DateText> parse(const QString& text);

    bool hasDate() const { return dateLevel != DateLevel::none; }
    bool hasTime() const { return timeLevel != TimeLevel::none; }
    // The components it holds name a real day and time (year 1..9999).
    bool isValid() const;
    // In ExifTool's form, with colons.
    QString text() const;

    friend bool operator==(const DateText&, const DateText&) = default;
};

} // namespace halvex
