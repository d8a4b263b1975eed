#include "editor/FileImageTableCellView.h"

#include <QPainter>

namespace corvelle {

FileTableCellType FileImageTableCellView::cellType()
{
    return typeOf<FileImageTableCellView>(QStringLiteral("FileImageTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("FileImageTableCellView")};
    });
}

QString FileImageTableCellView::symbolName(const QModelIndex& index) const
{
    const QVariant value = objectValue(index);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void FileImageTableCellView::paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString name = symbolName(index);
    if (name.isEmpty())
        return;
    const QRect area = contentRect(option.rect);
    symbolImage(name).paint(painter, QRect(area.left(), area.center().y() - symbolSize / 2, symbolSize, symbolSize));
}

} // namespace corvelle
