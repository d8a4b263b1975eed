#include "engine/halvex/tags/StoredNumber.h"

#include <cmath>
#include <limits>

namespace {

const QString notANumber = QStringLiteral("NaN");
const QString infinity = QStringLiteral("Infinity");
const QString minusInfinity = QStringLiteral("-Infinity");

} // namespace

QJsonValue brisa::JsonCoding<halvex::StoredNumber>::encode(const halvex::StoredNumber& number)
{
    if (std::isnan(number.value))
        return notANumber;
    if (std::isinf(number.value))
        return number.value > 0 ? infinity : minusInfinity;
    return number.value;
}

halvex::StoredNumber brisa::JsonCoding<halvex::StoredNumber>::decode(const QJsonValue& json,
                                                                     const QStringList& codingPath)
{
    if (json.isString()) {
        const QString text = json.toString();
        if (text == notANumber)
            return {std::numeric_limits<double>::quiet_NaN()};
        if (text == infinity)
            return {std::numeric_limits<double>::infinity()};
        if (text == minusInfinity)
            return {-std::numeric_limits<double>::infinity()};
        throw DecodingError(DecodingError::Kind::DataCorrupted, codingPath,
                            QStringLiteral("Expected a number but found the text \"%1\" instead.").arg(text));
    }
    return {JsonCoding<double>::decode(json, codingPath)};
}
