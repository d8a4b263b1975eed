#include "keywords/KeywordNameTableCellView.h"

#include "keywordmodel/KeywordOutlineModel.h"

namespace corvelle {

FileTableCellType KeywordNameTableCellView::cellType()
{
    return typeOf<KeywordNameTableCellView>(QStringLiteral("KeywordNameTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("KeywordNameTableColumn")};
    });
}

QString KeywordNameTableCellView::textOf(const halvex::KeywordItem* item)
{
    return KeywordOutlineModel::textOf(item, KeywordOutlineModel::NameColumn);
}

QString KeywordNameTableCellView::text(const QModelIndex& index) const
{
    return textOf(KeywordOutlineModel::keywordItem(index).get());
}

} // namespace corvelle
