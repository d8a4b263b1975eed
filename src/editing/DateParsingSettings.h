#pragma once

#include "engine/ostrak/TagName.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace halvex {
class TagEditor;
}

namespace corvelle {

// How a date is read out of the text of a source tag: a regular expression, and for each of
// year, month, day, hour, minute and second the index of the captured text that holds it. By
// default, the file name read as "2021-07-04-13-05-59...".
struct DateParsingSettings {
    DateParsingSettings();

    ostrak::TagName tagName;
    QString regexPattern;
    int yearMatchNumber = 0;
    int monthMatchNumber = 1;
    int dayMatchNumber = 2;
    int hourMatchNumber = 3;
    int minuteMatchNumber = 4;
    int secondMatchNumber = 5;

    // The captured texts of the first match, groups in order, those that took no part left
    // out; none when the expression is invalid or does not match.
    std::optional<QStringList> capturedTexts(const QString& text) const;
    // The date the text holds; none when a needed component is absent or no date is formed.
    std::optional<QDateTime> date(const QString& text) const;
    // The date of the file's source tag; none without a value.
    std::optional<QDateTime> date(const halvex::TagEditor& editor) const;

    // Digits with an optional leading sign; none for anything else or an overflow.
    static std::optional<int> componentValue(const QString& text);

    friend bool operator==(const DateParsingSettings&, const DateParsingSettings&) = default;
};

} // namespace corvelle
