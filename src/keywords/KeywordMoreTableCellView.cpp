#include "keywords/KeywordMoreTableCellView.h"

#include "keywordmodel/KeywordOutlineModel.h"

namespace corvelle {

FileTableCellType KeywordMoreTableCellView::cellType()
{
    return typeOf<KeywordMoreTableCellView>(QStringLiteral("KeywordMoreTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("KeywordMoreTableColumn")};
    });
}

bool KeywordMoreTableCellView::isButtonEnabled(const QModelIndex& index) const
{
    return KeywordOutlineModel::keywordItem(index) != nullptr;
}

} // namespace corvelle
