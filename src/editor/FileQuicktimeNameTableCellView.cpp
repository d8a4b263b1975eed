#include "editor/FileQuicktimeNameTableCellView.h"

namespace corvelle {

FileTableCellType FileQuicktimeNameTableCellView::cellType()
{
    return typeOf<FileQuicktimeNameTableCellView>(QStringLiteral("FileQuicktimeNameTableCellView"), [] {
        return makeTagValueTableColumn(QStringLiteral("FileQuicktimeNameTableColumn"),
                                       ostrak::TagItem::itemQuickTimeName());
    });
}

FileTagValueTableCellView::StringValueMaker FileQuicktimeNameTableCellView::makeStringValue() const
{
    return [item = displayedTagItem()](const halvex::TagEditor& editor) { return plainText(editor, item); };
}

} // namespace corvelle
