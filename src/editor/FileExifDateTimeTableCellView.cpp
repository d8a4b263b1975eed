#include "editor/FileExifDateTimeTableCellView.h"

namespace corvelle {

FileTableCellType FileExifDateTimeTableCellView::cellType()
{
    return typeOf<FileExifDateTimeTableCellView>(QStringLiteral("FileExifDateTimeTableCellView"), [] {
        return makeTagValueTableColumn(QStringLiteral("FileExifDateTimeTableColumn"), ostrak::TagItem::itemEXIFDateTimeOriginal());
    });
}

FileTagValueTableCellView::StringValueMaker FileExifDateTimeTableCellView::makeStringValue() const
{
    return [item = displayedTagItem()](const halvex::TagEditor& editor) { return dateTimeText(editor, item); };
}

} // namespace corvelle
