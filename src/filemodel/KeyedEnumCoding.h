#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "platform/brisa/core/KeyedJson.h"

#include <QJsonValue>
#include <QStringList>

namespace corvelle {

// The keyed JSON form of an enumeration without payloads whose EnumStrings raw values are its
// case names: {"<case>": {}}. A JsonCoding specialisation derives from it.
template<class E>
struct KeyedEnumCoding {
    static QJsonValue encode(const E& value) { return brisa::KeyedJson::encodeCase(brisa::rawValue(value)); }

    static E decode(const QJsonValue& json, const QStringList& codingPath)
    {
        QStringList names;
        for (const auto& entry : brisa::enumTable<E>())
            names.append(entry.second);
        const brisa::KeyedJson::Case found = brisa::KeyedJson::decodeCase(json, codingPath, names);
        return *brisa::caseFromRawValue<E>(found.name);
    }
};

} // namespace corvelle
