#include "keywords/KeywordPersonTableCellView.h"

#include "keywordmodel/KeywordOutlineModel.h"

namespace corvelle {

FileTableCellType KeywordPersonTableCellView::cellType()
{
    return typeOf<KeywordPersonTableCellView>(QStringLiteral("KeywordPersonTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("KeywordPersonTableColumn")};
    });
}

QString KeywordPersonTableCellView::textOf(const halvex::KeywordItem* item)
{
    return KeywordOutlineModel::textOf(item, KeywordOutlineModel::PersonColumn);
}

QString KeywordPersonTableCellView::text(const QModelIndex& index) const
{
    return textOf(KeywordOutlineModel::keywordItem(index).get());
}

} // namespace corvelle
