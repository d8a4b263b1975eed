#include "keywords/KeywordSynonymTableCellView.h"

namespace corvelle {

FileTableCellType KeywordSynonymTableCellView::cellType()
{
    return typeOf<KeywordSynonymTableCellView>(QStringLiteral("KeywordSynonymTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("KeywordSynonymTableColumn")};
    });
}

} // namespace corvelle
