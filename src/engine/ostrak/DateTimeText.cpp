#include "engine/ostrak/DateTimeText.h"

#include <QRegularExpression>

namespace ostrak {

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

const QDate timeOnlyDate(2000, 1, 1);

} // namespace

std::optional<DateTimeText> DateTimeText::parse(QStringView input)
{
    static const QRegularExpression dateTime(QStringLiteral(
        "^(\\d{4})(?:[:\\-/.](\\d{1,2})(?:[:\\-/.](\\d{1,2})"
        "(?:(?:\\s+|T)(\\d{1,2}):(\\d{2})(?::(\\d{2})(?:[.,](\\d+))?)?)?)?)?"
        "\\s*(Z|[+\\-]\\d{2}(?::?\\d{2})?)?(?:\\s*DST)?$"));
    static const QRegularExpression compactDate(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    static const QRegularExpression timeOnly(QStringLiteral(
        "^(\\d{1,2}):(\\d{2})(?::(\\d{2})(?:[.,](\\d+))?)?\\s*(Z|[+\\-]\\d{2}(?::?\\d{2})?)?$"));
    static const QRegularExpression compactTime(QStringLiteral("^(\\d{2})(\\d{2})(\\d{2})([+\\-]\\d{4})?$"));

    const QString text = input.trimmed().toString();
    DateTimeText parts;
    QString zone;
    const auto number = [](const QRegularExpressionMatch& m, int group) {
        return m.capturedLength(group) > 0 ? m.captured(group).toInt() : -1;
    };
    if (const auto m = dateTime.match(text); m.hasMatch()) {
        parts.year_ = number(m, 1);
        parts.month_ = number(m, 2);
        parts.day_ = number(m, 3);
        parts.hour_ = number(m, 4);
        parts.minute_ = number(m, 5);
        parts.second_ = number(m, 6);
        parts.fraction_ = m.captured(7);
        zone = m.captured(8);
        // A lone "2024-05" reads as year and month, never as year and a zone.
        if (!parts.hasTime() && !zone.isEmpty() && zone != u"Z" && parts.month_ < 0)
            return std::nullopt;
    } else if (const auto m = compactDate.match(text); m.hasMatch()) {
        parts.year_ = number(m, 1);
        parts.month_ = number(m, 2);
        parts.day_ = number(m, 3);
    } else if (const auto m = timeOnly.match(text); m.hasMatch()) {
        parts.hour_ = number(m, 1);
        parts.minute_ = number(m, 2);
        parts.second_ = number(m, 3);
        parts.fraction_ = m.captured(4);
        zone = m.captured(5);
    } else if (const auto m = compactTime.match(text); m.hasMatch()) {
        parts.hour_ = number(m, 1);
        parts.minute_ = number(m, 2);
        parts.second_ = number(m, 3);
        zone = m.captured(4);
    } else {
        return std::nullopt;
    }
    if (parts.hasTime() && parts.second_ < 0)
        parts.second_ = 0;

    if (!zone.isEmpty()) {
        if (zone == u"Z") {
            parts.offsetSeconds_ = 0;
        } else {
            const QString digits = zone.mid(1).remove(QLatin1Char(':'));
            const int hours = digits.left(2).toInt();
            const int minutes = digits.size() > 2 ? digits.mid(2, 2).toInt() : 0;
            if (hours > 14 || minutes > 59)
                return std::nullopt;
            parts.offsetSeconds_ = (zone.startsWith(QLatin1Char('-')) ? -1 : 1) * (hours * 3600 + minutes * 60);
        }
    }

    // ExifTool shows unset dates as zeros ("0000:00:00 00:00:00"): no date at all.
    if (parts.hasDate()) {
        if (parts.year_ == 0 || parts.month_ == 0 || parts.day_ == 0 || parts.month_ > 12)
            return std::nullopt;
        if (parts.hasFullDate() && !QDate(parts.year_, parts.month_, parts.day_).isValid())
            return std::nullopt;
    }
    if (parts.hasTime() && !QTime(parts.hour_, parts.minute_, parts.second_).isValid())
        return std::nullopt;
    return parts;
}

std::optional<DateTimeText> DateTimeText::fromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return std::nullopt;
    DateTimeText parts;
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    parts.year_ = date.year();
    parts.month_ = date.month();
    parts.day_ = date.day();
    parts.hour_ = time.hour();
    parts.minute_ = time.minute();
    parts.second_ = time.second();
    if (time.msec() != 0) {
        parts.fraction_ = QStringLiteral("%1").arg(time.msec(), 3, 10, QLatin1Char('0'));
        while (parts.fraction_.endsWith(QLatin1Char('0')))
            parts.fraction_.chop(1);
    }
    parts.offsetSeconds_ = dateTime.offsetFromUtc();
    if (parts.year_ <= 0 || parts.year_ > 9999)
        return std::nullopt;
    return parts;
}

