#pragma once

#include <QImage>
#include <QTransform>

#include <optional>

namespace brisa {

// Turning pictures by EXIF orientation values (1..8): the value says how the stored pixels must
// be mirrored and turned to show the picture upright.
class ImageOrientation {
public:
    // The stored picture as it is to be shown. None for a null image or a value outside 1..8.
    static std::optional<QImage> oriented(const QImage& image, int exifOrientation);
    // The upright picture back as it was stored: undoes oriented() with the same value.
    static std::optional<QImage> unoriented(const QImage& image, int exifOrientation);

    // The stored-to-shown mapping (without translation); none outside 1..8.
    static std::optional<QTransform> transform(int exifOrientation);
};

} // namespace brisa
