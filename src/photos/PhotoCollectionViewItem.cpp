#include "photos/PhotoCollectionViewItem.h"

#include "photos/PhotoAssetListModel.h"
#include "photos/PhotoImageManager.h"
#include "platform/brisa/ui/SymbolIcons.h"

#include <QPainter>

namespace corvelle {

namespace {

// The symbol drawn in white, once per name and size.
QPixmap whiteSymbol(const QString& name, int side, qreal ratio)
{
    static QHash<QString, QPixmap> made;
    const QString key = name + QLatin1Char('/') + QString::number(side) + QLatin1Char('@') + QString::number(ratio);
    if (const auto found = made.constFind(key); found != made.constEnd())
        return *found;
    QPixmap pixmap = brisa::SymbolIcons::icon(name).pixmap(QSize(side, side), ratio);
    if (!pixmap.isNull()) {
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), Qt::white);
    }
    made.insert(key, pixmap);
    return pixmap;
}

} // namespace

PhotoCollectionViewItem::PhotoCollectionViewItem(PhotoImageManager& images, QObject* parent)
    : ImageCollectionViewItem(parent)
    , images_(images)
{
}

int PhotoCollectionViewItem::wantedSide() const
{
    return std::max(itemSize_.width(), itemSize_.height()) + PhotoImageManager::highQualityMargin;
}

QPixmap PhotoCollectionViewItem::image(const QModelIndex& index) const
{
    const QString path = index.data(PhotoAssetListModel::PathRole).toString();
    if (path.isEmpty())
        return {};
    return QPixmap::fromImage(images_.picture(path, wantedSide()).image);
}

QSize PhotoCollectionViewItem::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return itemSize_;
}

QRect PhotoCollectionViewItem::favoriteBadgeRect(const QSizeF& pictureSize, const QRect& itemRect) const
{
    const QRect inner = imageRect(pictureSize, itemRect).adjusted(badgeInset, badgeInset, -badgeInset, -badgeInset);
    return {inner.left(), inner.bottom() - badgeSide + 1, badgeSide, badgeSide};
}

QRect PhotoCollectionViewItem::locationBadgeRect(const QSizeF& pictureSize, const QRect& itemRect) const
{
    const QRect inner = imageRect(pictureSize, itemRect).adjusted(badgeInset, badgeInset, -badgeInset, -badgeInset);
    return {inner.right() - badgeSide + 1, inner.bottom() - badgeSide + 1, badgeSide, badgeSide};
}

void PhotoCollectionViewItem::paintExtras(QPainter* painter, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    const std::optional<QSizeF> size = imageSize(index);
    if (!size)
        return;
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    if (index.data(PhotoAssetListModel::FavoriteRole).toBool())
        painter->drawPixmap(favoriteBadgeRect(*size, option.rect), whiteSymbol(QStringLiteral("heart.fill"), badgeSide, ratio));
    if (index.data(PhotoAssetListModel::LocationRole).toBool())
        painter->drawPixmap(locationBadgeRect(*size, option.rect),
                            whiteSymbol(QStringLiteral("mappin.and.ellipse"), badgeSide, ratio));
}

} // namespace corvelle
