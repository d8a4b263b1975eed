#include "keywords/KeywordOutlineViewController.h"

#include "keywords/KeywordHeaderTableCellView.h"
#include "keywords/KeywordMoreTableCellView.h"
#include "keywords/KeywordNameTableCellView.h"
#include "keywordmodel/KeywordOutlineModel.h"
#include "keywords/KeywordPersonTableCellView.h"
#include "keywords/KeywordSynonymsTableCellView.h"

#include "ui_KeywordOutlineView.h"

#include <QHeaderView>
#include <QTreeView>

#include <algorithm>

namespace corvelle {

using halvex::KeywordItemPtr;
using halvex::KeywordManager;

namespace {

// The rows from the top to the index: comparing them orders indexes as the outline shows them.
QList<int> pathOf(QModelIndex index)
{
    QList<int> path;
    for (; index.isValid(); index = index.parent())
        path.prepend(index.row());
    return path;
}

} // namespace

KeywordOutlineViewController::KeywordOutlineViewController(KeywordOutlineModel* model, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::KeywordOutlineView>()), model_(model)
{
    ui_->setupUi(this);
    model_->setParent(this);
    QTreeView* view = ui_->outlineView;
    view->setModel(model_);
    view->setItemDelegateForColumn(KeywordOutlineModel::NameColumn, new KeywordNameTableCellView(view));
    view->setItemDelegateForColumn(KeywordOutlineModel::HeaderColumn, new KeywordHeaderTableCellView(view));
    view->setItemDelegateForColumn(KeywordOutlineModel::PersonColumn, new KeywordPersonTableCellView(view));
    view->setItemDelegateForColumn(KeywordOutlineModel::SynonymsColumn, new KeywordSynonymsTableCellView(view));
    view->setItemDelegateForColumn(KeywordOutlineModel::MoreColumn, new KeywordMoreTableCellView(view));
    QHeaderView* header = view->header();
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(KeywordOutlineModel::NameColumn, QHeaderView::Stretch);
    for (int column = KeywordOutlineModel::HeaderColumn; column < KeywordOutlineModel::ColumnCount; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    header->setMinimumSectionSize(24);

    if (!model_->isReadOnly()) {
        view->setDragEnabled(true);
        view->setAcceptDrops(true);
        view->setDropIndicatorShown(true);
        view->setDragDropMode(QAbstractItemView::InternalMove);
        view->setDefaultDropAction(Qt::MoveAction);
        connect(view, &QTreeView::doubleClicked, this, [this] { Q_EMIT editRequested(); });
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& position) {
            Q_EMIT contextMenuRequested(KeywordOutlineModel::itemOf(view->indexAt(position)),
                                        view->viewport()->mapToGlobal(position));
        });
    }

    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &KeywordOutlineViewController::selectionDidChange);
    // After every change of the rows (queued behind the view's own handling of the change).
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model_, signal, this, &KeywordOutlineViewController::selectCurrentItem);
    connect(model_, &QAbstractItemModel::modelReset, this, &KeywordOutlineViewController::selectCurrentItem);
    connect(view, &QTreeView::expanded, this, &KeywordOutlineViewController::selectCurrentItem);
    connect(view, &QTreeView::collapsed, this, &KeywordOutlineViewController::selectCurrentItem);
    managerSubscriber_.subscribe(KeywordManager::didChangeItemsNotification, &model_->manager(),
                                 [this](const brisa::Notification&) { selectCurrentItem(); });
    selectCurrentItem();
}

KeywordOutlineViewController::~KeywordOutlineViewController() = default;

QTreeView* KeywordOutlineViewController::outlineView() const
{
    return ui_->outlineView;
}

void KeywordOutlineViewController::selectCurrentItem()
{
    if (selecting_)
        return;
    QTreeView* view = ui_->outlineView;
    KeywordManager& manager = model_->manager();
    QModelIndex row = model_->indexOf(manager.currentItem().get());
    // A row inside a collapsed parent is not shown.
    for (QModelIndex parent = row.parent(); row.isValid() && parent.isValid(); parent = parent.parent()) {
        if (!view->isExpanded(parent))
            row = {};
    }
    selecting_ = true;
    if (!row.isValid())
        manager.setCurrentItem(nullptr);
    if (row.isValid()) {
        view->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->selectionModel()->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
    } else {
        view->selectionModel()->clearSelection();
    }
    selecting_ = false;
}

void KeywordOutlineViewController::selectionDidChange()
{
    if (selecting_)
        return;
    QModelIndexList rows = ui_->outlineView->selectionModel()->selectedRows();
    const auto first = std::min_element(rows.cbegin(), rows.cend(), [](const QModelIndex& a, const QModelIndex& b) {
        return pathOf(a) < pathOf(b);
    });
    selecting_ = true;
    model_->manager().setCurrentItem(first == rows.cend() ? nullptr : KeywordOutlineModel::itemOf(*first));
    selecting_ = false;
}

} // namespace corvelle
