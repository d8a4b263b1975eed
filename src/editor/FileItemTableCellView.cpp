#include "editor/FileItemTableCellView.h"

#include "editor/FileTableRowView.h"
#include "filemodel/MetadataFileListModel.h"
#include "platform/brisa/ui/SymbolIcons.h"

#include <QAbstractItemView>
#include <QHash>
#include <QPainter>

namespace corvelle {

FileItemTableCellView::FileItemTableCellView(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

FileTableCellType FileItemTableCellView::cellType()
{
    return typeOf<FileItemTableCellView>(QStringLiteral("FileItemTableCellView"), [] {
        return FileTableColumn{QStringLiteral("FileItemTableColumn")};
    });
}

MetadataFilePointer FileItemTableCellView::file(const QModelIndex& index)
{
    return MetadataFileListModel::fileOf(index);
}

QVariant FileItemTableCellView::objectValue(const QModelIndex& index) const
{
    return index.data(Qt::DisplayRole);
}

void FileItemTableCellView::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    FileTableRowView::paint(painter, option, index);
    painter->save();
    painter->setClipRect(option.rect);
    paintContent(painter, option, index);
    painter->restore();
}

QSize FileItemTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(index);
    return {2 * horizontalMargin + symbolSize, std::max(option.fontMetrics.height() + 8, symbolSize + 8)};
}

QRect FileItemTableCellView::contentRect(const QRect& cellRect)
{
    return cellRect.adjusted(horizontalMargin, 0, -horizontalMargin, 0);
}

QIcon FileItemTableCellView::symbolImage(const QString& symbolName)
{
    // Made once: an icon made anew loads and renders its picture again at every paint of a row.
    static QHash<QString, QIcon> made;
    auto found = made.constFind(symbolName);
    if (found == made.constEnd())
        found = made.insert(symbolName, brisa::SymbolIcons::icon(symbolName));
    return *found;
}

void FileItemTableCellView::paintContent(QPainter*, const QStyleOptionViewItem&, const QModelIndex&) const
{
}

QColor FileItemTableCellView::foregroundColor(const QStyleOptionViewItem& option, QPalette::ColorRole role)
{
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                                : QPalette::Inactive;
    if (option.state & QStyle::State_Selected)
        return option.palette.color(group, QPalette::HighlightedText);
    return option.palette.color(group, role);
}

void FileItemTableCellView::updateIndex(const QModelIndex& index) const
{
    if (auto* view = qobject_cast<QAbstractItemView*>(parent()); view && index.isValid() && view->model() == index.model())
        view->update(index);
}

} // namespace corvelle
