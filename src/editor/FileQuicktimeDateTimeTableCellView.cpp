#include "editor/FileQuicktimeDateTimeTableCellView.h"

namespace corvelle {

FileTableCellType FileQuicktimeDateTimeTableCellView::cellType()
{
    return typeOf<FileQuicktimeDateTimeTableCellView>(QStringLiteral("FileQuicktimeDateTimeTableCellView"), [] {
        return makeTagValueTableColumn(QStringLiteral("FileQuicktimeDateTimeTableColumn"),
                                       ostrak::TagItem::itemQuickTimeContentCreateDate());
    });
}

FileTagValueTableCellView::StringValueMaker FileQuicktimeDateTimeTableCellView::makeStringValue() const
{
    return [item = displayedTagItem()](const halvex::TagEditor& editor) { return dateTimeText(editor, item); };
}

} // namespace corvelle
