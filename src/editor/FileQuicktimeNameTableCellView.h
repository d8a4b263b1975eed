#pragma once

#include "editor/FileTagValueTableCellView.h"

namespace corvelle {

// The movie's QuickTime name.
class FileQuicktimeNameTableCellView : public FileTagValueTableCellView {
    Q_OBJECT

public:
    using FileTagValueTableCellView::FileTagValueTableCellView;

    static FileTableCellType cellType();

    ostrak::TagItem displayedTagItem() const override { return ostrak::TagItem::itemQuickTimeName(); }
    StringValueMaker makeStringValue() const override;
};

} // namespace corvelle
