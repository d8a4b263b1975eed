#include "tags/TagNamePickerNameTableCellView.h"

#include "tags/PickerListModel.h"

#include <QIcon>
#include <QPainter>

namespace corvelle {

TagNamePickerNameTableCellView::TagNamePickerNameTableCellView(QObject* parent)
    : FileTextTableCellView(parent)
{
}

QSize TagNamePickerNameTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {FileTextTableCellView::sizeHint(option, index).width(), PickerListRole::rowHeight};
}

void TagNamePickerNameTableCellView::paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                                  const QModelIndex& index) const
{
    const QRect content = contentRect(option.rect);
    const QIcon mark = index.data(Qt::DecorationRole).value<QIcon>();
    QStyleOptionViewItem textOption = option;
    if (!mark.isNull()) {
        mark.paint(painter, QRect(content.left(), content.center().y() - symbolSize / 2, symbolSize, symbolSize));
        textOption.rect = option.rect.adjusted(symbolSize + spacing / 2, 0, 0, 0);
    }
    const QString detail = index.data(PickerListRole::detail).toString();
    if (detail.isEmpty()) {
        FileTextTableCellView::paintContent(painter, textOption, index);
        return;
    }
    const int half = option.rect.height() / 2;
    textOption.rect.setBottom(option.rect.top() + half + 1);
    FileTextTableCellView::paintContent(painter, textOption, index);
    QFont small = option.font;
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter->setFont(small);
    painter->setPen(foregroundColor(option, QPalette::PlaceholderText));
    QRect detailRect = contentRect(textOption.rect);
    detailRect.moveTop(option.rect.top() + half - 1);
    painter->drawText(detailRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      QFontMetrics(small).elidedText(detail, Qt::ElideMiddle, std::max(1, detailRect.width())));
}

} // namespace corvelle
