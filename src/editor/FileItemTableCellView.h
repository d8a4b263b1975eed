#pragma once

#include "editor/FileTableCellType.h"
#include "filemodel/MetadataFile.h"

#include <QStyledItemDelegate>

namespace corvelle {

// The base of the cells of every list: a delegate that draws the row (FileTableRowView), then
// its content in the cell less its margins, from the cell's value. The cells of a file table
// read the row's file (MetadataFileListModel::FileRole); the cells of other lists read the
// index's display value. A delegate keeps nothing of a row between two paints, so a row that
// shows another file at once shows that file's content.
class FileItemTableCellView : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit FileItemTableCellView(QObject* parent = nullptr);

    static FileTableCellType cellType();

    // The file of the index's row; null outside a file table.
    static MetadataFilePointer file(const QModelIndex& index);
    // What the cell shows: the index's display value.
    virtual QVariant objectValue(const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The cell's rectangle less its margins.
    static QRect contentRect(const QRect& cellRect);
    // The symbol images of the cells, at their one size; made once per launch. Main thread only.
    static QIcon symbolImage(const QString& symbolName);

    static constexpr int horizontalMargin = 4;
    static constexpr int spacing = 12;
    static constexpr int symbolSize = 15;

protected:
    // Draws what the cell shows inside contentRect(option.rect); the row is drawn already.
    virtual void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // The colour of text and symbols over the row: the selection's text colour on a selected row.
    static QColor foregroundColor(const QStyleOptionViewItem& option, QPalette::ColorRole role = QPalette::Text);
    // Repaints one index in the view this delegate serves (its parent), if any.
    void updateIndex(const QModelIndex& index) const;

    // A cell type of the class `Cell`, shown in `column`.
    template<class Cell>
    static FileTableCellType typeOf(const QString& cellIdentifier, std::function<FileTableColumn()> column)
    {
        return {column().identifier, cellIdentifier, std::move(column),
                [](QObject* parent) -> FileItemTableCellView* { return new Cell(parent); }};
    }
};

} // namespace corvelle
