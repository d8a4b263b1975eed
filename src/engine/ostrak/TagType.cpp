#include "engine/ostrak/TagType.h"

#include "engine/ostrak/ValueConverter.h"

#include <array>
#include <limits>

namespace ostrak {

namespace {

constexpr std::array<const char*, TagType::Struct + 1> rawValues = {
    "string", "longstring", "partialdate", "digitsdate", "date", "datetime", "datetimez",
    "partialtime", "digitstime", "int8u", "int8s", "int16u", "int16s", "int32u", "int32s", "real",
    "int64u", "int64s", "integer", "digits", "speed", "country", "boolean", "base64image", "binary",
    "struct",
};

} // namespace

QString TagType::rawValue() const
{
    return QString::fromLatin1(rawValues[value_]);
}

std::optional<TagType> TagType::fromRawValue(const QString& raw)
{
    for (size_t i = 0; i < rawValues.size(); ++i) {
        if (raw == QLatin1String(rawValues[i]))
            return TagType(static_cast<Case>(i));
    }
    return std::nullopt;
}

QList<TagType> TagType::allCases()
{
    QList<TagType> cases;
    for (size_t i = 0; i < rawValues.size(); ++i)
        cases.append(TagType(static_cast<Case>(i)));
    return cases;
}

bool TagType::isShortString() const
{
    return value_ == String;
}

bool TagType::isNumber() const
{
    return isInteger() || value_ == Real || value_ == Speed;
}

bool TagType::isInteger() const
{
    return (value_ >= Int8u && value_ <= Int32s) || (value_ >= Int64u && value_ <= Digits);
}

bool TagType::isDateTimeOrPartial() const
{
    return value_ >= PartialDate && value_ <= DigitsTime;
}

bool TagType::hasDateComponents() const
{
    return value_ >= PartialDate && value_ <= DateTimeZ;
}

bool TagType::hasTimeComponents() const
{
    return value_ >= Date && value_ <= DigitsTime;
}

std::optional<double> TagType::minimumNumberValue() const
{
    switch (value_) {
    case Int8u:
    case Int16u:
    case Int32u:
    case Int64u:
    case Digits:
    case Speed:
        return 0.0;
    case Int8s:
        return double(std::numeric_limits<qint8>::min());
    case Int16s:
        return double(std::numeric_limits<qint16>::min());
    case Int32s:
        return double(std::numeric_limits<qint32>::min());
    case Int64s:
        return double(std::numeric_limits<qint64>::min());
    default:
        return std::nullopt;
    }
}

std::optional<double> TagType::maximumNumberValue() const
{
    switch (value_) {
    case Int8u:
        return double(std::numeric_limits<quint8>::max());
    case Int8s:
        return double(std::numeric_limits<qint8>::max());
    case Int16u:
        return double(std::numeric_limits<quint16>::max());
    case Int16s:
        return double(std::numeric_limits<qint16>::max());
    case Int32u:
        return double(std::numeric_limits<quint32>::max());
    case Int32s:
        return double(std::numeric_limits<qint32>::max());
    case Int64u:
        return double(std::numeric_limits<quint64>::max());
    case Int64s:
        return double(std::numeric_limits<qint64>::max());
    default:
        return std::nullopt;
    }
}

ValueConverter TagType::converter() const
{
    return ValueConverter(*this);
}

} // namespace ostrak
