#include "tags/TagNamePickerNameTableCellView.h"

#include <QIcon>
#include <QPainter>

namespace corvelle {

TagNamePickerNameTableCellView::TagNamePickerNameTableCellView(QObject* parent)
    : FileTextTableCellView(parent)
{
}

QSize TagNamePickerNameTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {FileTextTableCellView::sizeHint(option, index).width(), rowHeight};
}

void TagNamePickerNameTableCellView::paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                                  const QModelIndex& index) const
{
    const QRect content = contentRect(option.rect);
    const QIcon mark = index.data(Qt::DecorationRole).value<QIcon>();
    const QRect markRect(content.left(), content.center().y() - symbolSize / 2, symbolSize, symbolSize);
    if (!mark.isNull())
        mark.paint(painter, markRect);
    QStyleOptionViewItem textOption = option;
    textOption.rect = option.rect.adjusted(symbolSize + spacing / 2, 0, 0, 0);
    FileTextTableCellView::paintContent(painter, textOption, index);
}

} // namespace corvelle
