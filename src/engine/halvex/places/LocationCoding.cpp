#include "engine/halvex/places/LocationCoding.h"

#include "engine/halvex/dates/DateTimeCoding.h"
#include "engine/halvex/places/CoordinateCoding.h"
#include "engine/halvex/tags/StoredNumber.h"
#include "platform/brisa/core/KeyedJson.h"

using halvex::Coordinate;
using halvex::Location;
using halvex::StoredNumber;
using halvex::TextLocation;

namespace {

std::optional<StoredNumber> stored(const std::optional<double>& number)
{
    return number ? std::optional<StoredNumber>(StoredNumber{*number}) : std::nullopt;
}

std::optional<double> number(const std::optional<StoredNumber>& stored)
{
    return stored ? std::optional<double>(stored->value) : std::nullopt;
}

} // namespace

QJsonValue brisa::JsonCoding<Location>::encode(const Location& location)
{
    QJsonObject object = JsonCoding<Coordinate>::encode(location.coordinate()).toObject();
    KeyedJson::encodeIfPresent(object, QStringLiteral("altitude"), stored(location.altitude()));
    // An invalid date would come back as null, which reads as no date.
    if (location.date() && location.date()->isValid())
        KeyedJson::encode(object, QStringLiteral("date"), *location.date());
    KeyedJson::encodeIfPresent(object, QStringLiteral("direction"), stored(location.direction()));
    KeyedJson::encodeIfPresent(object, QStringLiteral("placeName"), location.placeName());
    KeyedJson::encodeIfPresent(object, QStringLiteral("streetName"), location.streetName());
    KeyedJson::encodeIfPresent(object, QStringLiteral("streetNumber"), location.streetNumber());
    KeyedJson::encodeIfPresent(object, QStringLiteral("city"), location.city());
    KeyedJson::encodeIfPresent(object, QStringLiteral("state"), location.state());
    KeyedJson::encodeIfPresent(object, QStringLiteral("zipCode"), location.zipCode());
    KeyedJson::encodeIfPresent(object, QStringLiteral("countryName"), location.countryName());
    KeyedJson::encodeIfPresent(object, QStringLiteral("countryCode"), location.countryCode());
    return object;
}

Location brisa::JsonCoding<Location>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const Coordinate coordinate = JsonCoding<Coordinate>::decode(json, codingPath);
    const KeyedJson object(json, codingPath);
    const auto text = [&object](const char* key) { return object.decodeIfPresent<QString>(QLatin1String(key)); };
    return Location(coordinate.latitude(), coordinate.longitude(),
                    number(object.decodeIfPresent<StoredNumber>(QStringLiteral("altitude"))),
                    object.decodeIfPresent<QDateTime>(QStringLiteral("date")),
                    number(object.decodeIfPresent<StoredNumber>(QStringLiteral("direction"))),
                    TextLocation(text("placeName"), text("streetName"), text("streetNumber"), text("city"),
                                 text("state"), text("zipCode"), text("countryName"), text("countryCode")));
}
