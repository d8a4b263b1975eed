#include "editing/TagValueSyncSourceTagTableCellView.h"

#include "editing/TagValueSyncPairListModel.h"

namespace corvelle {

TagValueSyncSourceTagTableCellView::TagValueSyncSourceTagTableCellView(QObject* parent) : FileTextTableCellView(parent) {}

QString TagValueSyncSourceTagTableCellView::text(const QModelIndex& index) const
{
    const std::optional<ostrak::TagName> name = TagValueSyncPairListModel::tagName(index);
    return name ? name->rawValue() : QString();
}

} // namespace corvelle
