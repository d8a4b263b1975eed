#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

namespace ostrak {

// Converts between dates and texts in one format. Format letters: yyyy, MM, dd, HH, mm, ss,
// S... (fraction of the second), ZZZZZ ("+02:00"), Z ("+0200"); text in single quotes and every
// other character stand for themselves. Reading accepts every ExifTool date form, partial ones
// included, so a text this converter writes always reads back to the same moment.
class DateTimeValueConverter {
public:
    static QString defaultFormat() { return QStringLiteral("yyyy:MM:dd HH:mm:ssZZZZZ"); }

    explicit DateTimeValueConverter(QString format = defaultFormat());

    const QString& format() const { return format_; }

    // A QDateTime, or an invalid variant when the text is no date.
    QVariant typedValueFromStringValue(const QString& text) const;
    // A QDateTime from a QDateTime, QDate, QTime or date text; invalid otherwise.
    QVariant typedValueFromSwiftValue(const QVariant& value) const;
    std::optional<QString> stringValueFromTypedValue(const QVariant& value) const;

    static QString format(const QDateTime& dateTime, const QString& format);

private:
    QString format_;
};

} // namespace ostrak
