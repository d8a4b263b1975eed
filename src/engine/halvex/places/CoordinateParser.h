#pragma once

#include "engine/halvex/places/Coordinate.h"

#include <QString>

#include <optional>

namespace halvex {

// Reads a coordinate typed by a user or printed by ExifTool. Each reader answers nothing when
// the text is not in its notation or names no valid place (latitude beyond ±90, longitude
// beyond ±180, minutes or seconds of 60 and more).
//
// The degree notations share one grammar: latitude then longitude, separated by a comma, a
// semicolon or spaces; each may carry a hemisphere letter or word before or after it
// (N, S, E, W, North, …; S and W are negative) or else a sign; degree marks (°, º, deg),
// minute marks (', ’, ′) and second marks (", ″, ”, '') are optional. With hemisphere
// letters the longitude may come first. A trailing altitude is accepted and ignored:
// "35", "35 m", "35 m Above Sea Level", as ExifTool prints GPSCoordinates.
class CoordinateParser {
public:
    // ISO 6709: "+48.8567+002.3508/", "+4851.402+00221.048/", "+485124.1+0022102.9/",
    // with an optional altitude ("+35.000") and CRS; the final solidus may be left out.
    static std::optional<Coordinate> coordinateFromISO6709String(const QString& text);
    // Decimal degrees: "48.8584, 2.2945", "-33.8688 151.2093", "48.8584° N, 2.2945° E",
    // ExifTool's -n form "48.8584 2.2945 35".
    static std::optional<Coordinate> coordinateFromDDdddddString(const QString& text);
    // Degrees and decimal minutes: "48°51.504' N, 2°17.670' E", "N 48°51.504’ E 2°17.670’".
    static std::optional<Coordinate> coordinateFromDDMMmmmString(const QString& text);
    // Degrees, minutes and decimal seconds: "48°51'24.0\" N 2°17'40.2\" E", and ExifTool's
    // "48 deg 51' 24.00\" N, 2 deg 17' 40.20\" E".
    static std::optional<Coordinate> coordinateFromDDMMSSsString(const QString& text);

    // Any of the four notations, tried in the order above.
    static std::optional<Coordinate> coordinate(const QString& text);
};

} // namespace halvex
