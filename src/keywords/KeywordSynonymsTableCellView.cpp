#include "keywords/KeywordSynonymsTableCellView.h"

#include "keywords/KeywordOutlineModel.h"

namespace corvelle {

FileTableCellType KeywordSynonymsTableCellView::cellType()
{
    return typeOf<KeywordSynonymsTableCellView>(QStringLiteral("KeywordSynonymsTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("KeywordSynonymsTableColumn")};
    });
}

QString KeywordSynonymsTableCellView::textOf(const halvex::KeywordItem* item)
{
    return QString::number(item ? item->synonyms().size() : 0);
}

QString KeywordSynonymsTableCellView::text(const QModelIndex& index) const
{
    return textOf(KeywordOutlineModel::keywordItem(index).get());
}

} // namespace corvelle
