#include "editor/EditorFileBarController.h"

#include "editor/EditorWindowController.h"
#include "editor/EditorWindowHost.h"
#include "filemodel/FileRowDragData.h"
#include "editor/FileUrlDragData.h"
#include "filemodel/MetadataFileList.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace corvelle {

std::optional<int> EditorFileBarController::takeDropFilesIndex()
{
    return std::exchange(dropFilesIndex_, std::nullopt);
}

bool EditorFileBarController::validateUserInterfaceItem(const QString& action) const
{
    const MetadataFileList* list = editorWindowController() ? metadataFileList() : nullptr;
    if (!list)
        return false;
    const brisa::IndexSet& selection = list->selection();
    const int count = int(list->files().size());
    if (action == QLatin1String("selectAll:"))
        return selection.count() != count;
    if (action == QLatin1String("deselectAll:") || action == QLatin1String("deleteBackward:"))
        return !selection.isEmpty();
    if (action == QLatin1String("selectPrevious:"))
        return !selection.isEmpty() && selection.first() >= 1;
    if (action == QLatin1String("selectNext:"))
        return !selection.isEmpty() && selection.last() + 1 <= count - 1;
    return false;
}

void EditorFileBarController::performBarCommand(const QString& action)
{
    static const QList<std::pair<QString, QString>> commands{
        {QStringLiteral("deleteBackward:"), QStringLiteral("removeSelectedFiles:")},
        {QStringLiteral("selectAll:"), QStringLiteral("selectAllFiles:")},
        {QStringLiteral("deselectAll:"), QStringLiteral("deselectAllFiles:")},
        {QStringLiteral("selectPrevious:"), QStringLiteral("selectPreviousFile:")},
        {QStringLiteral("selectNext:"), QStringLiteral("selectNextFile:")},
        {QStringLiteral("moveUp:"), QStringLiteral("selectPreviousFile:")},
        {QStringLiteral("moveDown:"), QStringLiteral("selectNextFile:")},
    };
    EditorWindowHost* host = editorWindowController();
    if (!host)
        return;
    for (const auto& [barAction, command] : commands) {
        if (barAction == action)
            host->performCommand(command, nullptr);
    }
}

void EditorFileBarController::installFileItemViewHandling()
{
    QAbstractItemView* view = fileItemView();
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    view->viewport()->setAcceptDrops(true);
}

bool EditorFileBarController::eventFilter(QObject* watched, QEvent* event)
{
    QAbstractItemView* view = fileItemView();
    if (view && watched == view && event->type() == QEvent::KeyPress)
        return keyPressed(static_cast<QKeyEvent*>(event));
    if (view && watched == view->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            return dragMoved(static_cast<QDropEvent*>(event));
        case QEvent::Drop:
            return dropped(static_cast<QDropEvent*>(event));
        default:
            break;
        }
    }
    return EditorBarController::eventFilter(watched, event);
}

bool EditorFileBarController::keyPressed(QKeyEvent* event)
{
    EditorWindowHost* host = editorWindowController();
    // The view would toggle the current item's selection: the space bar is Quick Look's, whatever
    // modifier is held.
    if (event->key() == Qt::Key_Space) {
        if (host)
            host->performCommand(QStringLiteral("toggleQuickLook:"), nullptr);
        return true;
    }
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        && validateUserInterfaceItem(QStringLiteral("deleteBackward:"))) {
        performBarCommand(QStringLiteral("deleteBackward:"));
        return true;
    }
    return false;
}

bool EditorFileBarController::dragMoved(QDropEvent* event)
{
    // The type is this bar's and this launch's: rows of any other list or run are not ours.
    if (event->mimeData()->hasFormat(rowDragType())) {
        if (dropDestination(event, true)) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
        } else {
            event->ignore();
        }
        return true;
    }
    const QList<QUrl> urls = FileUrlDragData::localFileUrls(event->mimeData());
    auto* controller = EditorWindowController::controllerOf(fileItemView());
    const bool opens = controller ? controller->canOpenFiles(urls) : (!urls.isEmpty() && editorWindowController());
    if (opens && dropDestination(event, false))
        event->acceptProposedAction();
    else
        event->ignore();
    return true;
}

bool EditorFileBarController::dropped(QDropEvent* event)
{
    MetadataFileList* list = editorWindowController() ? metadataFileList() : nullptr;
    if (event->mimeData()->hasFormat(rowDragType())) {
        const std::optional<brisa::IndexSet> rows = FileRowDragData::rows(event->mimeData(), rowDragType());
        const std::optional<int> destination = rows ? dropDestination(event, true) : std::nullopt;
        if (!destination) {
            event->ignore();
            return true;
        }
        if (list && !rows->isEmpty())
            list->moveFiles(*rows, *destination);
        event->setDropAction(Qt::MoveAction);
        event->accept();
        return true;
    }
    const QList<QUrl> urls = FileUrlDragData::localFileUrls(event->mimeData());
    const std::optional<int> destination = urls.isEmpty() ? std::nullopt : dropDestination(event, false);
    EditorWindowHost* host = editorWindowController();
    if (!destination || !host) {
        event->ignore();
        return true;
    }
    event->acceptProposedAction();
    dropFilesIndex_ = *destination;
    // The window takes the index back as it opens the files: it never outlives this drop.
    host->addFiles(urls);
    return true;
}

} // namespace corvelle
