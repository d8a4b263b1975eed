#pragma once

#include "engine/halvex/places/Coordinate.h"

#include <QString>

namespace halvex {

// Writes a coordinate as text, latitude first. Degree texts use ° (U+00B0), minutes ’
// (U+2019) and seconds ” (U+201D), like the names of the GPS formats; "pre" puts the
// hemisphere letter before the number, "post" after it. Numbers are rounded to the last digit
// shown (a rounding that reaches 60 carries into the next unit) and a value that rounds to zero
// is written as positive, north or east. CoordinateParser reads every text back.
//
// An invalid coordinate gives the empty text.
class CoordinateWriter {
public:
    // "48.858400°, 2.294500°"
    QString DDddddd(const Coordinate& coordinate) const;
    // "N 48.858400°, E 2.294500°"
    QString preDDddddd(const Coordinate& coordinate) const;
    // "N 48°51.504’, E 2°17.670’"
    QString preDDMMmmm(const Coordinate& coordinate) const;
    // "N 48°51’30.2”, E 2°17’40.2”"
    QString preDDMMSSs(const Coordinate& coordinate) const;
    // "48.858400° N, 2.294500° E"
    QString postDDddddd(const Coordinate& coordinate) const;
    // "48°51.504’ N, 2°17.670’ E"
    QString postDDMMmmm(const Coordinate& coordinate) const;
    // "48°51’30.2” N, 2°17’40.2” E"
    QString postDDMMSSs(const Coordinate& coordinate) const;
    // "+48.85840+002.29450/": the form QuickTime's GPSCoordinates holds (ExifTool writes it
    // unchanged), two and three degree digits, five decimals.
    QString iso6709(const Coordinate& coordinate) const;
};

} // namespace halvex
