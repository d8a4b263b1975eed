#include "editing/EditorSelectActionTableCellView.h"

#include "editing/EditorSelectActionListModel.h"
#include "platform/brisa/ui/SymbolIcons.h"

namespace corvelle {

void EditorSelectActionTableCellView::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    static const QIcon checked = brisa::SymbolIcons::icon(QStringLiteral("checkmark.circle"));
    static const QIcon unchecked = brisa::SymbolIcons::icon(QStringLiteral("circle"));
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = index.data(EditorSelectActionListModel::CheckedRole).toBool() ? checked : unchecked;
    option->decorationSize = QSize(15, 15);
}

} // namespace corvelle
