#pragma once

#include "engine/ostrak/TagName.h"

#include <QList>

namespace halvex {

// The tags that hold a file's location, by family; all() is their union. Callers pass the lists
// around and never look inside them.
class LocationTagNames {
public:
    static const QList<ostrak::TagName>& all();
    // EXIF GPS position, altitude and direction.
    static const QList<ostrak::TagName>& exif();
    static const QList<ostrak::TagName>& exifGPSDateStamp();
    // The IPTC address.
    static const QList<ostrak::TagName>& iptc();
    // XMP GPS position, altitude and direction, and the XMP address.
    static const QList<ostrak::TagName>& xmp();
    static const QList<ostrak::TagName>& quicktime();
};

} // namespace halvex
