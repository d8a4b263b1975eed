#include "engine/halvex/places/Location.h"

namespace halvex {

Location::Location(double latitude, double longitude, std::optional<double> altitude,
                   std::optional<QDateTime> date, std::optional<double> direction,
                   TextLocation address)
    : latitude_(latitude)
    , longitude_(longitude)
    , altitude_(altitude)
    , date_(std::move(date))
    , direction_(direction)
    , address_(std::move(address))
{
}

Location Location::withCoordinate(double latitude, double longitude) const
{
    Location copy = *this;
    copy.latitude_ = latitude;
    copy.longitude_ = longitude;
    return copy;
}

Location Location::withAltitude(std::optional<double> altitude) const
{
    Location copy = *this;
    copy.altitude_ = altitude;
    return copy;
}

Location Location::withDate(std::optional<QDateTime> date) const
{
    Location copy = *this;
    copy.date_ = std::move(date);
    return copy;
}

Location Location::withDirection(std::optional<double> direction) const
{
    Location copy = *this;
    copy.direction_ = direction;
    return copy;
}

Location Location::withTextLocation(TextLocation address) const
{
    Location copy = *this;
    copy.address_ = std::move(address);
    return copy;
}

} // namespace halvex
