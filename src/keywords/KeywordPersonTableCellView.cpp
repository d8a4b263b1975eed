#include "keywords/KeywordPersonTableCellView.h"

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

FileTableCellType KeywordPersonTableCellView::cellType()
{
    return typeOf<KeywordPersonTableCellView>(QStringLiteral("KeywordPersonTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("KeywordPersonTableColumn")};
    });
}

QString KeywordPersonTableCellView::textOf(const halvex::KeywordItem* item)
{
    return stateText(!item || item->isPerson());
}

QString KeywordPersonTableCellView::text(const QModelIndex& index) const
{
    return textOf(KeywordOutlineModel::keywordItem(index).get());
}

} // namespace corvelle
