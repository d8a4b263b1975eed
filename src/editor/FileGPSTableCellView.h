#pragma once

#include "editor/FileTextTableCellView.h"

namespace corvelle {

// The file's GPS position in decimal degrees, read off the main thread; "-" without one.
class FileGPSTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    using FileTextTableCellView::FileTextTableCellView;

    static FileTableCellType cellType();

    QString text(const QModelIndex& index) const override;
};

} // namespace corvelle
