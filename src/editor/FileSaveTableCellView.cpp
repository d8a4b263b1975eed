#include "editor/FileSaveTableCellView.h"

#include "editor/EditorWindowController.h"
#include "filemodel/MetadataFileList.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

FileTableCellType FileSaveTableCellView::cellType()
{
    return typeOf<FileSaveTableCellView>(QStringLiteral("FileSaveTableCellView"), [] {
        return FileTableColumn::fixed(QStringLiteral("FileSaveTableColumn"), 24);
    });
}

bool FileSaveTableCellView::hasUnsavedEdits(const QModelIndex& index)
{
    const MetadataFilePointer shown = file(index);
    return shown && shown->editor()->hasEdits();
}

QIcon FileSaveTableCellView::buttonIcon(const QModelIndex& index) const
{
    return symbolImage(hasUnsavedEdits(index) ? QStringLiteral("square.and.arrow.down") : QStringLiteral("checkmark.circle"));
}

QString FileSaveTableCellView::buttonToolTip(const QModelIndex& index) const
{
    return hasUnsavedEdits(index) ? localizedString(QStringLiteral("FileSaveButtonToolTip")) : QString();
}

void FileSaveTableCellView::saveFile(const QModelIndex& index, const QWidget* view)
{
    if (!hasUnsavedEdits(index) || !view)
        return;
    EditorWindowController* controller = EditorWindowController::controllerOf(view->window());
    if (!controller)
        return;
    const MetadataFilePointer shown = file(index);
    const MetadataFileList& list = *controller->metadataFileList();
    if (list.selectedFiles().contains(shown))
        controller->saveFiles(list.selectedEditors());
    else
        controller->saveFiles({shown->editor()});
}

} // namespace corvelle
