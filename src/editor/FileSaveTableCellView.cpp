#include "editor/FileSaveTableCellView.h"

#include "editor/EditorWindowController.h"
#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/HistoryEdition.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "widgets/TextLocalizer.h"

#include <QToolButton>

namespace corvelle {

FileSaveTableCellView::FileSaveTableCellView(QWidget* parent)
    : FileButtonTableCellView(parent)
{
}

FileTableCellType FileSaveTableCellView::cellType()
{
    return typeOf<FileSaveTableCellView>(QStringLiteral("FileSaveTableCellView"), [] {
        return FileTableColumn::fixed(QStringLiteral("FileSaveTableColumn"), 24);
    });
}

bool FileSaveTableCellView::hasUnsavedEdits() const
{
    return file() && file()->editor()->hasEdits();
}

EditorWindowController* FileSaveTableCellView::editorWindowController() const
{
    return EditorWindowController::controllerOf(window());
}

void FileSaveTableCellView::updateContent()
{
    const bool edited = hasUnsavedEdits();
    selectionButton()->setIcon(brisa::SymbolIcons::icon(edited ? QStringLiteral("square.and.arrow.down")
                                                               : QStringLiteral("checkmark.circle")));
    selectionButton()->setEnabled(edited);
    selectionButton()->setToolTip(edited ? localizedString(QStringLiteral("FileSaveButtonToolTip")) : QString());
}

void FileSaveTableCellView::saveFile()
{
    if (!hasUnsavedEdits())
        return;
    EditorWindowController* controller = editorWindowController();
    if (!controller)
        return;
    const MetadataFileList& list = *controller->metadataFileList();
    const QList<MetadataFilePointer> selected = list.selectedFiles();
    if (selected.contains(file()))
        controller->saveFiles(list.selectedEditors());
    else
        controller->saveFiles({file()->editor()});
}

void FileSaveTableCellView::startObserving()
{
    editionsManagerDidFlushHistorySubscriber_.subscribe(
        halvex::EditionManager::didFlushHistoryNotification, nullptr, [this](const brisa::Notification& note) {
            const std::optional<halvex::HistoryEdition> history = halvex::EditionManager::history(note);
            if (history && file() && history->hasEditions({file()->editor()}))
                updateContent();
        });
}

void FileSaveTableCellView::stopObserving()
{
    editionsManagerDidFlushHistorySubscriber_.unsubscribe();
}

} // namespace corvelle
