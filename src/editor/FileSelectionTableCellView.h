#pragma once

#include "editor/FileImageTableCellView.h"

namespace corvelle {

// A check circle: "checkmark.circle" when the cell's value is the boolean true, "circle" for
// false, no value or a value of another kind. Clicks go to the row.
class FileSelectionTableCellView : public FileImageTableCellView {
    Q_OBJECT

public:
    using FileImageTableCellView::FileImageTableCellView;

    static FileTableCellType cellType();

    QString symbolName(const QModelIndex& index) const override;
};

} // namespace corvelle
