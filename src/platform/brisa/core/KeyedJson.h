#pragma once

#include "platform/brisa/core/JsonCoding.h"

#include <QJsonObject>

#include <optional>

namespace brisa {

// Reading and writing the keyed JSON form of structures and of enumerations with payloads.
//
// A structure is an object keyed by its field names:
//
//   static Sort decode(const QJsonValue& json, const QStringList& path) {
//       const KeyedJson object(json, path);
//       return Sort{object.decode<TagName>("tagName"), object.decode<Order>("order")};
//   }
//
// An enumeration is an object with exactly one member named after the case, whose value is an
// object holding the payload under "_0" (an empty object for a case without payload):
//
//   const KeyedJson::Case found = KeyedJson::decodeCase(json, path, {"none", "contains"});
//   if (found.name == "contains") return contains(found.payload<QString>());
class KeyedJson {
public:
    struct Case;

    // Throws TypeMismatch (or ValueNotFound for null) when `json` is not an object.
    KeyedJson(const QJsonValue& json, const QStringList& codingPath);

    const QJsonObject& object() const { return object_; }
    const QStringList& codingPath() const { return codingPath_; }
    QStringList codingPath(const QString& key) const { return QStringList(codingPath_) << key; }
    bool contains(const QString& key) const { return object_.contains(key); }

    // Missing key: KeyNotFound "No value associated with key \"<key>\".".
    template<class T>
    T decode(const QString& key) const
    {
        return JsonCoding<T>::decode(member(key), codingPath(key));
    }

    // None for a missing key or a null value.
    template<class T>
    std::optional<T> decodeIfPresent(const QString& key) const
    {
        const QJsonValue json = object_.value(key);
        if (json.isUndefined() || json.isNull())
            return std::nullopt;
        return JsonCoding<T>::decode(json, codingPath(key));
    }

    // The object held under `key`, for nested keyed values.
    KeyedJson nested(const QString& key) const { return KeyedJson(member(key), codingPath(key)); }

    template<class T>
    static void encode(QJsonObject& object, const QString& key, const T& value)
    {
        object.insert(key, JsonCoding<T>::encode(value));
    }

    // Leaves the key out when there is no value.
    template<class T>
    static void encodeIfPresent(QJsonObject& object, const QString& key, const std::optional<T>& value)
    {
        if (value)
            encode(object, key, *value);
    }

    // The keyed form of an enumeration case without payload, and with one.
    static QJsonObject encodeCase(const QString& caseName);
    template<class P>
    static QJsonObject encodeCase(const QString& caseName, const P& payload)
    {
        return QJsonObject{{caseName, QJsonObject{{payloadKey(), JsonCoding<P>::encode(payload)}}}};
    }

    // The case an enumeration object holds. Members that are not in `caseNames` are ignored;
    // when not exactly one case member remains this throws TypeMismatch "Invalid number of keys
    // found, expected one." at `codingPath`. The case member's value must be an object.
    static Case decodeCase(const QJsonValue& json, const QStringList& codingPath,
                           const QStringList& caseNames);

    static QString payloadKey() { return QStringLiteral("_0"); }

private:
    QJsonValue member(const QString& key) const;

    QJsonObject object_;
    QStringList codingPath_;
};

struct KeyedJson::Case {
    QString name;
    KeyedJson content;

    template<class P>
    P payload() const
    {
        return content.decode<P>(payloadKey());
    }
};

} // namespace brisa
