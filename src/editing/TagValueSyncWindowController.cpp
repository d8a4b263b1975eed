#include "editing/TagValueSyncWindowController.h"

#include "editing/TagValueSyncDestTagTableCellView.h"
#include "editing/TagValueSyncMiddleTableCellView.h"
#include "editing/TagValueSyncMoreTableCellView.h"
#include "editing/TagValueSyncSourceTagTableCellView.h"
#include "editing/TagValueSyncPairListModel.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/WindowControl.h"
#include "tags/TagNamePickerWindowController.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_TagValueSyncWindow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>

namespace corvelle {

TagValueSyncWindowController::TagValueSyncWindowController(QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::TagValueSyncWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    model_ = new TagValueSyncPairListModel(this);
    QTableView* table = ui_->valueTableView;
    table->setModel(model_);
    table->setItemDelegateForColumn(TagValueSyncPairListModel::sourceColumn, new TagValueSyncSourceTagTableCellView(table));
    table->setItemDelegateForColumn(TagValueSyncPairListModel::middleColumn, new TagValueSyncMiddleTableCellView(table));
    table->setItemDelegateForColumn(TagValueSyncPairListModel::destinationColumn, new TagValueSyncDestTagTableCellView(table));
    auto* more = new TagValueSyncMoreTableCellView(table);
    table->setItemDelegateForColumn(TagValueSyncPairListModel::moreColumn, more);
    connect(more, &TagValueSyncMoreTableCellView::rowMenuRequested, this, &TagValueSyncWindowController::showRowMenu);
    // A pair is one row: it is selected, deleted and dragged whole.
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setShowGrid(false);
    table->horizontalHeader()->setSectionResizeMode(TagValueSyncPairListModel::sourceColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(TagValueSyncPairListModel::destinationColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(TagValueSyncPairListModel::middleColumn, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(TagValueSyncPairListModel::moreColumn, QHeaderView::ResizeToContents);
    table->setDragEnabled(true);
    table->setAcceptDrops(true);
    table->setDropIndicatorShown(true);

    deletePairsAction_ = new QAction(localizedString(QStringLiteral("TagValueSyncDeletePairs")), table);
    deletePairsAction_->setObjectName(QStringLiteral("deletePairs:"));
    table->addAction(deletePairsAction_);
    connect(deletePairsAction_, &QAction::triggered, this, &TagValueSyncWindowController::deletePairs);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TagValueSyncWindowController::updateInterface);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model_, signal, this, &TagValueSyncWindowController::updateInterface);

    connect(ui_->searchTagSourceButton, &QAbstractButton::clicked, this, &TagValueSyncWindowController::searchTagSource);
    connect(ui_->searchTagDestButton, &QAbstractButton::clicked, this, &TagValueSyncWindowController::searchTagDest);
    connect(ui_->addTagPairButton, &QAbstractButton::clicked, this, &TagValueSyncWindowController::addPair);
    connect(ui_->resetButton, &QAbstractButton::clicked, this, &TagValueSyncWindowController::resetFilter);
    connect(ui_->cancelButton, &QAbstractButton::clicked, this, &TagValueSyncWindowController::cancelSheet);
    connect(ui_->validateButton, &QAbstractButton::clicked, this, &TagValueSyncWindowController::validateSheet);

    QPointer<TagValueSyncWindowController> weakSelf(this);
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar_.addItemSet({});
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    items.addItem([weakSelf](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("EditorPanelCancelTouchButton"));
        settings.width = brisa::DynamicTouchBarItemButtonSettings::standardWidth;
        settings.action = [weakSelf] {
            if (weakSelf)
                weakSelf->cancelSheet();
        };
    });
    items.addItem([weakSelf](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("EditorPanelApplyTouchButton"));
        settings.width = brisa::DynamicTouchBarItemButtonSettings::standardWidth;
        settings.bezelColor = brisa::DynamicTouchBarItemButtonSettings::accentColor();
        settings.action = [weakSelf] {
            if (weakSelf)
                weakSelf->validateSheet();
        };
    });
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    updateInterface();
}

TagValueSyncWindowController::~TagValueSyncWindowController() = default;

