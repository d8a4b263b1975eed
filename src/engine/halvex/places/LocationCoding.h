#pragma once

#include "engine/halvex/places/Location.h"
#include "platform/brisa/core/JsonCoding.h"

// The stored form of a location: the coordinate's "latitude" and "longitude", then "altitude",
// "date", "direction", "placeName", "streetName", "streetNumber", "city", "state", "zipCode",
// "countryName" and "countryCode", each left out when the location has no such part (an empty
// text is kept as an empty text).
template<>
struct brisa::JsonCoding<halvex::Location> {
    static QJsonValue encode(const halvex::Location& location);
    static halvex::Location decode(const QJsonValue& json, const QStringList& codingPath);
};
