#include "presets/PresetNameTableCellView.h"

namespace corvelle {

void PresetNameTableCellView::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->decorationSize = QSize(15, 15);
}

} // namespace corvelle
