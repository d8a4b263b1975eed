#include "editor/FileEditedTagsTableCellView.h"

namespace corvelle {

FileTableCellType FileEditedTagsTableCellView::cellType()
{
    return typeOf<FileEditedTagsTableCellView>(QStringLiteral("FileEditedTagsTableCellView"), [] {
        return makeTagCountTableColumn(QStringLiteral("FileEditedTagsTableColumn"),
                                       QStringLiteral("TableColumnTitleEditedTags"));
    });
}

QString FileEditedTagsTableCellView::stateText(const MetadataFilePointer& file) const
{
    return tagsCountText(file, file ? file->editor()->editedTags().size() : 0);
}

} // namespace corvelle
