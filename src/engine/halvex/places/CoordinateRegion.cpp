#include "engine/halvex/places/CoordinateRegion.h"

#include <cmath>

namespace halvex {

bool CoordinateRegion::contains(const Coordinate& coordinate) const
{
    if (std::abs(coordinate.latitude() - centre_.latitude()) > latitudeDelta_ / 2)
        return false;
    if (longitudeDelta_ >= 360)
        return true;
    // The distance in longitude the short way round, so that a region across 180° holds both sides.
    double distance = std::fmod(std::abs(coordinate.longitude() - centre_.longitude()), 360.0);
    if (distance > 180)
        distance = 360 - distance;
    return distance <= longitudeDelta_ / 2;
}

} // namespace halvex
