#include "engine/halvex/dates/DateText.h"

#include <QDate>
#include <QRegularExpression>

namespace halvex {

namespace {

QString padded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// Reads the time groups starting at `first`: hour, minute, second, fraction, zone.
void readTime(const QRegularExpressionMatch& match, int first, DateText& date)
{
    if (match.captured(first).isEmpty())
        return;
    date.hour = match.captured(first).toInt();
    date.minute = match.captured(first + 1).toInt();
    date.timeLevel = DateText::TimeLevel::minute;
    if (!match.captured(first + 2).isEmpty()) {
        date.second = match.captured(first + 2).toInt();
        date.timeLevel = DateText::TimeLevel::second;
        date.fraction = match.captured(first + 3);
    }
    date.zone = match.captured(first + 4);
}

} // namespace

std::optional<DateText> DateText::parse(const QString& text)
{
    static const QString time = QStringLiteral(R"((\d{2}):(\d{2})(?::(\d{2})(\.\d+)?)?(Z|[+-]\d{2}(?::?\d{2})?)?)");
    static const QRegularExpression withDate(
        QStringLiteral(R"(^(\d{4})(?:[:-](\d{2})(?:[:-](\d{2})(?:[ T])"
                       "%1)?)?)?$").arg(time));
    static const QRegularExpression timeAlone(QStringLiteral("^%1$").arg(time));

    const QString trimmed = text.trimmed();
    DateText date;
    QRegularExpressionMatch match = withDate.match(trimmed);
    if (match.hasMatch()) {
        date.year = match.captured(1).toInt();
        date.dateLevel = DateLevel::year;
        if (!match.captured(2).isEmpty()) {
            date.month = match.captured(2).toInt();
            date.dateLevel = DateLevel::month;
        }
        if (!match.captured(3).isEmpty()) {
            date.day = match.captured(3).toInt();
            date.dateLevel = DateLevel::day;
        }
        readTime(match, 4, date);
        return date;
    }
    match = timeAlone.match(trimmed);
    if (match.hasMatch()) {
        readTime(match, 1, date);
        return date;
    }
    return std::nullopt;
}

bool DateText::isValid() const
{
    switch (dateLevel) {
    case DateLevel::none:
        break;
    case DateLevel::year:
        if (year < 1 || year > 9999)
            return false;
        break;
    case DateLevel::month:
        if (year < 1 || year > 9999 || month < 1 || month > 12)
            return false;
        break;
    case DateLevel::day:
        if (year < 1 || year > 9999 || !QDate(year, month, day).isValid())
            return false;
        break;
    }
    if (hasTime() && (hour > 23 || minute > 59 || second > 59))
        return false;
    return hasDate() || hasTime();
}

QString DateText::text() const
{
    QString result;
    if (dateLevel != DateLevel::none)
        result += padded(year, 4);
    if (dateLevel == DateLevel::month || dateLevel == DateLevel::day)
        result += u':' + padded(month, 2);
    if (dateLevel == DateLevel::day)
        result += u':' + padded(day, 2);
    if (hasTime()) {
        if (hasDate())
            result += u' ';
        result += padded(hour, 2) + u':' + padded(minute, 2);
        if (timeLevel == TimeLevel::second)
            result += u':' + padded(second, 2) + fraction;
        result += zone;
    }
    return result;
}

} // namespace halvex
