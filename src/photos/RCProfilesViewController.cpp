#include "photos/RCProfilesViewController.h"

#include "editor/FileMoreTableCellView.h"
#include "editor/FileSelectionTableCellView.h"
#include "editor/FileTextTableCellView.h"
#include "photos/RCProfileListModel.h"
#include "photos/RCWindowController.h"
#include "widgets/TextLocalizer.h"

#include "ui_RCProfilesView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

namespace corvelle {

RCProfilesViewController::RCProfilesViewController(RCWindowController& windowController,
                                                   halvex::PhotosRemoteManager& manager, QWidget* parent)
    : QWidget(parent)
    , windowController_(windowController)
    , manager_(manager)
    , ui_(std::make_unique<Ui::RCProfilesView>())
    , contextMenu_(new QMenu(this))
{
    ui_->setupUi(this);
    model_ = new RCProfileListModel(manager_, [this] { windowController_.storeProfiles(); }, this);
    QTableView* table = ui_->tableView;
    table->setModel(model_);
    table->setItemDelegateForColumn(RCProfileListModel::SelectionColumn, new FileSelectionTableCellView(table));
    table->setItemDelegateForColumn(RCProfileListModel::NameColumn, new FileTextTableCellView(table));
    table->setItemDelegateForColumn(RCProfileListModel::CommentColumn, new FileTextTableCellView(table));
    table->setItemDelegateForColumn(RCProfileListModel::MoreColumn, new FileMoreTableCellView(table));
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionsMovable(false);
    table->horizontalHeader()->setMinimumSectionSize(24);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionResizeMode(RCProfileListModel::NameColumn, QHeaderView::Stretch);
    table->setColumnWidth(RCProfileListModel::SelectionColumn, 30);
    table->setColumnWidth(RCProfileListModel::CommentColumn, 84);
    table->setColumnWidth(RCProfileListModel::MoreColumn, 34);
    table->setDropIndicatorShown(true);
    table->setDragDropOverwriteMode(false);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    table->installEventFilter(this);

    deleteRowAction_ = contextMenu_->addAction(localizedString(QStringLiteral("RemoteProfileDeleteMenuItem")));
    deleteRowAction_->setObjectName(QStringLiteral("deleteProfiles:"));
    connect(deleteRowAction_, &QAction::triggered, this, [this] { deleteProfileAtRow(menuRow_); });
    connect(table, &QWidget::customContextMenuRequested, this, [this, table](const QPoint& position) {
        const int row = table->indexAt(position).row();
        if (row >= 0)
            contextMenu(row)->popup(table->viewport()->mapToGlobal(position));
    });
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RCProfilesViewController::tableSelectionDidChange);
    connect(model_, &RCProfileListModel::rowsDidChange, this, &RCProfilesViewController::selectSelectionList);
    selectSelectionList();
}

RCProfilesViewController::~RCProfilesViewController() = default;

QTableView* RCProfilesViewController::tableView() const
{
    return ui_->tableView;
}

QMenu* RCProfilesViewController::contextMenu(int row)
{
    menuRow_ = row;
    deleteRowAction_->setEnabled(model_->profileAt(row) != nullptr);
    return contextMenu_;
}

void RCProfilesViewController::deleteProfileAtRow(int row)
{
    const halvex::PhotosRemoteProfilePtr profile = model_->profileAt(row);
    if (!profile)
        return;
    const int index = int(manager_.profiles().indexOf(profile));
    if (index < 0)
        return;
    manager_.removeProfiles(brisa::IndexSet{index});
    windowController_.storeProfiles();
}

void RCProfilesViewController::selectSelectionList()
{
    QItemSelection selection;
    for (const halvex::PhotosRemoteProfilePtr& profile : manager_.selectedProfiles()) {
        const int row = model_->rowOf(profile.get());
        if (row >= 0)
            selection.select(model_->index(row, 0), model_->index(row, RCProfileListModel::ColumnCount - 1));
    }
    selecting_ = true;
    ui_->tableView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    selecting_ = false;
}

void RCProfilesViewController::tableSelectionDidChange()
{
    if (selecting_)
        return;
    QList<int> rows;
    for (const QModelIndex& index : ui_->tableView->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<halvex::PhotosRemoteProfilePtr> profiles;
    for (int row : rows)
        profiles << model_->profileAt(row);
    manager_.setSelectedProfiles(profiles);
}

bool RCProfilesViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->tableView && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
            windowController_.performCommand(QStringLiteral("deleteProfiles:"));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace corvelle
