#include "keywords/KeywordSynonymsTableCellView.h"

#include "keywordmodel/KeywordOutlineModel.h"

namespace corvelle {

FileTableCellType KeywordSynonymsTableCellView::cellType()
{
    return typeOf<KeywordSynonymsTableCellView>(QStringLiteral("KeywordSynonymsTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("KeywordSynonymsTableColumn")};
    });
}

QString KeywordSynonymsTableCellView::textOf(const halvex::KeywordItem* item)
{
    return KeywordOutlineModel::textOf(item, KeywordOutlineModel::SynonymsColumn);
}

QString KeywordSynonymsTableCellView::text(const QModelIndex& index) const
{
    return textOf(KeywordOutlineModel::keywordItem(index).get());
}

} // namespace corvelle
