#include "filemodel/RawPreviewImage.h"

#include "engine/kelvane/LibRawUtility.h"
#include "platform/brisa/ui/ImageOrientation.h"
#include "platform/brisa/ui/ImageThumbailer.h"

#include <QFile>
#include <QFileInfo>

namespace corvelle {

namespace {

using Selector = std::optional<kelvane::RawPreview> (*)(const QByteArray&);

QImage previewOfFile(const QString& path, int maximumPixelSize, Selector selector)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > RawPreviewImage::maximumFileSize)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (data.size() != info.size())
        return {};
    const std::optional<kelvane::RawPreview> preview = selector(data);
    return preview ? RawPreviewImage::image(*preview, maximumPixelSize) : QImage();
}

} // namespace

QImage RawPreviewImage::image(const kelvane::RawPreview& preview, int maximumPixelSize)
{
    if (!preview.isValid())
        return {};
    // The camera's own orientation mark inside an embedded JPEG is ignored: `orientation` says it.
    const brisa::ImageThumbailer decoder(maximumPixelSize, false, true);
    QImage image;
    if (preview.format == kelvane::RawPreview::Format::encoded) {
        image = decoder.thumbnail(preview.data);
    } else {
        image = QImage(reinterpret_cast<const uchar*>(preview.data.constData()), preview.width, preview.height,
                       preview.stride, QImage::Format_RGB888);
        if (image.width() > maximumPixelSize || image.height() > maximumPixelSize)
            image = image.scaled(maximumPixelSize, maximumPixelSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        else
            image = image.copy();
    }
    return brisa::ImageOrientation::oriented(image, preview.orientation).value_or(QImage());
}

QImage RawPreviewImage::preview4(const QString& path, int maximumPixelSize)
{
    return previewOfFile(path, maximumPixelSize, &kelvane::LibRawUtility::preview4FromData);
}

QImage RawPreviewImage::preview2(const QString& path, int maximumPixelSize)
{
    return previewOfFile(path, maximumPixelSize, &kelvane::LibRawUtility::preview2FromData);
}

} // namespace corvelle
