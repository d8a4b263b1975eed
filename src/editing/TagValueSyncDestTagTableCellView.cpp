#include "editing/TagValueSyncDestTagTableCellView.h"

#include "editing/TagValueSyncPairListModel.h"

namespace corvelle {

TagValueSyncDestTagTableCellView::TagValueSyncDestTagTableCellView(QObject* parent) : FileTextTableCellView(parent) {}

QString TagValueSyncDestTagTableCellView::text(const QModelIndex& index) const
{
    const std::optional<ostrak::TagName> name = TagValueSyncPairListModel::tagName(index);
    return name ? name->rawValue() : QString();
}

} // namespace corvelle
