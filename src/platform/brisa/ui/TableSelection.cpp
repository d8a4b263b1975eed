#include "platform/brisa/ui/TableSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QTreeView>

#include <algorithm>

namespace brisa {

namespace {

// The index of each shown row, from the top, as far as `lastRow`.
QList<QModelIndex> rowIndexes(QAbstractItemView* view, int lastRow)
{
    QList<QModelIndex> indexes;
    const QAbstractItemModel* model = view->model();
    if (!model || lastRow < 0)
        return indexes;
    if (auto* tree = qobject_cast<QTreeView*>(view)) {
        QModelIndex index = model->index(0, 0, tree->rootIndex());
        while (index.isValid() && indexes.size() <= lastRow) {
            indexes.append(index);
            index = tree->indexBelow(index);
        }
        return indexes;
    }
    const int count = std::min(model->rowCount(view->rootIndex()), lastRow + 1);
    for (int row = 0; row < count; ++row)
        indexes.append(model->index(row, 0, view->rootIndex()));
    return indexes;
}

} // namespace

void TableSelection::selectOnlyRow(QAbstractItemView* view, int row)
{
    selectOnlyRows(view, {row});
}

void TableSelection::selectOnlyRows(QAbstractItemView* view, const QList<int>& rows)
{
    if (!view || !view->selectionModel())
        return;
    const int lastRow = rows.isEmpty() ? -1 : *std::max_element(rows.begin(), rows.end());
    const QList<QModelIndex> indexes = rowIndexes(view, lastRow);
    QItemSelection selection;
    QModelIndex first;
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    for (int row : std::as_const(sorted)) {
        if (row < 0 || row >= indexes.size())
            continue;
        const QModelIndex index = indexes.at(row);
        selection.select(index, index);
        if (!first.isValid())
            first = index;
    }
    QItemSelectionModel* selectionModel = view->selectionModel();
    selectionModel->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // The keyboard goes on from the first selected row.
    if (first.isValid())
        selectionModel->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
}

void TableSelection::scrollToFirstSelectedRow(QAbstractItemView* view)
{
    if (!view || !view->selectionModel())
        return;
    const QModelIndexList selected = view->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    if (auto* tree = qobject_cast<QTreeView*>(view)) {
        // The topmost in display order, not in model order.
        QModelIndex index = view->model()->index(0, 0, tree->rootIndex());
        while (index.isValid() && !selected.contains(index))
            index = tree->indexBelow(index);
        if (index.isValid())
            view->scrollTo(index);
        return;
    }
    const QModelIndex topmost = *std::min_element(selected.begin(), selected.end(),
                                                  [](const QModelIndex& a, const QModelIndex& b) {
                                                      return a.row() < b.row();
                                                  });
    view->scrollTo(topmost);
}

} // namespace brisa
