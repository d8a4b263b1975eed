#include "editor/FileThumbnailTableCellView.h"

#include <QPainter>
#include <QPixmap>

namespace corvelle {

FileTableCellType FileThumbnailTableCellView::cellType()
{
    return typeOf<FileThumbnailTableCellView>(QStringLiteral("FileThumbnailTableCellView"), [] {
        return FileTableColumn::fixed(QStringLiteral("FileThumbnailTableColumn"), 58);
    });
}

bool FileThumbnailTableCellView::hasThumbnail(const QModelIndex& index)
{
    return !index.data(Qt::DecorationRole).value<QPixmap>().isNull();
}

void FileThumbnailTableCellView::paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QPixmap pixmap = index.data(Qt::DecorationRole).value<QPixmap>();
    if (pixmap.isNull())
        return;
    const QRect area = contentRect(option.rect);
    const QRect square(area.left(), area.center().y() - thumbnailSide / 2, thumbnailSide, thumbnailSide);
    const QSize shown = pixmap.deviceIndependentSize().toSize().scaled(square.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), shown);
    target.moveCenter(square.center());
    painter->drawPixmap(target, pixmap);
}

} // namespace corvelle
