#include "photos/PhotosAlbumTableCellView.h"

#include "photos/PhotoAlbumListModel.h"

#include <QPainter>

namespace corvelle {

PhotosAlbumTableCellView::PhotosAlbumTableCellView(QObject* parent)
    : FileTextTableCellView(parent)
{
}

QString PhotosAlbumTableCellView::symbolName(const QModelIndex& index)
{
    return index.data(PhotoAlbumListModel::UserAlbumRole).toBool() ? QStringLiteral("rectangle.stack")
                                                                   : QStringLiteral("photo.stack");
}

QSize PhotosAlbumTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {FileTextTableCellView::sizeHint(option, index).width(), rowHeight};
}

void PhotosAlbumTableCellView::paintContent(QPainter* painter, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    const QRect content = contentRect(option.rect);
    const QRect symbol(content.left(), content.center().y() - symbolSize / 2, symbolSize, symbolSize);
    const bool selected = option.state & QStyle::State_Selected;
    symbolImage(symbolName(index)).paint(painter, symbol, Qt::AlignCenter, selected ? QIcon::Selected : QIcon::Normal);
    QStyleOptionViewItem textOption(option);
    // The text cell lays out in the content rectangle: move its left edge past the symbol.
    textOption.rect.setLeft(symbol.right() + 1 + horizontalMargin);
    FileTextTableCellView::paintContent(painter, textOption, index);
}

} // namespace corvelle
