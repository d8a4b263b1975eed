#pragma once

#include "platform/brisa/core/JsonCoding.h"

namespace halvex {

// A number of a stored library value that may be any double. JSON has no number for NaN or the
// infinities, and Qt writes them as null, which would make the library unreadable on the next
// load; they are stored as the texts "NaN", "Infinity" and "-Infinity" instead.
struct StoredNumber {
    double value = 0.0;
};

} // namespace halvex

template<>
struct brisa::JsonCoding<halvex::StoredNumber> {
    static QJsonValue encode(const halvex::StoredNumber& number);
    static halvex::StoredNumber decode(const QJsonValue& json, const QStringList& codingPath);
};
