#include "platform/brisa/core/JsonCoding.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <limits>

namespace brisa {

QString jsonKindDescription(const QJsonValue& json)
{
    switch (json.type()) {
    case QJsonValue::Bool:
        return QStringLiteral("a bool");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("a dictionary");
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("null");
}

void throwTypeMismatch(const QString& typeName, const QJsonValue& found, const QStringList& codingPath)
{
    if (found.isNull() || found.isUndefined()) {
        throw DecodingError(DecodingError::Kind::ValueNotFound, codingPath,
                            QStringLiteral("Expected %1 value but found null instead.").arg(typeName));
    }
    throw DecodingError(DecodingError::Kind::TypeMismatch, codingPath,
                        QStringLiteral("Expected to decode %1 but found %2 instead.")
                            .arg(typeName, jsonKindDescription(found)));
}

QString indexCodingKey(int index)
{
    return QStringLiteral("Index %1").arg(index);
}

QByteArray jsonText(const QJsonValue& json)
{
    if (json.isObject())
        return QJsonDocument(json.toObject()).toJson(QJsonDocument::Compact);
    if (json.isArray())
        return QJsonDocument(json.toArray()).toJson(QJsonDocument::Compact);
    // A document holds only objects and arrays: write the scalar as the one element of an array.
    const QByteArray wrapped = QJsonDocument(QJsonArray{json}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QJsonValue parseJson(const QByteArray& text)
{
    const QByteArray trimmed = text.trimmed();
    const bool container = trimmed.startsWith('{') || trimmed.startsWith('[');
    // A scalar is parsed as the one element of an array; offsets are given in the caller's text.
    const QByteArray document = container ? text : QByteArray('[' + text + ']');
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError) {
        const int offset = container ? error.offset : qMax(0, error.offset - 1);
        throw DecodingError(DecodingError::Kind::DataCorrupted, {},
                            QStringLiteral("The given data was not valid JSON: %1 at offset %2.")
                                .arg(error.errorString())
                                .arg(offset));
    }
    if (container)
        return parsed.isObject() ? QJsonValue(parsed.object()) : QJsonValue(parsed.array());
    const QJsonArray array = parsed.array();
    if (array.size() != 1) {
        throw DecodingError(DecodingError::Kind::DataCorrupted, {},
                            array.isEmpty()
                                ? QStringLiteral("The given data was not valid JSON: no value.")
                                : QStringLiteral("The given data was not valid JSON: garbage at the end."));
    }
    return array.first();
}

bool JsonCoding<bool>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    if (!json.isBool())
        throwTypeMismatch(QStringLiteral("Bool"), json, codingPath);
    return json.toBool();
}

int JsonCoding<int>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    if (!json.isDouble())
        throwTypeMismatch(QStringLiteral("Int"), json, codingPath);
    const double number = json.toDouble();
    if (std::trunc(number) != number || number < double(std::numeric_limits<int>::min())
        || number > double(std::numeric_limits<int>::max())) {
        throw DecodingError(DecodingError::Kind::DataCorrupted, codingPath,
                            QStringLiteral("Parsed JSON number <%1> does not fit in Int.")
                                .arg(QString::fromUtf8(jsonText(json))));
    }
    return int(number);
}

double JsonCoding<double>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    if (!json.isDouble())
        throwTypeMismatch(QStringLiteral("Double"), json, codingPath);
    return json.toDouble();
}

QString JsonCoding<QString>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    if (!json.isString())
        throwTypeMismatch(QStringLiteral("String"), json, codingPath);
    return json.toString();
}

} // namespace brisa
