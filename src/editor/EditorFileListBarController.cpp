#include "editor/EditorFileListBarController.h"

#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "editor/EditorWindowHost.h"
#include "editor/FileItemTableCellView.h"
#include "editor/FileThumbnailTableCellView.h"
#include "filemodel/FileRowDragData.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "filemodel/MetadataFileListSelectionModel.h"
#include "platform/brisa/core/UserDefaults.h"
#include "widgets/FormTexts.h"

#include "ui_EditorFileListBar.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>

namespace corvelle {

EditorFileListBarController::EditorFileListBarController(EditorViewController* editorViewController)
    : EditorFileBarController(editorViewController)
    , ui_(std::make_unique<Ui::EditorFileListBar>())
{
}

QTableView* EditorFileListBarController::fileTableView() const
{
    return ui_->fileTableView;
}

EditorFileListBarController::~EditorFileListBarController() = default;

void EditorFileListBarController::loadView()
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

MetadataFileListModel* EditorFileListBarController::fileListModel() const
{
    return model_;
}

QItemSelectionModel* EditorFileListBarController::fileSelectionModel() const
{
    return model_ ? ui_->fileTableView->selectionModel() : nullptr;
}

void EditorFileListBarController::setupViews()
{
    QTableView* table = ui_->fileTableView;
    QHeaderView* rows = table->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(rowHeight);
    table->horizontalHeader()->setMinimumSectionSize(1);
    table->setDragEnabled(true);
    table->setDragDropMode(QAbstractItemView::DragDrop);
    installFileItemViewHandling();
    connect(table, &QWidget::customContextMenuRequested, this, &EditorFileListBarController::showContextualMenu);

    EditorWindowHost* host = editorWindowController();
    QItemSelectionModel* selection = nullptr;
    if (host && host->fileListModel()) {
        model_ = host->fileListModel();
        selection = host->fileSelectionModel();
    } else if (MetadataFileList* list = metadataFileList()) {
        // A host without a shared model (a stand-in): the bar keeps its own.
        model_ = new MetadataFileListModel(list, this);
    }
    if (!model_)
        return;
    model_->setRowDragType(rowPasteboardType());
    table->setModel(model_);
    if (!selection || selection->model() != model_)
        selection = new MetadataFileListSelectionModel(model_, this);
    table->setSelectionModel(selection);
}

void EditorFileListBarController::setTableCellTypes(const QList<FileTableCellType>& types)
{
    view();
    tableCellTypes_ = types;
    for (const QPointer<FileItemTableCellView>& delegate : std::as_const(delegates_))
        delete delegate.data();
    delegates_.clear();
    if (!model_)
        return;
    const QString thumbnailColumn = FileThumbnailTableCellView::cellType().columnIdentifier;
    QList<FileTableColumn> descriptions;
    QList<MetadataFileListModel::Column> columns;
    for (const FileTableCellType& type : types) {
        const FileTableColumn description = type.makeTableColumn();
        descriptions << description;
        columns << MetadataFileListModel::Column{description.identifier, description.title,
                                                 description.identifier == thumbnailColumn};
    }
    model_->setColumns(columns);

    QTableView* table = ui_->fileTableView;
    QHeaderView* header = table->horizontalHeader();
    for (int column = 0; column < types.size(); ++column) {
        auto* delegate = types[column].makeDelegate(table);
        delegates_ << delegate;
        table->setItemDelegateForColumn(column, delegate);
        const FileTableColumn& description = descriptions[column];
        if (description.isFixed()) {
            header->setSectionResizeMode(column, QHeaderView::Fixed);
            header->resizeSection(column, description.width);
        } else {
            // The name column takes the spare width; its texts are cut, not the window widened.
            header->setSectionResizeMode(column, QHeaderView::Stretch);
        }
    }
}

FileItemTableCellView* EditorFileListBarController::cellDelegate(const QString& columnIdentifier) const
{
    const int column = model_ ? model_->columnOf(columnIdentifier) : -1;
    return column >= 0 ? qobject_cast<FileItemTableCellView*>(ui_->fileTableView->itemDelegateForColumn(column)) : nullptr;
}

QModelIndex EditorFileListBarController::cellIndex(int row, const QString& columnIdentifier) const
{
    const int column = model_ ? model_->columnOf(columnIdentifier) : -1;
    return column >= 0 ? model_->index(row, column) : QModelIndex();
}

QString EditorFileListBarController::rowPasteboardType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("fileTableViewRow"));
    return type;
}

QAbstractItemView* EditorFileListBarController::fileItemView() const
{
    return ui_->fileTableView;
}

std::optional<int> EditorFileListBarController::dropDestination(QDropEvent* event, bool movesRows) const
{
    QTableView* table = ui_->fileTableView;
    const int rows = model_ ? model_->rowCount() : 0;
    const int y = event->position().toPoint().y();
    const int row = table->rowAt(y);
    if (row < 0)
        return rows;
    // The outer quarters of a row are the gaps above and below it; its middle is the row itself.
    const int top = table->rowViewportPosition(row);
    const int height = table->rowHeight(row);
    if (y < top + height / 4)
        return row;
    if (y >= top + height - height / 4)
        return row + 1;
    // Files dropped onto a row go before it; rows cannot be moved onto one another.
    return movesRows ? std::nullopt : std::optional<int>(row);
}

void EditorFileListBarController::selectAll()
{
    if (MetadataFileList* list = metadataFileList())
        list->selectAllFiles();
}

void EditorFileListBarController::deselectAll()
{
    if (MetadataFileList* list = metadataFileList())
        list->deselectAllFiles();
}

void EditorFileListBarController::showContextualMenu(const QPoint& position)
{
    EditorWindowHost* host = editorWindowController();
    QMenu* menu = host ? host->fileContextualMenu() : nullptr;
    if (menu)
        menu->popup(ui_->fileTableView->viewport()->mapToGlobal(position));
}

void EditorFileListBarController::focus()
{
    if (ui_->fileTableView && ui_->fileTableView->window())
        ui_->fileTableView->setFocus();
}

void EditorFileListBarController::saveScrollPosition()
{
    brisa::UserDefaults::standard().set(Settings::fileSectionListScrollY(),
                                        ui_->fileTableView->verticalScrollBar()->value());
}

void EditorFileListBarController::restoreScrollPosition()
{
    const double position = brisa::UserDefaults::standard().value(Settings::fileSectionListScrollY());
    if (position > 0)
        ui_->fileTableView->verticalScrollBar()->setValue(int(position));
}

} // namespace corvelle
