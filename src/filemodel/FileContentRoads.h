#pragma once

#include "engine/halvex/tags/MediaKind.h"
#include "filemodel/MetadataFile.h"

#include <QImage>
#include <QStringList>

#include <optional>

namespace corvelle {

// The roads that the thumbnail and the preview of a file take, each at its own sizes. Pictures
// come in the pixel orientation the file stores: roads that give an upright picture (movie
// stills, raw previews) have the file's stored orientation undone on it, so that the caller
// turns every picture by the editor's current orientation alike. Every road blocks its thread.
class FileContentRoads {
public:
    struct Sizes {
        // The system picture (movie stills, embedded previews, raw previews): points x scale.
        int picturePixels;
        // The image readers' thumbnailer.
        int thumbailerPixels;
        int iconPixels;
        // Previews: the largest embedded picture first, and the raw decoder's large preview
        // rather than its thumbnail-size one.
        bool large;
    };

    // The kind of the file's type; none when the engine knows no type for its URL.
    static std::optional<halvex::MediaKind> mediaKind(const MetadataFile& file);
    // QuickTime's orientation when the editor keeps it there, else EXIF's.
    static int storedOrientation(const halvex::TagEditor& editor);

    // A still of a movie; null when none can be made.
    static QImage movieStill(const MetadataFile& file, const Sizes& sizes);
    // Pictures and sidecars: the image readers, then the previews embedded in the file, then the
    // raw decoder's preview. Null when none gives a picture.
    static QImage stillPicture(const MetadataFile& file, const Sizes& sizes);
    // The file's icon: an audio file's cover art, else the icon of its type. Null when the theme
    // has no icon at all.
    static QImage icon(const MetadataFile& file, const Sizes& sizes);
    // The picture turned by an EXIF orientation value; unchanged when the value is not one.
    static QImage oriented(const QImage& picture, int orientation);

    // The icon of the type judged by the name alone, without touching the file: the answer for a
    // file whose roads do not return in time.
    static QImage iconByName(const MetadataFile& file, const Sizes& sizes);
};

} // namespace corvelle
