#pragma once

#include "editor/FileTagValueTableCellView.h"

namespace corvelle {

// When the picture was taken, in the user's short date and time formats.
class FileExifDateTimeTableCellView : public FileTagValueTableCellView {
    Q_OBJECT

public:
    using FileTagValueTableCellView::FileTagValueTableCellView;

    static FileTableCellType cellType();

    ostrak::TagItem displayedTagItem() const override { return ostrak::TagItem::itemEXIFDateTimeOriginal(); }
    StringValueMaker makeStringValue() const override;
};

} // namespace corvelle