QTableView* TagValueSyncWindowController::valueTableView() const { return ui_->valueTableView; }
QLineEdit* TagValueSyncWindowController::tagSourceTextField() const { return ui_->tagSourceTextField; }
QLineEdit* TagValueSyncWindowController::tagDestTextField() const { return ui_->tagDestTextField; }
QPushButton* TagValueSyncWindowController::addTagPairButton() const { return ui_->addTagPairButton; }
QPushButton* TagValueSyncWindowController::cancelButton() const { return ui_->cancelButton; }
QPushButton* TagValueSyncWindowController::validateButton() const { return ui_->validateButton; }

QList<halvex::TagSyncPair> TagValueSyncWindowController::tagCopies() const
{
    return model_->pairs();
}

void TagValueSyncWindowController::setTagCopies(const QList<halvex::TagSyncPair>& pairs)
{
    model_->setPairs(pairs);
    updateInterface();
}

void TagValueSyncWindowController::setTagSource(const std::optional<ostrak::TagName>& tagName)
{
    tagSource_ = tagName;
    updateInterface();
}

void TagValueSyncWindowController::setTagDest(const std::optional<ostrak::TagName>& tagName)
{
    tagDest_ = tagName;
    updateInterface();
}

void TagValueSyncWindowController::searchTagSource()
{
    pickTag(true);
}

void TagValueSyncWindowController::searchTagDest()
{
    pickTag(false);
}

void TagValueSyncWindowController::pickTag(bool source)
{
    auto* picker = new TagNamePickerWindowController;
    picker->setInstructions(localizedString(QStringLiteral("SelectOneTagNamePickerTitle")));
    QPointer<TagValueSyncWindowController> weakSelf(this);
    const bool shown = brisa::SheetPresenter::presentSheet(this, picker, [weakSelf, picker, source](int returnCode) {
        if (weakSelf && returnCode == 1 && picker->selectedTagItem()) {
            const ostrak::TagName name = picker->selectedTagItem()->tagName();
            source ? weakSelf->setTagSource(name) : weakSelf->setTagDest(name);
        }
        picker->deleteLater();
    });
    if (!shown)
        delete picker;
}

void TagValueSyncWindowController::addPair()
{
    if (!tagSource_ || !tagDest_)
        return;
    model_->append({*tagSource_, *tagDest_});
    tagSource_.reset();
    tagDest_.reset();
    updateInterface();
}

void TagValueSyncWindowController::deletePairs()
{
    brisa::IndexSet rows;
    for (const QModelIndex& index : ui_->valueTableView->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.isEmpty())
        return;
    model_->remove(rows);
    updateInterface();
}

void TagValueSyncWindowController::deletePair(int row)
{
    model_->remove(brisa::IndexSet{row});
    updateInterface();
}

void TagValueSyncWindowController::showRowMenu(int row, const QPoint& globalPosition)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* remove = menu->addAction(localizedString(QStringLiteral("TagValueSyncDeletePair")));
    remove->setObjectName(QStringLiteral("deletePairs:"));
    QPointer<TagValueSyncWindowController> weakSelf(this);
    connect(remove, &QAction::triggered, this, [weakSelf, row] {
        if (weakSelf)
            weakSelf->deletePair(row);
    });
    menu->popup(globalPosition);
}

void TagValueSyncWindowController::resetFilter()
{
    model_->setPairs({});
    updateInterface();
}

void TagValueSyncWindowController::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        deletePairs();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TagValueSyncWindowController::cancelSheet()
{
    done(QDialog::Rejected);
}

void TagValueSyncWindowController::validateSheet()
{
    if (model_->pairs().isEmpty())
        return;
    brisa::WindowControl::forceEndEditing(this);
    done(QDialog::Accepted);
}

void TagValueSyncWindowController::updateInterface()
{
    ui_->tagSourceTextField->setText(tagSource_ ? tagSource_->rawValue() : QString());
    ui_->tagDestTextField->setText(tagDest_ ? tagDest_->rawValue() : QString());
    ui_->addTagPairButton->setEnabled(tagSource_ && tagDest_);
    ui_->cancelButton->setEnabled(true);
    ui_->validateButton->setEnabled(!model_->pairs().isEmpty());
    deletePairsAction_->setEnabled(ui_->valueTableView->selectionModel()->hasSelection());
    dynamicTouchBar_.reloadDisplayedItems();
}

} // namespace corvelle
