#pragma once

#include "engine/halvex/places/Coordinate.h"

#include <QString>

namespace halvex {

// A town of the gazetteer: its name, position, number of people, first-level region (state,
// province) and country (ISO alpha-2 code and English name).
struct GazetteerPlace {
    QString name;
    double latitude = 0;
    double longitude = 0;
    qint64 population = 0;
    QString region;
    QString countryCode;
    QString countryName;

    Coordinate coordinate() const { return {latitude, longitude}; }
};

} // namespace halvex
