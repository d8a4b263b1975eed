#include "engine/halvex/places/Coordinate.h"

#include <cmath>

namespace halvex {

bool Coordinate::isValid() const
{
    // Written so that NaN fails every test.
    return std::isfinite(latitude_) && std::isfinite(longitude_) && latitude_ >= -90.0
        && latitude_ <= 90.0 && longitude_ >= -180.0 && longitude_ <= 180.0;
}

} // namespace halvex
