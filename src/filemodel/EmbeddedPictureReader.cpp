#include "filemodel/EmbeddedPictureReader.h"

#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"
#include "platform/brisa/ui/ImageThumbailer.h"

#include <QFileInfo>

namespace corvelle {

EmbeddedPictureReader::EmbeddedPictureReader(ostrak::ExifToolPool& pool) : pool_(pool) {}

EmbeddedPictureReader::EmbeddedPictureReader() : EmbeddedPictureReader(ostrak::ExifToolPool::shared()) {}

QImage EmbeddedPictureReader::picture(const QString& path, const QStringList& tagNames, int maximumPixelSize) const
{
    // ExifTool would block on a pipe and hold one of the pool's processes for good.
    if (!QFileInfo(path).isFile())
        return {};
    const ostrak::ETTagStorageReader reader(pool_);
    const brisa::ImageThumbailer decoder(maximumPixelSize, false, true);
    for (const QString& tagName : tagNames) {
        ostrak::ExifToolMessage error;
        const QByteArray bytes = reader.readBinary(path, tagName, &error);
        if (!error.isEmpty())
            return {};
        if (bytes.isEmpty())
            continue;
        const QImage image = decoder.thumbnail(bytes);
        if (!image.isNull())
            return image;
    }
    return {};
}

const QStringList& EmbeddedPictureReader::thumbnailTagNames()
{
    static const QStringList names = {QStringLiteral("PreviewImage"), QStringLiteral("ThumbnailImage"),
                                      QStringLiteral("JpgFromRaw")};
    return names;
}

const QStringList& EmbeddedPictureReader::previewTagNames()
{
    static const QStringList names = {QStringLiteral("JpgFromRaw"), QStringLiteral("PreviewImage"),
                                      QStringLiteral("ThumbnailImage")};
    return names;
}

const QStringList& EmbeddedPictureReader::coverArtTagNames()
{
    static const QStringList names = {QStringLiteral("CoverArt"), QStringLiteral("Picture")};
    return names;
}

} // namespace corvelle
