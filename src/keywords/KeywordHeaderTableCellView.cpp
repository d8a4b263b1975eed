#include "keywords/KeywordHeaderTableCellView.h"

#include "keywords/KeywordOutlineModel.h"
#include "widgets/LocalizerString.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

namespace {

QString stateText(bool on)
{
    return localizedString((on ? LocalizerString::keywordStateYes() : LocalizerString::keywordStateNo()).rawValue);
}

} // namespace

FileTableCellType KeywordHeaderTableCellView::cellType()
{
    return typeOf<KeywordHeaderTableCellView>(QStringLiteral("KeywordHeaderTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("KeywordHeaderTableColumn")};
    });
}

QString KeywordHeaderTableCellView::textOf(const halvex::KeywordItem* item)
{
    return stateText(!item || item->isHeader());
}

QString KeywordHeaderTableCellView::text(const QModelIndex& index) const
{
    return textOf(KeywordOutlineModel::keywordItem(index).get());
}

} // namespace corvelle
