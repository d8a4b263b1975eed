#pragma once

#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/TagName.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// How a tag row or a preset entry shows a stored value: numbers with their grouping, dates in the
// user's styles, fractions, yes or no, keyword lists and country names. Each function reads the
// value through the tag's converter and gives none where that fails; callers fall back on the
// raw text.
namespace corvelle {

// A style of the date or the time part: 0 none, 1 short, 2 medium, 3 long, 4 full.
struct DateTimeStyles {
    int date = 2;
    int time = 2;

    friend bool operator==(const DateTimeStyles&, const DateTimeStyles&) = default;
};

// The settings' styles as they apply to a tag type: dates with time take both; a date alone
// only the date style; a time alone only the time style.
DateTimeStyles dateTimeStyles(ostrak::TagType type);
// The moment in the locale's own words for those styles, in the local time zone; "" when both
// styles are none.
QString formatDateTime(const QDateTime& dateTime, DateTimeStyles styles, const QLocale& locale = QLocale());

std::optional<QString> dateDisplayText(const ostrak::TagItem& tagItem, const std::optional<QDateTime>& date);
std::optional<QString> dateDisplayText(const ostrak::TagItem& tagItem, const QString& value);
std::optional<QString> numberDisplayText(const ostrak::TagItem& tagItem, const QString& value);
// An exposure time as "1 / 250".
std::optional<QString> fractionDisplayText(const ostrak::TagItem& tagItem, const QString& value);
// The localised yes or no; anything that is not true reads as no.
QString yesNoDisplayText(const ostrak::TagItem& tagItem, const QString& value);
std::optional<QStringList> keywordList(const ostrak::TagItem& tagItem, const QString& value);
// "France (FRA)".
std::optional<QString> countryDisplayText(const ostrak::TagItem& tagItem, const QString& value);

// The note shown beside a few tags, or none.
std::optional<QString> tagNote(const ostrak::TagName& tagName);

} // namespace corvelle
