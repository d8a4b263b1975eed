#include "editor/FileStateValueTableCellView.h"

#include "widgets/TextLocalizer.h"

namespace corvelle {

QString FileStateValueTableCellView::stateText(const MetadataFilePointer&) const
{
    return QStringLiteral("-");
}

FileTableColumn FileStateValueTableCellView::makeTagCountTableColumn(const QString& identifier, const QString& titleKey)
{
    return FileTableColumn::fixed(identifier, 66, localizedString(titleKey));
}

QString FileStateValueTableCellView::tagsCountText(const MetadataFilePointer& file, qsizetype count)
{
    if (!file)
        return QStringLiteral("-");
    return localizedString(QStringLiteral("TableCellTitleTagsCount"), {qlonglong(count)});
}

} // namespace corvelle
