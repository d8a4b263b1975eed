#include "presets/PresetPageKeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QTimer>

namespace corvelle {

PresetPageKeys::PresetPageKeys(QAbstractItemView* list, QObject* parent) : QObject(parent), list_(list) {}

bool PresetPageKeys::forward(QAbstractItemView* list, QKeyEvent* event)
{
    if (!list || !list->model() || (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down))
        return false;
    const int count = list->model()->rowCount();
    if (count == 0)
        return true;
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    int row = selected.isEmpty() ? -1 : selected.first().row();
    row = event->key() == Qt::Key_Up ? std::max(0, row - 1) : std::min(count - 1, row + 1);
    const QModelIndex index = list->model()->index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(index);
    return true;
}

void PresetPageKeys::centreSelection(QAbstractItemView* list)
{
    // A list just refilled lays out its rows on the next turn of the event loop.
    QTimer::singleShot(0, list, [list] {
        const QModelIndexList selected = list->selectionModel()->selectedRows();
        if (!selected.isEmpty())
            list->scrollTo(selected.first(), QAbstractItemView::PositionAtCenter);
    });
}

bool PresetPageKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && forward(list_, static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace corvelle
