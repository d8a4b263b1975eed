#include "engine/halvex/dates/DateTextZone.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace halvex {

std::optional<int> DateTextZone::offsetSeconds(const QString& zone)
{
    if (zone == u"Z")
        return 0;
    static const QRegularExpression form(QStringLiteral(R"(^([+-])(\d{2}):?(\d{2})?$)"));
    const QRegularExpressionMatch match = form.match(zone);
    if (!match.hasMatch())
        return std::nullopt;
    const int seconds = match.captured(2).toInt() * 3600 + match.captured(3).toInt() * 60;
    return match.captured(1) == u"-" ? -seconds : seconds;
}

std::optional<QDateTime> DateTextZone::utcDateTime(const DateText& date)
{
    if (date.dateLevel != DateText::DateLevel::day || !date.isValid())
        return std::nullopt;
    const QDate day(date.year, date.month, date.day);
    const QTime time = date.hasTime() ? QTime(date.hour, date.minute, date.second) : QTime(0, 0);
    const int offset = offsetSeconds(date.zone).value_or(0);
    return QDateTime(day, time, QTimeZone(offset)).toUTC();
}

} // namespace halvex
