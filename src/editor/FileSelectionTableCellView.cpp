#include "editor/FileSelectionTableCellView.h"

namespace corvelle {

FileTableCellType FileSelectionTableCellView::cellType()
{
    return typeOf<FileSelectionTableCellView>(QStringLiteral("FileSelectionTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("FileSelectionTableColumn")};
    });
}

QString FileSelectionTableCellView::symbolName(const QModelIndex& index) const
{
    const QVariant value = objectValue(index);
    const bool checked = value.typeId() == QMetaType::Bool && value.toBool();
    return checked ? QStringLiteral("checkmark.circle") : QStringLiteral("circle");
}

} // namespace corvelle
