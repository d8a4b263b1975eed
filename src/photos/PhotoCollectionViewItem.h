#pragma once

#include "filebrowser/ImageCollectionViewItem.h"

namespace corvelle {

class PhotoImageManager;

// An item of the photo sheet's grid: the movie's still filling a square, a white heart in its
// lower left corner when the movie is a favourite and a white pin in its lower right corner when
// it has a location. The still comes in two steps from the photo image manager: a small one at
// once, then one the item's size; an item grown past its picture asks for a larger one.
class PhotoCollectionViewItem : public ImageCollectionViewItem {
    Q_OBJECT

public:
    static constexpr int badgeSide = 18;
    static constexpr int badgeInset = 4;

    explicit PhotoCollectionViewItem(PhotoImageManager& images, QObject* parent = nullptr);

    static QString identifier() { return QStringLiteral("PhotoCollectionViewItem"); }

    QPixmap image(const QModelIndex& index) const override;
    bool fillsContent() const override { return true; }

    void setItemSize(const QSize& size) { itemSize_ = size; }
    QSize itemSize() const { return itemSize_; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where the badges lie in an item of that rectangle showing a picture of that size.
    QRect favoriteBadgeRect(const QSizeF& pictureSize, const QRect& itemRect) const;
    QRect locationBadgeRect(const QSizeF& pictureSize, const QRect& itemRect) const;

protected:
    void paintExtras(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // The side a picture is asked at for items of the current size.
    int wantedSide() const;

    PhotoImageManager& images_;
    QSize itemSize_{118, 118};
};

} // namespace corvelle
