#include "platform/maps/WebMercator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace maps {

namespace {

constexpr double pi = std::numbers::pi;

double clampLatitude(double latitude)
{
    return std::clamp(latitude, -WebMercator::maxLatitude, WebMercator::maxLatitude);
}

} // namespace

QPointF WebMercator::worldPoint(const halvex::Coordinate& coordinate)
{
    const double latitude = clampLatitude(coordinate.latitude()) * pi / 180;
    const double x = (coordinate.longitude() + 180) / 360;
    const double y = (1 - std::log(std::tan(latitude) + 1 / std::cos(latitude)) / pi) / 2;
    return {x, y};
}

halvex::Coordinate WebMercator::coordinate(const QPointF& point)
{
    const double y = std::clamp(point.y(), 0.0, 1.0);
    const double latitude = std::atan(std::sinh(pi * (1 - 2 * y))) * 180 / pi;
    double longitude = point.x() * 360 - 180;
    // Back into -180…180 for a point east or west of the square.
    longitude = std::fmod(longitude + 180, 360);
    if (longitude < 0)
        longitude += 360;
    return {latitude, longitude - 180};
}

halvex::CoordinateRegion WebMercator::region(const halvex::Coordinate& centre, double zoom, const QSizeF& size)
{
    const double worldPixels = tileSize * std::pow(2.0, zoom);
    const QPointF middle = worldPoint(centre);
    const double north = coordinate({middle.x(), middle.y() - size.height() / 2 / worldPixels}).latitude();
    const double south = coordinate({middle.x(), middle.y() + size.height() / 2 / worldPixels}).latitude();
    const double longitudeDelta = std::min(360.0, size.width() / worldPixels * 360);
    return halvex::CoordinateRegion(centre, north - south, longitudeDelta);
}

double WebMercator::zoomToFit(const halvex::CoordinateRegion& region, const QSizeF& size)
{
    if (size.isEmpty())
        return minZoom;
    double zoom = maxZoom;
    if (region.longitudeDelta() > 0)
        zoom = std::min(zoom, std::log2(size.width() * 360 / (tileSize * region.longitudeDelta())));
    if (region.latitudeDelta() > 0) {
        const double north = clampLatitude(region.centre().latitude() + region.latitudeDelta() / 2);
        const double south = clampLatitude(region.centre().latitude() - region.latitudeDelta() / 2);
        const double height = worldPoint({south, 0}).y() - worldPoint({north, 0}).y();
        if (height > 0)
            zoom = std::min(zoom, std::log2(size.height() / (tileSize * height)));
    }
    return std::clamp(zoom, minZoom, maxZoom);
}

} // namespace maps
