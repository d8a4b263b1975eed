#pragma once

#include "engine/halvex/places/Coordinate.h"
#include "widgets/settings/GPSFormatGeneralUserChoice.h"

#include <QString>

#include <optional>

namespace corvelle {

// The coordinate written in the chosen notation; empty without a coordinate.
QString coordinateText(const std::optional<halvex::Coordinate>& coordinate,
                       GPSFormatGeneralUserChoice format);

} // namespace corvelle
