#pragma once

#include <QString>

namespace photolibrary {

// An album of the photo library: every item, the favourites, or one of the library folder's
// sub-folders (its items are the files anywhere below it).
struct PhotoAlbum {
    enum class Kind { allItems, favorites, folder };

    Kind kind = Kind::allItems;
    // The folder's name; empty for the two albums of the whole library.
    QString title;
    // The folder the album's items are searched in.
    QString path;

    // A folder album holds files of its folder; the two whole-library albums are of the root.
    bool isUserAlbum() const { return kind == Kind::folder; }

    friend bool operator==(const PhotoAlbum&, const PhotoAlbum&) = default;
};

} // namespace photolibrary
