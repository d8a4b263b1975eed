#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace ostrak {
class ExifToolPool;
}

namespace corvelle {

// Pictures stored inside files (camera previews, EXIF thumbnails, cover art), fetched through
// the ExifTool pool and decoded. Safe to use from any thread.
class EmbeddedPictureReader {
public:
    explicit EmbeddedPictureReader(ostrak::ExifToolPool& pool);
    // Through the application's shared pool.
    EmbeddedPictureReader();

    // The first of `tagNames` that the file holds and that decodes as a picture, made to fit
    // maximumPixelSize (never enlarged). The pixels come as stored: previews and EXIF
    // thumbnails are not turned by the file's orientation. Null when there is none, and for
    // anything but a regular file.
    QImage picture(const QString& path, const QStringList& tagNames, int maximumPixelSize) const;

    // Tags to ask, in order, for a thumbnail: the medium preview first, then the small EXIF
    // thumbnail, then the full-size JPEG of a raw file.
    static const QStringList& thumbnailTagNames();
    // For a large preview: the largest picture first.
    static const QStringList& previewTagNames();
    // Album art of audio files (MP4 and ID3/FLAC tags).
    static const QStringList& coverArtTagNames();

private:
    ostrak::ExifToolPool& pool_;
};

} // namespace corvelle
