#include "editor/FileExifMakeTableCellView.h"

namespace corvelle {

FileTableCellType FileExifMakeTableCellView::cellType()
{
    return typeOf<FileExifMakeTableCellView>(QStringLiteral("FileExifMakeTableCellView"), [] {
        return makeTagValueTableColumn(QStringLiteral("FileExifMakeTableColumn"), ostrak::TagItem::itemEXIFMake());
    });
}

FileTagValueTableCellView::StringValueMaker FileExifMakeTableCellView::makeStringValue() const
{
    return [item = displayedTagItem()](const halvex::TagEditor& editor) { return plainText(editor, item); };
}

} // namespace corvelle