std::optional<QDateTime> DateTimeText::toDateTime() const
{
    if (!hasDate() && !hasTime())
        return std::nullopt;
    const QDate date = hasDate() ? QDate(year_, qMax(month_, 1), qMax(day_, 1)) : timeOnlyDate;
    QTime time(0, 0);
    if (hasTime()) {
        const int msec = fraction_.isEmpty() ? 0 : QString(fraction_ + QStringLiteral("00")).left(3).toInt();
        time = QTime(hour_, minute_, second_, msec);
    }
    const QDateTime result = offsetSeconds_ ? QDateTime(date, time, Qt::OffsetFromUTC, *offsetSeconds_)
                                            : QDateTime(date, time, Qt::LocalTime);
    if (!result.isValid())
        return std::nullopt;
    return result;
}

std::optional<QString> DateTimeText::format(TagType type) const
{
    switch (type.value()) {
    case TagType::Date: {
        // Keeps exactly the precision given.
        if (!hasDate())
            return std::nullopt;
        QString text = QString::number(year_).rightJustified(4, QLatin1Char('0'));
        if (month_ >= 0)
            text += QLatin1Char(':') + twoDigits(month_);
        if (day_ >= 0)
            text += QLatin1Char(':') + twoDigits(day_);
        if (hasFullDate() && hasTime())
            text += QLatin1Char(' ') + timePart(true);
        if (hasFullDate() && hasTime() && hasZone())
            text += zonePart();
        return text;
    }
    case TagType::DateTime:
    case TagType::DateTimeZ: {
        if (!hasFullDate())
            return std::nullopt;
        QString text = datePart() + QLatin1Char(' ')
            + (hasTime() ? timePart(false) : QStringLiteral("00:00:00"));
        if (type == TagType::DateTimeZ && hasZone())
            text += zonePart();
        return text;
    }
    case TagType::PartialDate:
    case TagType::DigitsDate: {
        // A date stamp is the UTC date of the moment when the text says where its time lies.
        const DateTimeText parts = (type == TagType::PartialDate && hasTime()) ? toUtc() : *this;
        if (!parts.hasFullDate())
            return std::nullopt;
        return parts.datePart();
    }
    case TagType::PartialTime: {
        if (!hasTime())
            return std::nullopt;
        return toUtc().timePart(true);
    }
    case TagType::DigitsTime:
        if (!hasTime())
            return std::nullopt;
        return timePart(false) + (hasZone() ? zonePart() : QString());
    default:
        return std::nullopt;
    }
}

DateTimeText DateTimeText::toUtc() const
{
    if (!hasZone() || *offsetSeconds_ == 0 || !hasTime())
        return *this;
    const QDateTime moment(hasFullDate() ? QDate(year_, month_, day_) : timeOnlyDate,
                           QTime(hour_, minute_, second_), Qt::OffsetFromUTC, *offsetSeconds_);
    const QDateTime utc = moment.toUTC();
    DateTimeText parts = *this;
    if (hasFullDate()) {
        parts.year_ = utc.date().year();
        parts.month_ = utc.date().month();
        parts.day_ = utc.date().day();
    }
    parts.hour_ = utc.time().hour();
    parts.minute_ = utc.time().minute();
    parts.second_ = utc.time().second();
    parts.offsetSeconds_ = 0;
    return parts;
}

QString DateTimeText::datePart() const
{
    return QString::number(year_).rightJustified(4, QLatin1Char('0')) + QLatin1Char(':') + twoDigits(month_)
        + QLatin1Char(':') + twoDigits(day_);
}

QString DateTimeText::timePart(bool withFraction) const
{
    QString text = twoDigits(hour_) + QLatin1Char(':') + twoDigits(minute_) + QLatin1Char(':') + twoDigits(second_);
    if (withFraction && !fraction_.isEmpty())
        text += QLatin1Char('.') + fraction_;
    return text;
}

QString DateTimeText::zonePart() const
{
    const int offset = offsetSeconds_.value_or(0);
    const int minutes = qAbs(offset) / 60;
    return (offset < 0 ? QStringLiteral("-") : QStringLiteral("+")) + twoDigits(minutes / 60)
        + QLatin1Char(':') + twoDigits(minutes % 60);
}

} // namespace ostrak
