#include "filebrowser/ImageCollectionView.h"

#include "filebrowser/ImageCollectionViewItem.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace corvelle {

ImageCollectionView::ImageCollectionView(QWidget* parent)
    : QListView(parent)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionRectVisible(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ImageCollectionView::layoutWidth() const
{
    const QScrollBar* bar = verticalScrollBar();
    const int reserved = bar->isVisible() || verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                             ? 0
                             : style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar);
    return std::max(0, viewport()->width() - reserved);
}

QModelIndex ImageCollectionView::topLeftVisibleIndex() const
{
    const QAbstractItemModel* itemModel = model();
    if (!itemModel)
        return {};
    const QRect visible = viewport()->rect();
    QModelIndex choice;
    QRect chosen;
    // Rows are laid out in order: the first candidates are the top-left ones.
    const QModelIndex first = QListView::indexAt(QPoint(1, 1));
    for (int row = std::max(0, first.isValid() ? first.row() - 1 : 0); row < itemModel->rowCount(rootIndex()); ++row) {
        const QModelIndex index = itemModel->index(row, modelColumn(), rootIndex());
        const QRect frame = visualRect(index);
        if (frame.top() > visible.bottom())
            break;
        const QRect seen = frame.intersected(visible);
        const bool inSight = visible.contains(frame)
                             || (!seen.isEmpty() && double(seen.width()) * seen.height() > 0.4 * frame.width() * frame.height());
        if (!inSight)
            continue;
        if (!choice.isValid() || (frame.x() <= chosen.x() && frame.y() <= chosen.y())) {
            choice = index;
            chosen = frame;
        }
    }
    return choice;
}

ImageCollectionViewItem* ImageCollectionView::imageItem() const
{
    return qobject_cast<ImageCollectionViewItem*>(itemDelegate());
}

QModelIndex ImageCollectionView::indexAt(const QPoint& point) const
{
    const QModelIndex index = QListView::indexAt(point);
    const ImageCollectionViewItem* item = imageItem();
    if (!index.isValid() || !item)
        return {};
    const std::optional<QRect> picture = item->imageRect(index, visualRect(index));
    return picture && picture->contains(point) ? index : QModelIndex();
}

QList<int> ImageCollectionView::shiftSelection(const QList<int>& selected, int row)
{
    QList<int> rows = selected;
    rows << row;
    if (!selected.isEmpty()) {
        const int first = *std::min_element(selected.begin(), selected.end());
        const int last = *std::max_element(selected.begin(), selected.end());
        const int from = row < first ? row : std::min(row, last);
        const int to = row < first ? first : std::max(row, last);
        for (int r = from; r <= to; ++r)
            rows << r;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ImageCollectionView::mousePressEvent(QMouseEvent* event)
{
    dragSelectionStartPoint_ = event->position().toPoint();
    const QModelIndex index = indexAt(dragSelectionStartPoint_);
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier) && index.isValid() && model()) {
        QList<int> selected;
        for (const QModelIndex& chosen : selectionModel()->selectedIndexes())
            selected << chosen.row();
        QItemSelection selection;
        for (int row : shiftSelection(selected, index.row())) {
            const QModelIndex item = model()->index(row, modelColumn(), rootIndex());
            selection.select(item, item);
        }
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void ImageCollectionView::mouseReleaseEvent(QMouseEvent* event)
{
    dragSelectionEndPoint_ = event->position().toPoint();
    QListView::mouseReleaseEvent(event);
    filterSelectionByDragRect();
}

void ImageCollectionView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        Q_EMIT imageDoubleClicked(index);
    event->accept();
}

void ImageCollectionView::filterSelectionByDragRect()
{
    const QPointF moved = dragSelectionEndPoint_ - dragSelectionStartPoint_;
    if (std::hypot(moved.x(), moved.y()) <= dragSelectionThreshold || !selectionModel())
        return;
    const QRect band = QRect(dragSelectionStartPoint_, dragSelectionEndPoint_).normalized();
    const ImageCollectionViewItem* item = imageItem();
    const QRect visible = viewport()->rect();
    QItemSelection kept;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        const QRect itemRect = visualRect(index);
        if (!item || !itemRect.intersects(visible))
            continue;
        const std::optional<QRect> picture = item->imageRect(index, itemRect);
        if (picture && picture->intersects(band))
            kept.select(index, index);
    }
    if (kept != selectionModel()->selection())
        selectionModel()->select(kept, QItemSelectionModel::ClearAndSelect);
}

} // namespace corvelle
