#include "filebrowser/FileSortOptionsTableCellView.h"

#include "editor/FileTableColumn.h"
#include "tags/PickerListModel.h"

#include <QPainter>

namespace corvelle {

FileSortOptionsTableCellView::FileSortOptionsTableCellView(QObject* parent)
    : FileTextTableCellView(parent)
{
}

FileTableCellType FileSortOptionsTableCellView::cellType()
{
    return typeOf<FileSortOptionsTableCellView>(QStringLiteral("FileSortOptionsTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("FileSortOptionsTableColumn")};
    });
}

std::optional<ostrak::TagItem> FileSortOptionsTableCellView::displayedTagItem(const QModelIndex& index)
{
    const QVariant value = index.data(Qt::UserRole);
    if (!value.canConvert<ostrak::TagItem>())
        return std::nullopt;
    return value.value<ostrak::TagItem>();
}

bool FileSortOptionsTableCellView::isSelected(const QModelIndex& index)
{
    return index.data(PickerListRole::checked).toBool();
}

QString FileSortOptionsTableCellView::text(const QModelIndex& index) const
{
    const std::optional<ostrak::TagItem> item = displayedTagItem(index);
    if (!item)
        return {};
    return item->firstDescriptiveText() + QLatin1Char(' ') + item->secondDescriptiveText();
}

QSize FileSortOptionsTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {FileTextTableCellView::sizeHint(option, index).width(), PickerListRole::rowHeight};
}

void FileSortOptionsTableCellView::paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const
{
    if (!displayedTagItem(index))
        return;
    const QRect content = contentRect(option.rect);
    const QIcon mark = symbolImage(isSelected(index) ? QStringLiteral("checkmark.circle") : QStringLiteral("circle"));
    // The mark in the accent colour, or in the selection's text colour over a selected row.
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap tinted = mark.pixmap(QSize(symbolSize, symbolSize), ratio);
    {
        QPainter tint(&tinted);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(tinted.rect(), option.state & QStyle::State_Selected ? foregroundColor(option)
                                                                           : option.palette.color(QPalette::Highlight));
    }
    painter->drawPixmap(QRect(content.left(), content.center().y() - symbolSize / 2, symbolSize, symbolSize), tinted);
    QStyleOptionViewItem textOption = option;
    textOption.rect = option.rect.adjusted(symbolSize + spacing / 2, 0, 0, 0);
    FileTextTableCellView::paintContent(painter, textOption, index);
}

} // namespace corvelle
