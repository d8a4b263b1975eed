#pragma once

#include "engine/halvex/places/Coordinate.h"
#include "engine/halvex/places/Location.h"
#include "engine/halvex/places/TextLocation.h"

#include <memory>
#include <optional>

namespace halvex {

// Turns positions into addresses and addresses into positions, for the autocomplete
// operations. ExifTool knows no places, so the engine has none of its own: the application
// installs one (an online service, a local gazetteer) with setShared(); without one,
// autocompletion changes nothing.
//
// Called from task threads, several at a time: implementations must be thread-safe. Each call
// blocks until it has an answer.
class Geocoder {
public:
    virtual ~Geocoder();

    // The place at the position, with its address; none when nothing is known there or the
    // service cannot be reached.
    virtual std::optional<Location> reverseGeocode(const Coordinate& coordinate) = 0;
    // The position of the address (with the address as the service completes it); none when
    // the address names no known place.
    virtual std::optional<Location> geocode(const TextLocation& address) = 0;

    // The geocoder the engine uses; null while none is installed.
    static std::shared_ptr<Geocoder> shared();
    // Installs it (null removes it). Any thread.
    static void setShared(std::shared_ptr<Geocoder> geocoder);
};

} // namespace halvex
