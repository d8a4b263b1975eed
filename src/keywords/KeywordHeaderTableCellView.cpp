#include "keywords/KeywordHeaderTableCellView.h"

#include "keywordmodel/KeywordOutlineModel.h"

namespace corvelle {

FileTableCellType KeywordHeaderTableCellView::cellType()
{
    return typeOf<KeywordHeaderTableCellView>(QStringLiteral("KeywordHeaderTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("KeywordHeaderTableColumn")};
    });
}

QString KeywordHeaderTableCellView::textOf(const halvex::KeywordItem* item)
{
    return KeywordOutlineModel::textOf(item, KeywordOutlineModel::HeaderColumn);
}

QString KeywordHeaderTableCellView::text(const QModelIndex& index) const
{
    return textOf(KeywordOutlineModel::keywordItem(index).get());
}

} // namespace corvelle
