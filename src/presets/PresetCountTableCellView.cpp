#include "presets/PresetCountTableCellView.h"

namespace corvelle {

void PresetCountTableCellView::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->palette.setColor(QPalette::Text, option->palette.color(QPalette::PlaceholderText));
    option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
}

} // namespace corvelle
