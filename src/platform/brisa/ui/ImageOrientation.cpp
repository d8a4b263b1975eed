#include "platform/brisa/ui/ImageOrientation.h"

namespace brisa {

namespace {

std::optional<QImage> transformed(const QImage& image, const std::optional<QTransform>& transform)
{
    if (image.isNull() || !transform)
        return std::nullopt;
    if (transform->isIdentity())
        return image;
    // A mirrored turn goes as a mirror, then a plain turn: Qt copies pixels for those and keeps
    // the image's format, where the general path would paint it anew.
    const QImage source = transform->determinant() < 0 ? image.mirrored(true, false) : image;
    const QTransform turn = transform->determinant() < 0 ? QTransform::fromScale(-1, 1) * *transform : *transform;
    QImage result = turn.isIdentity() ? source : source.transformed(turn, Qt::FastTransformation);
    if (result.isNull())
        return std::nullopt;
    return result;
}

} // namespace

std::optional<QTransform> ImageOrientation::transform(int exifOrientation)
{
    const QTransform mirror = QTransform::fromScale(-1, 1);
    switch (exifOrientation) {
    case 1:
        return QTransform();
    case 2:
        return mirror;
    case 3:
        return QTransform().rotate(180);
    case 4:
        return QTransform::fromScale(1, -1);
    case 5:
        return mirror * QTransform().rotate(270);
    case 6:
        return QTransform().rotate(90);
    case 7:
        return mirror * QTransform().rotate(90);
    case 8:
        return QTransform().rotate(270);
    default:
        return std::nullopt;
    }
}

std::optional<QImage> ImageOrientation::oriented(const QImage& image, int exifOrientation)
{
    return transformed(image, transform(exifOrientation));
}

std::optional<QImage> ImageOrientation::unoriented(const QImage& image, int exifOrientation)
{
    const std::optional<QTransform> forward = transform(exifOrientation);
    return transformed(image, forward ? std::optional<QTransform>(forward->inverted()) : std::nullopt);
}

} // namespace brisa
