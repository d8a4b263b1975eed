#include "platform/brisa/ui/ImageThumbailer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace brisa {

ImageThumbailer::ImageThumbailer(int maximumPixelSize, bool appliesOrientation, bool smoothScaling)
    : maximumPixelSize_(qMax(1, maximumPixelSize)), appliesOrientation_(appliesOrientation), smoothScaling_(smoothScaling)
{
}

QImage ImageThumbailer::thumbnail(const QString& path) const
{
    // A pipe or a device would block the reader, or never end.
    if (!QFileInfo(path).isFile())
        return {};
    // By name first: a few formats (TGA, for one) cannot be told by their content.
    QImageReader reader(path);
    return read(reader);
}

QImage ImageThumbailer::thumbnail(const QByteArray& data) const
{
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    return read(reader);
}

QImage ImageThumbailer::read(QImageReader& reader) const
{
    reader.setAutoTransform(appliesOrientation_);
    reader.setQuality(smoothScaling_ ? 100 : 0);
    const Qt::TransformationMode mode = smoothScaling_ ? Qt::SmoothTransformation : Qt::FastTransformation;
    const QSize bound(maximumPixelSize_, maximumPixelSize_);
    // Both sides are bounded alike, so scaling before or after the turn gives the same size.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maximumPixelSize_ || size.height() > maximumPixelSize_))
        reader.setScaledSize(size.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.width() > maximumPixelSize_ || image.height() > maximumPixelSize_)
        image = image.scaled(bound, Qt::KeepAspectRatio, mode);
    return image;
}

} // namespace brisa
