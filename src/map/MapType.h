#pragma once

namespace corvelle {

// The style of the map views; the numbers are what the settings store.
enum class MapType : int {
    standard = 0,
    satellite = 1,
    hybrid = 2,
    satelliteFlyover = 3,
    hybridFlyover = 4,
    mutedStandard = 5,
};

} // namespace corvelle
