#include "editing/TagValueSyncMiddleTableCellView.h"

#include "editing/TagValueSyncPairListModel.h"

namespace corvelle {

TagValueSyncMiddleTableCellView::TagValueSyncMiddleTableCellView(QObject* parent) : FileTextTableCellView(parent) {}

QString TagValueSyncMiddleTableCellView::text(const QModelIndex&) const
{
    return QStringLiteral(">");
}

} // namespace corvelle
