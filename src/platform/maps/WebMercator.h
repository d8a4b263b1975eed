#pragma once

#include "engine/halvex/places/CoordinateRegion.h"

#include <QPointF>
#include <QSizeF>

namespace maps {

// The square world of map tiles: a position as a point of the unit square (x east from -180°,
// y south from 85.05°N), and the region a view of a given size shows at a zoom level. A zoom
// level z draws the world 256 × 2^z pixels wide. Pure functions; no state.
class WebMercator {
public:
    static constexpr double maxLatitude = 85.0511287798;
    static constexpr double tileSize = 256;
    static constexpr double minZoom = 0;
    static constexpr double maxZoom = 19;

    static QPointF worldPoint(const halvex::Coordinate& coordinate);
    static halvex::Coordinate coordinate(const QPointF& worldPoint);

    // The region a view of `size` pixels shows around `centre` at `zoom`.
    static halvex::CoordinateRegion region(const halvex::Coordinate& centre, double zoom, const QSizeF& size);
    // The greatest zoom at which a view of `size` shows all of the region's spans (within the
    // zoom limits). A region without spans gets the greatest zoom.
    static double zoomToFit(const halvex::CoordinateRegion& region, const QSizeF& size);
};

} // namespace maps
