#pragma once

#include "editor/FileButtonTableCellView.h"

namespace corvelle {

// An ellipsis button that opens the contextual menu of the table it is in, at the button; a
// table without a contextual menu does nothing.
class FileMoreTableCellView : public FileButtonTableCellView {
    Q_OBJECT

public:
    using FileButtonTableCellView::FileButtonTableCellView;

    static FileTableCellType cellType();

    QIcon buttonIcon(const QModelIndex&) const override { return symbolImage(QStringLiteral("ellipsis")); }

protected:
    void performAction(const QModelIndex& index, const QWidget* view, const QPoint& position) override;
};

} // namespace corvelle
