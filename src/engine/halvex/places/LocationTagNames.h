#pragma once

#include "engine/ostrak/TagName.h"

#include <QList>

namespace halvex {

// The location tags, family by family, as the location actions copy, paste, restore and clear
// them. Each list is fixed and in a fixed order.
class LocationTagNames {
public:
    // Every list below, in the order EXIF GPS, GPS stamp, IPTC, XMP, QuickTime.
    static const QList<ostrak::TagName>& locationTagNames();
    // GPS position, altitude and viewing direction, each with its reference tag.
    static const QList<ostrak::TagName>& exifLocationTagNames();
    // The UTC date and time of the GPS fix.
    static const QList<ostrak::TagName>& exifGPSDateStampTagNames();
    // The address: sub-location, city, province or state, country name and code.
    static const QList<ostrak::TagName>& iptcLocationTagNames();
    // The XMP GPS tags (position, altitude, direction, date) and the XMP address.
    static const QList<ostrak::TagName>& xmpLocationTagNames();
    // GPSCoordinates in each QuickTime block.
    static const QList<ostrak::TagName>& quicktimeLocationTagNames();

    // The XMP GPS tags alone: the start of xmpLocationTagNames().
    static const QList<ostrak::TagName>& xmpGPSTagNames();

    // The tags that hold a GPS fix of any family (no address): what the file filter asks about.
    static const QList<ostrak::TagName>& gpsTagNames();
};

} // namespace halvex
