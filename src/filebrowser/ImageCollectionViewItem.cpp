#include "filebrowser/ImageCollectionViewItem.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>

namespace corvelle {

ImageCollectionViewItem::ImageCollectionViewItem(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

std::optional<QSizeF> ImageCollectionViewItem::imageSize(const QModelIndex& index) const
{
    const QPixmap picture = image(index);
    if (picture.isNull())
        return std::nullopt;
    return picture.deviceIndependentSize();
}

QRect ImageCollectionViewItem::contentRect(const QRect& itemRect) const
{
    return pictureArea(itemRect).adjusted(contentInset, contentInset, -contentInset, -contentInset);
}

QRect ImageCollectionViewItem::imageRect(const QSizeF& size, const QRect& itemRect) const
{
    const QRect content = contentRect(itemRect);
    if (content.isEmpty() || size.isEmpty())
        return {};
    const QSizeF shown = size.scaled(QSizeF(content.size()), fillsContent() ? Qt::KeepAspectRatioByExpanding
                                                                           : Qt::KeepAspectRatio);
    QRectF placed(QPointF(), shown);
    placed.moveCenter(QRectF(content).center());
    return placed.toAlignedRect().intersected(content);
}

QRect ImageCollectionViewItem::borderRect(const QSizeF& size, const QRect& itemRect) const
{
    return imageRect(size, itemRect).adjusted(-borderOutset, -borderOutset, borderOutset, borderOutset);
}

std::optional<QRect> ImageCollectionViewItem::imageRect(const QModelIndex& index, const QRect& itemRect) const
{
    const std::optional<QSizeF> size = imageSize(index);
    if (!size)
        return std::nullopt;
    return imageRect(*size, itemRect);
}

QColor ImageCollectionViewItem::borderColor(const QStyleOptionViewItem& option)
{
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    const bool focused = !view || view->hasFocus();
    return focused ? option.palette.color(QPalette::Active, QPalette::Highlight)
                   : option.palette.color(QPalette::Inactive, QPalette::PlaceholderText);
}

void ImageCollectionViewItem::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->setClipRect(option.rect);
    const QPixmap picture = image(index);
    if (!picture.isNull()) {
        const QSizeF size = picture.deviceIndependentSize();
        const QRect target = imageRect(size, option.rect);
        if (fillsContent()) {
            // The picture covers the content and is cropped to it.
            const QSizeF covering = size.scaled(QSizeF(contentRect(option.rect).size()), Qt::KeepAspectRatioByExpanding);
            QRectF whole(QPointF(), covering);
            whole.moveCenter(QRectF(target).center());
            painter->setClipRect(target, Qt::IntersectClip);
            painter->drawPixmap(whole, picture, QRectF(picture.rect()));
        } else {
            painter->drawPixmap(target, picture);
        }
        if (option.state & QStyle::State_Selected) {
            painter->setClipRect(option.rect);
            painter->setRenderHint(QPainter::Antialiasing);
            QPen pen(borderColor(option), borderWidth);
            pen.setJoinStyle(Qt::RoundJoin);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            const QRectF border = QRectF(borderRect(size, option.rect))
                                      .adjusted(borderWidth / 2.0, borderWidth / 2.0, -borderWidth / 2.0, -borderWidth / 2.0);
            painter->drawRoundedRect(border, 4, 4);
        }
    }
    painter->restore();
    painter->save();
    paintExtras(painter, option, index);
    painter->restore();
}

void ImageCollectionViewItem::paintExtras(QPainter*, const QStyleOptionViewItem&, const QModelIndex&) const
{
}

} // namespace corvelle
