#pragma once

#include <QList>
#include <QPointF>

namespace maps {

// One line or ring of a polygon file: its nodes as (longitude, latitude) in degrees, in file
// order. An inner boundary is a hole in the outer boundary read before it with the same
// feature.
struct GeoPolygon {
    enum class Kind : quint8 { lineString = 0, linearRing = 1, outerBoundary = 2, innerBoundary = 3 };

    Kind kind = Kind::lineString;
    quint32 featureId = 0;
    // The colour index some files give each feature (country maps); 0 otherwise.
    quint8 colourIndex = 0;
    QList<QPointF> nodes;

    bool isClosed() const { return kind != Kind::lineString; }
};

} // namespace maps
