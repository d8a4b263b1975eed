#include "engine/halvex/dates/DateTimeCoding.h"

QJsonValue brisa::JsonCoding<QDateTime>::encode(const QDateTime& date)
{
    if (!date.isValid())
        return QJsonValue::Null;
    const QDateTime withOffset =
        date.timeSpec() == Qt::UTC ? date : date.toOffsetFromUtc(date.offsetFromUtc());
    return withOffset.toString(Qt::ISODateWithMs);
}

QDateTime brisa::JsonCoding<QDateTime>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const QString text = JsonCoding<QString>::decode(json, codingPath);
    const QDateTime date = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!date.isValid()) {
        throw DecodingError(DecodingError::Kind::DataCorrupted, codingPath,
                            QStringLiteral("Expected a date such as \"2024-01-31T09:45:00.000+01:00\" "
                                           "but found \"%1\" instead.")
                                .arg(text));
    }
    return date;
}
