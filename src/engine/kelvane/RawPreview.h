#pragma once

#include <QByteArray>

namespace kelvane {

// A preview picture out of a raw file, kept free of any GUI type so that the engine stays
// QtCore-only; the interface turns it into an image.
struct RawPreview {
    enum class Format {
        // `data` holds a whole image file (JPEG, TIFF) as the camera stored it.
        encoded,
        // `data` holds `height` rows of `width` packed 8-bit RGB pixels, `stride` bytes apart.
        rgb8,
    };

    Format format = Format::encoded;
    QByteArray data;
    // Known for rgb8; for encoded data the size the raw file states, 0 when it states none.
    int width = 0;
    int height = 0;
    int stride = 0;
    // The EXIF orientation (1..8) that turns the picture upright: the camera stores embedded
    // previews as the sensor saw them; a demosaiced picture comes out upright (1).
    int orientation = 1;

    // A complete, consistent picture: data present, and for rgb8 enough of it for every row.
    bool isValid() const;
};

} // namespace kelvane
