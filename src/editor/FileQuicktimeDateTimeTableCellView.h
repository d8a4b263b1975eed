#pragma once

#include "editor/FileTagValueTableCellView.h"

namespace corvelle {

// When the movie's content was made, in the user's short date and time formats.
class FileQuicktimeDateTimeTableCellView : public FileTagValueTableCellView {
    Q_OBJECT

public:
    using FileTagValueTableCellView::FileTagValueTableCellView;

    static FileTableCellType cellType();

    ostrak::TagItem displayedTagItem() const override { return ostrak::TagItem::itemQuickTimeContentCreateDate(); }
    StringValueMaker makeStringValue() const override;
};

} // namespace corvelle
