#pragma once

#include "engine/halvex/places/Coordinate.h"
#include "platform/brisa/core/JsonCoding.h"

// The stored form of a coordinate: {"latitude": 48.8584, "longitude": 2.2945}, in degrees.
// Any pair of numbers is kept as it is, so that what was saved loads back.
template<>
struct brisa::JsonCoding<halvex::Coordinate> {
    static QJsonValue encode(const halvex::Coordinate& coordinate);
    static halvex::Coordinate decode(const QJsonValue& json, const QStringList& codingPath);
};
