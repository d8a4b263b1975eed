#pragma once

#include "engine/halvex/places/Coordinate.h"

namespace halvex {

// A part of the map: its centre and its spans in degrees. A span of 360° of longitude covers
// every longitude; a region whose east edge passes 180° goes on west of -180°.
class CoordinateRegion {
public:
    CoordinateRegion(Coordinate centre, double latitudeDelta, double longitudeDelta)
        : centre_(centre), latitudeDelta_(latitudeDelta), longitudeDelta_(longitudeDelta)
    {
    }

    const Coordinate& centre() const { return centre_; }
    double latitudeDelta() const { return latitudeDelta_; }
    double longitudeDelta() const { return longitudeDelta_; }

    // Whether the position lies in the region, edges included.
    bool contains(const Coordinate& coordinate) const;

    friend bool operator==(const CoordinateRegion&, const CoordinateRegion&) = default;

private:
    Coordinate centre_;
    double latitudeDelta_;
    double longitudeDelta_;
};

} // namespace halvex
