#pragma once

#include "filebrowser/ImageCollectionViewItem.h"

#include <QCache>

namespace corvelle {

// An item of the file grid: the file's thumbnail (as the model makes it, turned by the file's
// orientation), a white pin badge in the picture's corner when the file has a GPS position, and
// the file's name below, cut in its middle when it does not fit, in the highlight colour while
// the file has edits. Until the thumbnail arrives the item shows a small waiting mark; a file of
// which no thumbnail could be made shows none and is inert.
class FileCollectionViewItem : public ImageCollectionViewItem {
    Q_OBJECT

public:
    // Height of the name under the picture.
    static constexpr int nameHeight = 14;

    explicit FileCollectionViewItem(QObject* parent = nullptr);

    QPixmap image(const QModelIndex& index) const override;
    QRect pictureArea(const QRect& itemRect) const override;
    QRect nameRect(const QRect& itemRect) const;
    // The name as shown in an item of that rectangle: one line, cut in its middle.
    QString displayedName(const QModelIndex& index, const QRect& itemRect, const QFont& font) const;
    // The file has a GPS position (read once per revision of the row).
    bool hasCoordinate(const QModelIndex& index) const;
    bool isEdited(const QModelIndex& index) const;

    void setItemSize(const QSize& size) { itemSize_ = size; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void paintExtras(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QFont nameFont(const QFont& base) const;

    struct Coordinate {
        int revision = 0;
        bool present = false;
    };
    mutable QCache<const void*, Coordinate> coordinates_;
    QSize itemSize_{120, 104};
};

} // namespace corvelle
