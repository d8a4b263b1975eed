#include "editor/EditorFileListBarController.h"

#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "editor/FileItemTableCellView.h"
#include "editor/FileUrlDragData.h"
#include "editor/FormLoader.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableWidget>

namespace corvelle {

namespace {

constexpr int rowHeight = 58;

} // namespace

EditorFileListBarController::EditorFileListBarController(EditorViewController* editorViewController)
    : EditorBarController(editorViewController)
{
}

EditorFileListBarController::~EditorFileListBarController() = default;

void EditorFileListBarController::setupViews()
{
    fileTableView_ = FormLoader::outlet<QTableWidget>(view(), "fileTableView");
    fileTableView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fileTableView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fileTableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fileTableView_->verticalHeader()->hide();
    fileTableView_->verticalHeader()->setDefaultSectionSize(rowHeight);
    // Smooth scrolling; the stored scroll position is then in pixels, as the view's offset.
    fileTableView_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    fileTableView_->setAcceptDrops(true);
    fileTableView_->viewport()->setAcceptDrops(true);
    fileTableView_->viewport()->installEventFilter(this);
    fileTableView_->installEventFilter(this);
    connect(fileTableView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &EditorFileListBarController::tableSelectionDidChange);
    connect(fileTableView_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &EditorFileListBarController::materializeVisibleRows);
}

void EditorFileListBarController::setTableCellTypes(const QList<FileTableCellType>& types)
{
    view();
    tableCellTypes_ = types;
    fileTableView_->setColumnCount(int(types.size()));
    QHeaderView* header = fileTableView_->horizontalHeader();
    for (int column = 0; column < types.size(); ++column) {
        const FileTableColumn description = types[column].makeTableColumn();
        auto* item = new QTableWidgetItem(description.title);
        item->setData(Qt::UserRole, description.identifier);
        fileTableView_->setHorizontalHeaderItem(column, item);
        if (description.isFixed()) {
            header->setSectionResizeMode(column, QHeaderView::Fixed);
            header->resizeSection(column, description.width);
        } else {
            header->setSectionResizeMode(column, QHeaderView::Stretch);
        }
    }
    reloadRows();
}

FileItemTableCellView* EditorFileListBarController::cell(int row, const QString& columnIdentifier) const
{
    for (int column = 0; column < tableCellTypes_.size(); ++column) {
        if (tableCellTypes_[column].columnIdentifier == columnIdentifier)
            return qobject_cast<FileItemTableCellView*>(fileTableView_->cellWidget(row, column));
    }
    return nullptr;
}

std::optional<int> EditorFileListBarController::takeDropFilesIndex()
{
    return std::exchange(dropFilesIndex_, std::nullopt);
}

void EditorFileListBarController::startObserving()
{
    if (MetadataFileList* list = metadataFileList()) {
        fileListDidChangeFilesSubscriber_.subscribe(MetadataFileList::didChangeFilesNotification, list,
                                                    [this](const brisa::Notification& note) {
                                                        const auto edition = MetadataFileList::fileListEdition(note);
                                                        if (edition && edition->kind() == brisa::SelectableArrayEdition::Kind::Selection)
                                                            applyListSelection();
                                                        else
                                                            reloadRows();
                                                    });
    }
    taskManagerDidRemoveTaskSubscriber_.subscribe(halvex::TaskManager::didRemoveTaskNotification,
                                                  &halvex::TaskManager::shared(),
                                                  [this](const brisa::Notification&) { reloadCellContents(); });
}

void EditorFileListBarController::stopObserving()
{
    fileListDidChangeFilesSubscriber_.unsubscribe();
    taskManagerDidRemoveTaskSubscriber_.unsubscribe();
}

void EditorFileListBarController::reloadRows()
{
    MetadataFileList* list = metadataFileList();
    files_ = list ? list->files() : QList<MetadataFilePointer>();
    fileTableView_->setRowCount(int(files_.size()));
    materializeVisibleRows();
    applyListSelection();
}

// Only the rows in sight (and a screenful around them) have cell views: a table of thousands of
// files would otherwise hold tens of thousands of widgets, and every layout of the table walks
// them all.
void EditorFileListBarController::materializeVisibleRows()
{
    if (!fileTableView_)
        return;
    const int rowCount = fileTableView_->rowCount();
    const int viewportHeight = fileTableView_->viewport()->height();
    const int pageRows = std::max(1, viewportHeight / rowHeight + 1);
    int first = fileTableView_->rowAt(0);
    if (first < 0)
        first = rowCount > 0 && fileTableView_->verticalScrollBar()->value() == 0 ? 0 : rowCount;
    int last = fileTableView_->rowAt(std::max(0, viewportHeight - 1));
    if (last < 0)
        last = std::min(rowCount - 1, first + pageRows);
    first = std::max(0, first - pageRows);
    last = std::min(rowCount - 1, last + pageRows);

    for (auto it = materializedRows_.begin(); it != materializedRows_.end();) {
        if (*it < first || *it > last || *it >= rowCount) {
            for (int column = 0; column < fileTableView_->columnCount(); ++column)
                fileTableView_->removeCellWidget(*it, column);
            it = materializedRows_.erase(it);
        } else {
            ++it;
        }
    }
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < tableCellTypes_.size(); ++column) {
            auto* cell = qobject_cast<FileItemTableCellView*>(fileTableView_->cellWidget(row, column));
            if (!cell) {
                cell = tableCellTypes_[column].makeView();
                fileTableView_->setCellWidget(row, column, cell);
            }
            if (cell->file() != files_[row])
                cell->setFile(files_[row]);
        }
        materializedRows_.insert(row);
    }
}

