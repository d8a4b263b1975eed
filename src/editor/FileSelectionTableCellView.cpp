#include "editor/FileSelectionTableCellView.h"

#include <QPainter>

namespace corvelle {

FileTableCellType FileSelectionTableCellView::cellType()
{
    return typeOf<FileSelectionTableCellView>(QStringLiteral("FileSelectionTableCellView"), [] {
        return FileTableColumn{QStringLiteral("FileSelectionTableColumn")};
    });
}

QString FileSelectionTableCellView::symbolName(const QModelIndex& index) const
{
    const QVariant value = objectValue(index);
    const bool checked = value.typeId() == QMetaType::Bool && value.toBool();
    return checked ? QStringLiteral("checkmark.circle") : QStringLiteral("circle");
}

void FileSelectionTableCellView::paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect area = contentRect(option.rect);
    const QRect symbol(area.left(), area.center().y() - symbolSize / 2, symbolSize, symbolSize);
    symbolImage(symbolName(index)).paint(painter, symbol);
}

} // namespace corvelle
