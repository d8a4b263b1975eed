#include "editing/TagValueSyncMoreTableCellView.h"

#include <QAbstractItemView>

namespace corvelle {

void TagValueSyncMoreTableCellView::performAction(const QModelIndex& index, const QWidget* view, const QPoint& position)
{
    const auto* table = qobject_cast<const QAbstractItemView*>(view);
    if (!table || !index.isValid())
        return;
    Q_EMIT rowMenuRequested(index.row(), table->viewport()->mapToGlobal(position));
}

} // namespace corvelle