void EditorFileListBarController::reloadCellContents()
{
    for (int row : materializedRows_) {
        for (int column = 0; column < fileTableView_->columnCount(); ++column) {
            if (auto* cell = qobject_cast<FileItemTableCellView*>(fileTableView_->cellWidget(row, column)))
                cell->updateContent();
        }
    }
}

void EditorFileListBarController::applyListSelection()
{
    MetadataFileList* list = metadataFileList();
    if (!list)
        return;
    QItemSelection selection;
    for (int row : list->selection()) {
        if (row < fileTableView_->rowCount())
            selection.select(fileTableView_->model()->index(row, 0),
                             fileTableView_->model()->index(row, std::max(0, fileTableView_->columnCount() - 1)));
    }
    applyingSelection_ = true;
    fileTableView_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    applyingSelection_ = false;
}

void EditorFileListBarController::tableSelectionDidChange()
{
    MetadataFileList* list = metadataFileList();
    if (applyingSelection_ || !list)
        return;
    QList<int> rows;
    for (const QModelIndex& index : fileTableView_->selectionModel()->selectedRows())
        rows << index.row();
    // The list posts only a selection that differs from its own, which ends the echo.
    list->setSelection(brisa::IndexSet(rows));
}

void EditorFileListBarController::focus()
{
    if (fileTableView_ && fileTableView_->window())
        fileTableView_->setFocus();
}

void EditorFileListBarController::saveScrollPosition()
{
    brisa::UserDefaults::standard().set(Settings::fileSectionListScrollY(), fileTableView_->verticalScrollBar()->value());
}

void EditorFileListBarController::restoreScrollPosition()
{
    const double position = brisa::UserDefaults::standard().value(Settings::fileSectionListScrollY());
    if (position > 0)
        fileTableView_->verticalScrollBar()->setValue(int(position));
}

bool EditorFileListBarController::eventFilter(QObject* watched, QEvent* event)
{
    // The table would toggle the current row's selection: the space bar is Quick Look's.
    if (fileTableView_ && watched == fileTableView_.data() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            if (EditorWindowController* controller = EditorWindowController::controllerOf(fileTableView_))
                controller->performCommand(QStringLiteral("toggleQuickLook:"), nullptr);
            return true;
        }
    }
    if (fileTableView_ && watched == fileTableView_->viewport()) {
        switch (event->type()) {
        case QEvent::Resize:
            QMetaObject::invokeMethod(this, &EditorFileListBarController::materializeVisibleRows, Qt::QueuedConnection);
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            EditorWindowController* controller = EditorWindowController::controllerOf(fileTableView_);
            if (controller && controller->canOpenFiles(FileUrlDragData::localFileUrls(drag->mimeData())))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            EditorWindowController* controller = EditorWindowController::controllerOf(fileTableView_);
            const QList<QUrl> urls = FileUrlDragData::localFileUrls(drop->mimeData());
            if (!controller || urls.isEmpty())
                return true;
            const int row = fileTableView_->rowAt(drop->position().toPoint().y());
            dropFilesIndex_ = row < 0 ? fileTableView_->rowCount() : row;
            drop->acceptProposedAction();
            controller->addFiles(urls);
            return true;
        }
        default:
            break;
        }
    }
    return EditorBarController::eventFilter(watched, event);
}

} // namespace corvelle
