#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QImageReader;

namespace brisa {

// Small pictures of image files through Qt's image readers, decoded straight at the asked size
// where the format allows (JPEG decodes at 1/2, 1/4 or 1/8 of its size).
// Every call stands alone: one thumbailer may serve several threads at once.
class ImageThumbailer {
public:
    // maximumPixelSize bounds both sides; pictures are made smaller, never larger.
    // appliesOrientation: turn the picture upright by its stored EXIF orientation; without it
    // the pixels come as stored. smoothScaling: filtered scaling rather than the faster
    // nearest-pixel one.
    ImageThumbailer(int maximumPixelSize, bool appliesOrientation, bool smoothScaling);

    int maximumPixelSize() const { return maximumPixelSize_; }
    bool appliesOrientation() const { return appliesOrientation_; }
    bool smoothScaling() const { return smoothScaling_; }

    // Null when the file is not a regular file or no image reader can read it.
    QImage thumbnail(const QString& path) const;
    // The same for an image file already in memory (an embedded preview, cover art).
    QImage thumbnail(const QByteArray& data) const;

private:
    QImage read(QImageReader& reader) const;

    int maximumPixelSize_;
    bool appliesOrientation_;
    bool smoothScaling_;
};

} // namespace brisa
