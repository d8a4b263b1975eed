#pragma once

#include "editor/FileTagValueTableCellView.h"

namespace corvelle {

// The camera's maker, as the picture's EXIF tags name it.
class FileExifMakeTableCellView : public FileTagValueTableCellView {
    Q_OBJECT

public:
    using FileTagValueTableCellView::FileTagValueTableCellView;

    static FileTableCellType cellType();

    ostrak::TagItem displayedTagItem() const override { return ostrak::TagItem::itemEXIFMake(); }
    StringValueMaker makeStringValue() const override;
};

} // namespace corvelle
