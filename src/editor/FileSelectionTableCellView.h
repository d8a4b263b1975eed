#pragma once

#include "editor/FileItemTableCellView.h"

namespace corvelle {

// A check circle: "checkmark.circle" when the cell's value is the boolean true, "circle" for
// false, no value or a value of another kind. Clicks go to the row.
class FileSelectionTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    using FileItemTableCellView::FileItemTableCellView;

    static FileTableCellType cellType();

    // The symbol the cell shows.
    QString symbolName(const QModelIndex& index) const;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace corvelle
