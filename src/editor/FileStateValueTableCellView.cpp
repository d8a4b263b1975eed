#include "editor/FileStateValueTableCellView.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/HistoryEdition.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

FileStateValueTableCellView::FileStateValueTableCellView(QWidget* parent)
    : FileTextTableCellView(parent)
{
}

void FileStateValueTableCellView::updateContent()
{
    setText(stateText());
}

void FileStateValueTableCellView::startObserving()
{
    editionsManagerDidFlushHistorySubscriber_.subscribe(
        halvex::EditionManager::didFlushHistoryNotification, nullptr, [this](const brisa::Notification& note) {
            if (!file())
                return;
            const std::optional<halvex::HistoryEdition> history = halvex::EditionManager::history(note);
            if (history && history->hasEditions({file()->editor()}))
                setText(stateText());
        });
}

void FileStateValueTableCellView::stopObserving()
{
    editionsManagerDidFlushHistorySubscriber_.unsubscribe();
}

FileTableColumn FileStateValueTableCellView::makeTagCountTableColumn(const QString& identifier, const QString& titleKey)
{
    return FileTableColumn::fixed(identifier, 66, localizedString(titleKey));
}

QString FileStateValueTableCellView::tagsCountText(qsizetype count) const
{
    if (!file())
        return QStringLiteral("-");
    return localizedString(QStringLiteral("TableCellTitleTagsCount"), {qlonglong(count)});
}

} // namespace corvelle
