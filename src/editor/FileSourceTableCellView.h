#pragma once

#include "editor/FileItemTableCellView.h"

namespace corvelle {

// The file's name over its folder ("~" for the home folder), following the editor's source.
// The name is cut in its middle, the folder at its end, when the column is too narrow.
class FileSourceTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    using FileItemTableCellView::FileItemTableCellView;

    static FileTableCellType cellType();

    // "-" outside a file table.
    static QString filenameText(const QModelIndex& index);
    static QString directoryText(const QModelIndex& index);
    // The name as far as it fits a cell of that rectangle, cut in its middle.
    static QString displayedFilename(const QStyleOptionViewItem& option, const QModelIndex& index);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static QFont directoryFont(const QFont& font);
};

} // namespace corvelle
