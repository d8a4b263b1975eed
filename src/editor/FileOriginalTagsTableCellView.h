#pragma once

#include "editor/FileStateValueTableCellView.h"

namespace corvelle {

// The number of tags the file holds on disk.
class FileOriginalTagsTableCellView : public FileStateValueTableCellView {
    Q_OBJECT

public:
    using FileStateValueTableCellView::FileStateValueTableCellView;

    static FileTableCellType cellType();

    QString stateText(const MetadataFilePointer& file) const override;
};

} // namespace corvelle
