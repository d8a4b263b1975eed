#include "platform/brisa/core/KeyedJson.h"

namespace brisa {

KeyedJson::KeyedJson(const QJsonValue& json, const QStringList& codingPath)
    : codingPath_(codingPath)
{
    if (!json.isObject())
        throwTypeMismatch(QStringLiteral("Dictionary<String, Any>"), json, codingPath);
    object_ = json.toObject();
}

QJsonValue KeyedJson::member(const QString& key) const
{
    const auto found = object_.constFind(key);
    if (found == object_.constEnd()) {
        throw DecodingError(DecodingError::Kind::KeyNotFound, codingPath_,
                            QStringLiteral("No value associated with key \"%1\".").arg(key));
    }
    return *found;
}

QJsonObject KeyedJson::encodeCase(const QString& caseName)
{
    return QJsonObject{{caseName, QJsonObject()}};
}

KeyedJson::Case KeyedJson::decodeCase(const QJsonValue& json, const QStringList& codingPath,
                                      const QStringList& caseNames)
{
    const KeyedJson enumeration(json, codingPath);
    QString found;
    int count = 0;
    for (auto it = enumeration.object().constBegin(); it != enumeration.object().constEnd(); ++it) {
        if (caseNames.contains(it.key())) {
            found = it.key();
            ++count;
        }
    }
    if (count != 1) {
        throw DecodingError(DecodingError::Kind::TypeMismatch, codingPath,
                            QStringLiteral("Invalid number of keys found, expected one."));
    }
    return Case{found, enumeration.nested(found)};
}

} // namespace brisa
