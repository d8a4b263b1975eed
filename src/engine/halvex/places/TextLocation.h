#pragma once

#include <QString>

#include <optional>

namespace halvex {

// The address parts of a place, as the IPTC and XMP location tags hold them. Each part may be
// absent; a blank part counts as absent in the formatted addresses.
class TextLocation {
public:
    TextLocation() = default;
    TextLocation(std::optional<QString> placeName, std::optional<QString> streetName,
                 std::optional<QString> streetNumber, std::optional<QString> city,
                 std::optional<QString> state, std::optional<QString> zipCode,
                 std::optional<QString> countryName, std::optional<QString> countryCode);

    const std::optional<QString>& placeName() const { return placeName_; }
    const std::optional<QString>& streetName() const { return streetName_; }
    const std::optional<QString>& streetNumber() const { return streetNumber_; }
    const std::optional<QString>& city() const { return city_; }
    const std::optional<QString>& state() const { return state_; }
    const std::optional<QString>& zipCode() const { return zipCode_; }
    const std::optional<QString>& countryName() const { return countryName_; }
    const std::optional<QString>& countryCode() const { return countryCode_; }

    // The whole address on one line: place, "number street", "zip city", state, country
    // (the country code when there is no country name), joined by ", ". A part equal to an
    // earlier one is left out. Empty when every part is blank.
    QString formattedAddress() const;
    // Place (or "number street" without a place), city (or state without a city), country.
    QString shortFormattedAddress() const;

    friend bool operator==(const TextLocation&, const TextLocation&) = default;

private:
    std::optional<QString> placeName_;
    std::optional<QString> streetName_;
    std::optional<QString> streetNumber_;
    std::optional<QString> city_;
    std::optional<QString> state_;
    std::optional<QString> zipCode_;
    std::optional<QString> countryName_;
    std::optional<QString> countryCode_;
};

} // namespace halvex
