#include "editing/EditorEditStepSelectActionViewController.h"

#include "editing/EditionKindTraits.h"
#include "editing/EditorEditValuesInterfaceController.h"
#include "editing/EditorSelectActionListModel.h"
#include "editing/EditorSelectActionTableCellView.h"
#include "engine/halvex/editions/ApplyPresetEntries.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "widgets/FormTexts.h"

#include "ui_EditorEditStepSelectActionView.h"

namespace corvelle {

EditorEditStepSelectActionViewController::EditorEditStepSelectActionViewController(QWidget* parent)
    : EditionEditStepViewController(parent)
{
    view();
}

EditorEditStepSelectActionViewController::~EditorEditStepSelectActionViewController() = default;

void EditorEditStepSelectActionViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorEditStepSelectActionView>();
    ui_->setupUi(this);
    FormTexts::localize(this);
    model_ = new EditorSelectActionListModel(this);
    ui_->tableView->setModel(model_);
    ui_->tableView->setItemDelegate(new EditorSelectActionTableCellView(ui_->tableView));
    connect(ui_->tableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &EditorEditStepSelectActionViewController::tableViewSelectionDidChange);
    connect(ui_->tableView, &QAbstractItemView::doubleClicked, this, [this] {
        if (EditorEditValuesInterfaceController* host = valuesInterfaceController())
            host->continueEdition();
    });
}

QListView* EditorEditStepSelectActionViewController::tableView() const
{
    return ui_->tableView;
}

void EditorEditStepSelectActionViewController::setupViews()
{
    selectCurrentEdition();
}

void EditorEditStepSelectActionViewController::configure(EditorEditValuesInterfaceController* host)
{
    EditionEditStepViewController::configure(host);
    const std::optional<EditorEditionCache::ValueSet> valueSet = hostValueSet();
    QList<FlatActionEdition> editions;
    if (valueSet && !valueSet->tagItems().isEmpty()) {
        const EditionKind kind = EditionKindTraits::editionViewControllerKind(valueSet->tagItems().first());
        editions = EditionKindTraits::of(kind).supportedActionEditions();
    }
    model_->setActionEditions(editions);
    flatActionEdition_ = host ? std::optional<FlatActionEdition>(host->cache().flatEdition()) : std::nullopt;
    selectCurrentEdition();
    const QModelIndexList selected = ui_->tableView->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        ui_->tableView->scrollTo(selected.first(), QAbstractItemView::PositionAtCenter);
}

void EditorEditStepSelectActionViewController::selectCurrentEdition()
{
    isSelecting_ = true;
    model_->setChosenEdition(flatActionEdition_);
    const int row = model_->rowOf(flatActionEdition_);
    if (row >= 0) {
        ui_->tableView->selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::ClearAndSelect);
    } else {
        ui_->tableView->selectionModel()->clearSelection();
    }
    isSelecting_ = false;
}

void EditorEditStepSelectActionViewController::tableViewSelectionDidChange()
{
    if (isSelecting_)
        return;
    const QModelIndexList selected = ui_->tableView->selectionModel()->selectedIndexes();
    const int row = selected.isEmpty() ? -1 : selected.first().row();
    const QList<FlatActionEdition>& editions = model_->actionEditions();
    flatActionEdition_ = row >= 0 && row < editions.size() ? std::optional<FlatActionEdition>(editions.at(row)) : std::nullopt;
    model_->setChosenEdition(flatActionEdition_);
    if (EditorEditValuesInterfaceController* host = valuesInterfaceController()) {
        host->cache().setFlatEdition(flatActionEdition_.value_or(FlatActionEdition()));
        host->updateInterface();
    }
}

void EditorEditStepSelectActionViewController::chooseEdition(const std::optional<FlatActionEdition>& edition)
{
    const int row = model_->rowOf(edition);
    if (row >= 0)
        ui_->tableView->selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::ClearAndSelect);
    else
        ui_->tableView->selectionModel()->clearSelection();
}

void EditorEditStepSelectActionViewController::focus()
{
    ui_->tableView->setFocus(Qt::OtherFocusReason);
}

std::optional<EditionEditStepViewController::Step> EditorEditStepSelectActionViewController::nextStep() const
{
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    if (!host)
        return std::nullopt;
    const FlatActionEdition& edition = host->cache().flatEdition();
    if (edition.kind() != FlatActionEdition::Kind::presetEdition)
        return Step::actionEdition;
    switch (edition.flatPresetEdition()->value()) {
    case FlatPresetEdition::copyOtherTagValue:
    case FlatPresetEdition::editCurrentValue:
    case FlatPresetEdition::searchAndReplace:
        return Step::actionEdition;
    default:
        return std::nullopt;
    }
}

void EditorEditStepSelectActionViewController::leave(bool finishing)
{
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    if (!host)
        return;
    host->cache().setFlatEdition(flatActionEdition_.value_or(FlatActionEdition()));
    if (finishing)
        applySelectedEdition();
}

void EditorEditStepSelectActionViewController::applySelectedEdition()
{
    const std::optional<EditorEditionCache::ValueSet> valueSet = hostValueSet();
    if (!valueSet || !flatActionEdition_)
        return;
    const std::optional<FlatPresetEdition> flat = flatActionEdition_->flatPresetEdition();
    const std::optional<halvex::PresetEdition> edition = flat ? flat->presetEdition() : std::nullopt;
    if (!edition)
        return;
    QList<halvex::PresetItem::Entry> entries;
    for (const ostrak::TagItem& item : valueSet->tagItems())
        entries.append(halvex::PresetItem::Entry(item.tagName(), *edition));
    // Behind any edition already queued, so that it applies to the values those leave.
    const QList<std::shared_ptr<halvex::TagEditor>> editors = valueSet->editors();
    halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>(
        [editors, entries] { halvex::applyPresetEntries(editors, entries); }));
}

} // namespace corvelle
