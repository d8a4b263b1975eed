#pragma once

#include "engine/ostrak/TagItem.h"

#include <QList>
#include <QString>

namespace ostrak {

// What the tag database is made of, as built from ExifTool or read back from the cache.
struct TagDatabaseContents {
    QString exifToolVersion;
    int tableCount = 0;
    QList<TagItem> items; // one per family-1 group and tag name, in ExifTool's order
};

} // namespace ostrak
