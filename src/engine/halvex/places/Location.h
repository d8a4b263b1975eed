#pragma once

#include "engine/halvex/places/Coordinate.h"
#include "engine/halvex/places/TextLocation.h"

#include <QDateTime>

#include <optional>

namespace halvex {

// A place as the location tags describe it: position, optional altitude (metres), date and
// viewing direction (degrees clockwise from north), and the address parts. Values never
// change; the with… operations give a changed copy.
class Location {
public:
    Location(double latitude, double longitude, std::optional<double> altitude = std::nullopt,
             std::optional<QDateTime> date = std::nullopt,
             std::optional<double> direction = std::nullopt, TextLocation address = {});

    double latitude() const { return latitude_; }
    double longitude() const { return longitude_; }
    const std::optional<double>& altitude() const { return altitude_; }
    const std::optional<QDateTime>& date() const { return date_; }
    const std::optional<double>& direction() const { return direction_; }

    const std::optional<QString>& placeName() const { return address_.placeName(); }
    const std::optional<QString>& streetName() const { return address_.streetName(); }
    const std::optional<QString>& streetNumber() const { return address_.streetNumber(); }
    const std::optional<QString>& city() const { return address_.city(); }
    const std::optional<QString>& state() const { return address_.state(); }
    const std::optional<QString>& zipCode() const { return address_.zipCode(); }
    const std::optional<QString>& countryName() const { return address_.countryName(); }
    const std::optional<QString>& countryCode() const { return address_.countryCode(); }
    // The eight address parts.
    const TextLocation& textLocation() const { return address_; }

    Coordinate coordinate() const { return {latitude_, longitude_}; }

    Location withCoordinate(double latitude, double longitude) const;
    Location withAltitude(std::optional<double> altitude) const;
    Location withDate(std::optional<QDateTime> date) const;
    Location withDirection(std::optional<double> direction) const;
    Location withTextLocation(TextLocation address) const;

    // Every part equal; dates compare as instants.
    friend bool operator==(const Location&, const Location&) = default;

private:
    double latitude_;
    double longitude_;
    std::optional<double> altitude_;
    std::optional<QDateTime> date_;
    std::optional<double> direction_;
    TextLocation address_;
};

} // namespace halvex
