#pragma once

#include <QSize>
#include <QStyledItemDelegate>

#include <optional>

class QAbstractItemView;

namespace corvelle {

// The base of the items of every thumbnail grid: one picture drawn inside a margin of its item,
// under a selection border that sits in that margin. The border is drawn in the highlight colour
// while the grid has the keyboard focus and muted without it. The item knows where its picture
// lies, so that the grid (ImageCollectionView) makes clicks, double clicks and the rubber band act
// on the picture alone: the margin around it is background.
//
// Subclasses give the picture and its size; an item without a picture is inert.
class ImageCollectionViewItem : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int contentInset = 4;
    static constexpr int borderOutset = 4;
    static constexpr int borderWidth = 3;

    explicit ImageCollectionViewItem(QObject* parent = nullptr);

    // The picture of the item; null when there is none (yet).
    virtual QPixmap image(const QModelIndex& index) const = 0;
    // The picture's size in its own units; none without a picture.
    std::optional<QSizeF> imageSize(const QModelIndex& index) const;
    // False: the picture fits inside the content rectangle; true: it covers it, cropped.
    virtual bool fillsContent() const { return false; }

    // The part of the item's rectangle the picture is laid out in (the whole item by default).
    virtual QRect pictureArea(const QRect& itemRect) const { return itemRect; }
    // The picture area less the margin.
    QRect contentRect(const QRect& itemRect) const;
    // Where a picture of that size lies: fitted (or filled) and centred in the content rectangle,
    // never reaching into the margin.
    QRect imageRect(const QSizeF& size, const QRect& itemRect) const;
    QRect borderRect(const QSizeF& size, const QRect& itemRect) const;
    // Where the index's picture lies in its item; none without a picture.
    std::optional<QRect> imageRect(const QModelIndex& index, const QRect& itemRect) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // Draws what the subclass adds (a name, a badge) once the picture and border are drawn.
    virtual void paintExtras(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // The border's colour: the highlight while the grid has focus, a muted colour without.
    static QColor borderColor(const QStyleOptionViewItem& option);
};

} // namespace corvelle
