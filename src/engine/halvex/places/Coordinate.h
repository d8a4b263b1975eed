#pragma once

#include <utility>

namespace halvex {

// A position on the earth in degrees (WGS 84). Any pair of numbers can be held; isValid()
// says whether it names a real place, and nothing the engine writes comes from an invalid one.
class Coordinate {
public:
    Coordinate(double latitude, double longitude) : latitude_(latitude), longitude_(longitude) {}
    // From a point of the map: any type with public `latitude` and `longitude` numbers (the
    // map layer's 2-D coordinate), so that the engine need not know it.
    template<class T, class = decltype(double(std::declval<const T&>().latitude)),
             class = decltype(double(std::declval<const T&>().longitude))>
    explicit Coordinate(const T& coordinate2D)
        : Coordinate(double(coordinate2D.latitude), double(coordinate2D.longitude))
    {
    }

    double latitude() const { return latitude_; }
    double longitude() const { return longitude_; }

    // Finite, latitude within -90..90 and longitude within -180..180 (both ends included).
    bool isValid() const;

    // Plain number comparison: 0 and -0 are equal, a NaN equals nothing.
    friend bool operator==(const Coordinate&, const Coordinate&) = default;

private:
    double latitude_;
    double longitude_;
};

} // namespace halvex
