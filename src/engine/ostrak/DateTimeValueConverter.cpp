#include "engine/ostrak/DateTimeValueConverter.h"

#include "engine/ostrak/DateTimeText.h"

namespace ostrak {

DateTimeValueConverter::DateTimeValueConverter(QString format)
    : format_(std::move(format))
{
}

QVariant DateTimeValueConverter::typedValueFromStringValue(const QString& text) const
{
    const auto parts = DateTimeText::parse(text);
    if (!parts)
        return QVariant();
    const auto dateTime = parts->toDateTime();
    return dateTime ? QVariant(*dateTime) : QVariant();
}

QVariant DateTimeValueConverter::typedValueFromSwiftValue(const QVariant& value) const
{
    switch (value.metaType().id()) {
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? value : QVariant();
    case QMetaType::QDate:
        return value.toDate().isValid() ? QVariant(QDateTime(value.toDate(), QTime(0, 0))) : QVariant();
    case QMetaType::QTime:
        return value.toTime().isValid() ? QVariant(QDateTime(QDate(2000, 1, 1), value.toTime())) : QVariant();
    case QMetaType::QString:
        return typedValueFromStringValue(value.toString());
    default:
        return QVariant();
    }
}

std::optional<QString> DateTimeValueConverter::stringValueFromTypedValue(const QVariant& value) const
{
    const QVariant typed = typedValueFromSwiftValue(value);
    if (!typed.isValid())
        return std::nullopt;
    const QDateTime dateTime = typed.toDateTime();
    if (dateTime.date().year() < 1 || dateTime.date().year() > 9999)
        return std::nullopt;
    return format(dateTime, format_);
}

QString DateTimeValueConverter::format(const QDateTime& dateTime, const QString& pattern)
{
    QString out;
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    const auto padded = [](int value, qsizetype width) {
        return QStringLiteral("%1").arg(value, int(width), 10, QLatin1Char('0'));
    };
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            const qsizetype end = pattern.indexOf(QLatin1Char('\''), i + 1);
            if (end == i + 1)
                out += QLatin1Char('\'');
            else
                out += pattern.mid(i + 1, (end < 0 ? pattern.size() : end) - i - 1);
            i = end < 0 ? pattern.size() : end + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        switch (c.unicode()) {
        case 'y':
            out += run == 2 ? padded(date.year() % 100, 2) : padded(date.year(), qMax<qsizetype>(run, 4));
            break;
        case 'M':
            out += padded(date.month(), run);
            break;
        case 'd':
            out += padded(date.day(), run);
            break;
        case 'H':
            out += padded(time.hour(), run);
            break;
        case 'm':
            out += padded(time.minute(), run);
            break;
        case 's':
            out += padded(time.second(), run);
            break;
        case 'S':
            out += padded(time.msec(), 3).left(run).leftJustified(run, QLatin1Char('0'));
            break;
        case 'Z': {
            const int offset = dateTime.offsetFromUtc();
            const int minutes = qAbs(offset) / 60;
            out += offset < 0 ? QLatin1Char('-') : QLatin1Char('+');
            out += padded(minutes / 60, 2);
            if (run >= 5)
                out += QLatin1Char(':');
            out += padded(minutes % 60, 2);
            break;
        }
        default:
            out += QString(run, c);
            break;
        }
        i += run;
    }
    return out;
}

} // namespace ostrak
