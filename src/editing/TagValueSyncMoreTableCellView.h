#pragma once

#include "editor/FileMoreTableCellView.h"

namespace corvelle {

// The more button of a pair row: it asks for the menu of its own row, whose delete removes that
// row only (the table's contextual menu removes the selected rows).
class TagValueSyncMoreTableCellView : public FileMoreTableCellView {
    Q_OBJECT

public:
    using FileMoreTableCellView::FileMoreTableCellView;

Q_SIGNALS:
    void rowMenuRequested(int row, const QPoint& globalPosition);

protected:
    void performAction(const QModelIndex& index, const QWidget* view, const QPoint& position) override;
};

} // namespace corvelle
