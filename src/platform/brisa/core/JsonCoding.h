#pragma once

#include "platform/brisa/core/DecodingError.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

namespace brisa {

// The keyed JSON form of a value type. Each coded type specialises JsonCoding<T> with
//
//   static QJsonValue encode(const T& value);
//   static T decode(const QJsonValue& json, const QStringList& codingPath);   // throws DecodingError
//
// `codingPath` is the path of keys (and "Index n" for array elements) that led to `json`;
// it goes into every error so that a broken stored value can be found.
template<class T>
struct JsonCoding;

// "a string", "a number", "a bool", "null", "a dictionary" or "an array", for error texts.
QString jsonKindDescription(const QJsonValue& json);

// Raises the error for a value of the wrong kind: ValueNotFound for null or a missing value,
// else TypeMismatch "Expected to decode <typeName> but found <kind> instead.".
[[noreturn]] void throwTypeMismatch(const QString& typeName, const QJsonValue& found,
                                    const QStringList& codingPath);

// The coding-path component of an array element.
QString indexCodingKey(int index);

// JSON text of any value (scalars included), compact.
QByteArray jsonText(const QJsonValue& json);
// Parses any JSON text (scalars included); malformed text throws DataCorrupted naming the
// parse error and its offset.
QJsonValue parseJson(const QByteArray& text);

template<>
struct JsonCoding<bool> {
    static QJsonValue encode(const bool& value) { return value; }
    static bool decode(const QJsonValue& json, const QStringList& codingPath);
};

template<>
struct JsonCoding<int> {
    static QJsonValue encode(const int& value) { return value; }
    static int decode(const QJsonValue& json, const QStringList& codingPath);
};

template<>
struct JsonCoding<double> {
    static QJsonValue encode(const double& value) { return value; }
    static double decode(const QJsonValue& json, const QStringList& codingPath);
};

template<>
struct JsonCoding<QString> {
    static QJsonValue encode(const QString& value) { return value; }
    static QString decode(const QJsonValue& json, const QStringList& codingPath);
};

// Also QStringList, which is QList<QString>.
template<class T>
struct JsonCoding<QList<T>> {
    static QJsonValue encode(const QList<T>& list)
    {
        QJsonArray array;
        for (const T& element : list)
            array.append(JsonCoding<T>::encode(element));
        return array;
    }

    static QList<T> decode(const QJsonValue& json, const QStringList& codingPath)
    {
        if (!json.isArray())
            throwTypeMismatch(QStringLiteral("Array<Any>"), json, codingPath);
        const QJsonArray array = json.toArray();
        QList<T> list;
        list.reserve(array.size());
        for (qsizetype i = 0; i < array.size(); ++i)
            list.append(JsonCoding<T>::decode(array.at(i),
                                              QStringList(codingPath) << indexCodingKey(int(i))));
        return list;
    }
};

template<class T>
QByteArray encodeJson(const T& value)
{
    return jsonText(JsonCoding<T>::encode(value));
}

// Throws DecodingError: DataCorrupted for malformed text, else what the type's decoding raises.
template<class T>
T decodeJson(const QByteArray& text)
{
    return JsonCoding<T>::decode(parseJson(text), {});
}

} // namespace brisa
