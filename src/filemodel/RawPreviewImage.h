#pragma once

#include "engine/kelvane/RawPreview.h"

#include <QImage>
#include <QString>

namespace corvelle {

// Raw-file previews as upright pictures: the engine's preview values decoded and turned.
class RawPreviewImage {
public:
    // The preview turned upright by its orientation, made to fit maximumPixelSize (never
    // enlarged). Null when its data does not decode.
    static QImage image(const kelvane::RawPreview& preview, int maximumPixelSize);

    // The whole file read into memory and handed to the raw decoder's thumbnail-size
    // (preview4) or large (preview2) preview. Null when the file cannot be read or is no raw
    // file LibRaw knows.
    static QImage preview4(const QString& path, int maximumPixelSize);
    static QImage preview2(const QString& path, int maximumPixelSize);

    // Larger files are not read: no raw file comes near it, and a mistaken read of a huge file
    // would take the memory of the whole machine.
    static constexpr qint64 maximumFileSize = qint64(1) << 30;
};

} // namespace corvelle
