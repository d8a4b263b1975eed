#pragma once

#include "editor/FileItemTableCellView.h"

namespace corvelle {

// A symbol image named by the cell's value (a text); nothing for no value, a value of another
// kind or an unknown name. It takes no clicks.
class FileImageTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    using FileItemTableCellView::FileItemTableCellView;

    static FileTableCellType cellType();

    // Empty when the cell shows no image.
    virtual QString symbolName(const QModelIndex& index) const;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace corvelle
