#pragma once

#include <QDateTime>
#include <QString>

namespace photolibrary {

// One item of the photo library: a media file under the library folder, with what the grid shows
// of it. Two assets are the same item when their paths are equal; equal assets also agree on
// everything else, so a changed file compares unequal to its former self.
struct PhotoAsset {
    QString path;
    // When the item was made: the date its tags give, else the file's modification time.
    QDateTime creationDate;
    // Rated five stars.
    bool isFavorite = false;
    bool hasLocation = false;
    // The file's modification time and size when its tags were read.
    qint64 modified = 0;
    qint64 size = 0;

    friend bool operator==(const PhotoAsset&, const PhotoAsset&) = default;
};

} // namespace photolibrary
