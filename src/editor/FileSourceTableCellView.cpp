#include "editor/FileSourceTableCellView.h"

#include "engine/halvex/tags/TagEditor.h"
#include "platform/brisa/core/StringHelpers.h"
#include "widgets/TextLocalizer.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace corvelle {

namespace {

constexpr int lineSpacing = 1;

} // namespace

FileTableCellType FileSourceTableCellView::cellType()
{
    return typeOf<FileSourceTableCellView>(QStringLiteral("FileSourceTableCellView"), [] {
        return FileTableColumn{QStringLiteral("FileSourceTableColumn"),
                               localizedString(QStringLiteral("TableColumnTitleFilename")), -1, 200, 10000};
    });
}

QString FileSourceTableCellView::filenameText(const QModelIndex& index)
{
    const MetadataFilePointer shown = file(index);
    return shown ? shown->editor()->fileName() : QStringLiteral("-");
}

QString FileSourceTableCellView::directoryText(const QModelIndex& index)
{
    const MetadataFilePointer shown = file(index);
    if (!shown)
        return QStringLiteral("-");
    const halvex::TagStorageSource source = shown->editor()->source();
    if (source.photosItem())
        return localizedString(QStringLiteral("FileStoredInPhotos"));
    return brisa::abbreviateTildeInPath(QFileInfo(source.url().toLocalFile()).path());
}

QString FileSourceTableCellView::displayedFilename(const QStyleOptionViewItem& option, const QModelIndex& index)
{
    return option.fontMetrics.elidedText(filenameText(index), Qt::ElideMiddle, std::max(1, contentRect(option.rect).width()));
}

QFont FileSourceTableCellView::directoryFont(const QFont& font)
{
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() * 0.85);
    return small;
}

QSize FileSourceTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize base = FileItemTableCellView::sizeHint(option, index);
    const int height = option.fontMetrics.height() + lineSpacing + QFontMetrics(directoryFont(option.font)).height() + 8;
    return {200, std::max(base.height(), height)};
}

void FileSourceTableCellView::paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect area = contentRect(option.rect);
    const QFont small = directoryFont(option.font);
    const QFontMetrics smallMetrics(small);
    const int nameHeight = option.fontMetrics.height();
    const int top = area.top() + (area.height() - nameHeight - lineSpacing - smallMetrics.height()) / 2;
    const QRect nameRect(area.left(), top, area.width(), nameHeight);
    const QRect folderRect(area.left(), nameRect.bottom() + 1 + lineSpacing, area.width(), smallMetrics.height());

    painter->setFont(option.font);
    painter->setPen(foregroundColor(option));
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      displayedFilename(option, index));
    painter->setFont(small);
    painter->setPen(foregroundColor(option, QPalette::PlaceholderText));
    painter->drawText(folderRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      smallMetrics.elidedText(directoryText(index), Qt::ElideRight, std::max(1, area.width())));
}

bool FileSourceTableCellView::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                        const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !file(index))
        return FileItemTableCellView::helpEvent(event, view, option, index);
    QToolTip::showText(event->globalPos(), filenameText(index) + QLatin1Char('\n') + directoryText(index),
                       view ? view->viewport() : nullptr, option.rect);
    return true;
}

} // namespace corvelle
