#include "editor/FileOriginalTagsTableCellView.h"

namespace corvelle {

FileTableCellType FileOriginalTagsTableCellView::cellType()
{
    return typeOf<FileOriginalTagsTableCellView>(QStringLiteral("FileOrginalTagsTableCellView"), [] {
        return makeTagCountTableColumn(QStringLiteral("FileOriginalTagsTableColumn"),
                                       QStringLiteral("TableColumnTitleOriginalTags"));
    });
}

QString FileOriginalTagsTableCellView::stateText(const MetadataFilePointer& file) const
{
    return tagsCountText(file, file ? file->editor()->originalTags().size() : 0);
}

} // namespace corvelle
