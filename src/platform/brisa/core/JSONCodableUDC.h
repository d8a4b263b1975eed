#pragma once

#include "platform/brisa/core/JsonCoding.h"
#include "platform/brisa/core/JsonSettingsFormat.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QJsonValue>
#include <QString>
#include <QVariant>

#include <optional>

namespace brisa {

// A setting of a JSON-codable type (JsonCoding<T>), embedded in the settings file as JSON.
// A stored value that does not decode reads as nothing, silently: the key's default applies
// and the stored value stays until the next write.
template<class T>
struct JSONCodableUDC {
    using Value = T;

    static std::optional<T> decode(const UserDefaults& defaults, const QString& key)
    {
        const QJsonValue json = JsonSettingsFormat::jsonValue(defaults.object(key));
        if (json.isUndefined())
            return std::nullopt;
        try {
            return JsonCoding<T>::decode(json, {});
        } catch (const DecodingError&) {
            return std::nullopt;
        }
    }

    static QVariant encode(const T& value) { return QVariant::fromValue(JsonCoding<T>::encode(value)); }
};

} // namespace brisa
