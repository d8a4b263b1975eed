#pragma once

#include <QListView>

namespace corvelle {

class ImageCollectionViewItem;

// The base of every thumbnail grid: a list view in icon mode whose items are drawn by an
// ImageCollectionViewItem. Hits are on pictures only: a point in the margin around a picture, or
// on an item without one, hits nothing, so a click there selects nothing and a double click there
// does nothing. A rubber band keeps only the items whose picture it touches.
//
// Shift-click widens the selection from the selected item nearest the click to the clicked one;
// a plain click selects the clicked item alone.
class ImageCollectionView : public QListView {
    Q_OBJECT

public:
    // Moves shorter than this between press and release are clicks, not rubber bands.
    static constexpr double dragSelectionThreshold = 0.5;

    explicit ImageCollectionView(QWidget* parent = nullptr);

    ImageCollectionViewItem* imageItem() const;
    // The width the items are laid out in: the viewport's, less room for the vertical scroll bar
    // even while it is hidden, which a wrapping list view always keeps.
    int layoutWidth() const;
    // The item whose frame lies wholly in sight, or more than 40% of it, highest and leftmost;
    // invalid when none does.
    QModelIndex topLeftVisibleIndex() const;
    QModelIndex indexAt(const QPoint& point) const override;
    // The rows a Shift-click on `row` selects, given the rows selected now.
    static QList<int> shiftSelection(const QList<int>& selected, int row);

Q_SIGNALS:
    // A double click on the picture of an item.
    void imageDoubleClicked(const QModelIndex& index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // After a rubber band: only the visible items whose picture meets the band stay selected.
    void filterSelectionByDragRect();

    QPoint dragSelectionStartPoint_;
    QPoint dragSelectionEndPoint_;
};

} // namespace corvelle
