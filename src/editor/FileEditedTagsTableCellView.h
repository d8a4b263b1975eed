#pragma once

#include "editor/FileStateValueTableCellView.h"

namespace corvelle {

// The number of tags edited and not saved yet.
class FileEditedTagsTableCellView : public FileStateValueTableCellView {
    Q_OBJECT

public:
    using FileStateValueTableCellView::FileStateValueTableCellView;

    static FileTableCellType cellType();

    QString stateText(const MetadataFilePointer& file) const override;
};

} // namespace corvelle
