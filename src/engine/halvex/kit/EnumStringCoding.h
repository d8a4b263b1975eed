#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "platform/brisa/core/JsonCoding.h"

namespace halvex {

// The stored form of an enum as its raw string (brisa::EnumStrings), so that a stored file
// names its choices instead of numbering them. A JsonCoding specialisation derives from it:
//
//   template<> struct brisa::JsonCoding<Insertion> : halvex::EnumStringCoding<Insertion> {};
template<class E>
struct EnumStringCoding {
    static QJsonValue encode(const E& value) { return brisa::rawValue(value); }

    static E decode(const QJsonValue& json, const QStringList& codingPath)
    {
        const QString raw = brisa::JsonCoding<QString>::decode(json, codingPath);
        if (const std::optional<E> value = brisa::caseFromRawValue<E>(raw))
            return *value;
        QStringList names;
        for (const auto& entry : brisa::enumTable<E>())
            names.append(QLatin1Char('"') + entry.second + QLatin1Char('"'));
        throw brisa::DecodingError(brisa::DecodingError::Kind::DataCorrupted, codingPath,
                                   QStringLiteral("Expected one of %1 but found \"%2\" instead.")
                                       .arg(names.join(QStringLiteral(", ")), raw));
    }
};

} // namespace halvex
