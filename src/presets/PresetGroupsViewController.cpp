#include "presets/PresetGroupsViewController.h"

#include "engine/halvex/libraries/PresetManager.h"
#include "presets/PresetCountTableCellView.h"
#include "presets/PresetGroupsModel.h"
#include "presets/PresetMoreTableCellView.h"
#include "presets/PresetNameTableCellView.h"
#include "widgets/controls/RightClickOutlineView.h"

#include "ui_PresetGroupsView.h"

#include <QHeaderView>
#include <QTimer>

namespace corvelle {

PresetGroupsViewController::PresetGroupsViewController(halvex::PresetManager& manager, QWidget* parent)
    : ViewController(parent)
    , manager_(manager)
    , model_(new PresetGroupsModel(manager, this))
    , ui_(std::make_unique<Ui::PresetGroupsView>())
{
    ui_->setupUi(this);
    outlineView_ = ui_->outlineView;
    outlineView_->setModel(model_);
    outlineView_->setDropIndicatorShown(true);
    outlineView_->setFocusPolicy(Qt::StrongFocus);
    outlineView_->setItemDelegateForColumn(PresetGroupsModel::nameColumn, new PresetNameTableCellView(this));
    outlineView_->setItemDelegateForColumn(PresetGroupsModel::countColumn, new PresetCountTableCellView(this));
    outlineView_->setItemDelegateForColumn(PresetGroupsModel::moreColumn, new PresetMoreTableCellView(this));
    outlineView_->header()->setStretchLastSection(false);
    outlineView_->header()->setSectionResizeMode(PresetGroupsModel::nameColumn, QHeaderView::Stretch);
    outlineView_->header()->setSectionResizeMode(PresetGroupsModel::countColumn, QHeaderView::ResizeToContents);
    outlineView_->header()->setSectionResizeMode(PresetGroupsModel::moreColumn, QHeaderView::Fixed);
    outlineView_->header()->resizeSection(PresetGroupsModel::moreColumn, 28);
    outlineView_->expandAll();

    connect(outlineView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionDidChange(); });
    // Every group stays open, new ones included.
    connect(model_, &QAbstractItemModel::rowsInserted, outlineView_, [this](const QModelIndex& parent) {
        if (!parent.isValid())
            outlineView_->expandAll();
    });
    connect(model_, &QAbstractItemModel::modelReset, outlineView_, &QTreeView::expandAll);
    // After the model: the rows are in step when the selection is restored.
    const auto restore = [this](const brisa::Notification&) { restoreSelection(); };
    groupsSubscriber_.subscribe(halvex::PresetManager::didChangeGroupsNotification, &manager_, restore);
    presetsSubscriber_.subscribe(halvex::PresetGroup::didChangePresetsNotification, nullptr, restore);
    restoreSelection();
}

PresetGroupsViewController::~PresetGroupsViewController()
{
    groupsSubscriber_.unsubscribe();
    presetsSubscriber_.unsubscribe();
}

void PresetGroupsViewController::setRowMenu(QMenu* menu)
{
    outlineView_->setMenu(menu);
}

void PresetGroupsViewController::selectionDidChange()
{
    if (isRestoring_)
        return;
    QList<QModelIndex> rows = outlineView_->selectionModel()->selectedRows(PresetGroupsModel::nameColumn);
    // In outline row order: every group is open, so a preset follows its group.
    const auto rowKey = [](const QModelIndex& index) {
        return index.parent().isValid() ? qint64(index.parent().row()) * 1000000 + index.row() + 1
                                        : qint64(index.row()) * 1000000;
    };
    std::sort(rows.begin(), rows.end(), [&](const QModelIndex& a, const QModelIndex& b) { return rowKey(a) < rowKey(b); });
    QList<halvex::EquatableObjectPtr> objects;
    for (const QModelIndex& row : rows) {
        if (const halvex::EquatableObjectPtr object = model_->object(row))
            objects.append(object);
    }
    isRestoring_ = true;
    manager_.setSelectedObjects(objects);
    isRestoring_ = false;
}

void PresetGroupsViewController::restoreSelection()
{
    if (isRestoring_)
        return;
    const QList<halvex::EquatableObjectPtr> selected = manager_.selectedObjects();
    QItemSelection rows;
    for (const halvex::EquatableObjectPtr& object : selected) {
        const QModelIndex first = model_->indexOf(object.get(), 0);
        if (first.isValid())
            rows.select(first, model_->indexOf(object.get(), PresetGroupsModel::moreColumn));
    }
    isRestoring_ = true;
    if (rows.isEmpty() && !selected.isEmpty())
        manager_.setSelectedObjects({});
    outlineView_->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    isRestoring_ = false;
}

} // namespace corvelle
