#include "presets/PresetEditStepSelectActionViewController.h"

#include "editing/EditionKindTraits.h"
#include "presets/PresetEditEditionWindowController.h"
#include "presets/PresetPageKeys.h"
#include "presets/PresetSelectActionTableCellView.h"
#include "widgets/FormTexts.h"

#include "ui_PresetEditStepSelectActionView.h"

#include <QKeyEvent>

namespace corvelle {

PresetEditStepSelectActionViewController::PresetEditStepSelectActionViewController(QWidget* parent)
    : PresetEditStepViewController(parent)
    , ui_(std::make_unique<Ui::PresetEditStepSelectActionView>())
    , model_(new PickerListModel<FlatPresetEdition>([](const FlatPresetEdition& edition) { return edition.title(); },
                                                   QString(), this))
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    model_->setCheckedElement(std::nullopt);
    model_->showIn(ui_->tableView);
    ui_->tableView->setItemDelegate(new PresetSelectActionTableCellView(ui_->tableView));
    connect(ui_->tableView, &QAbstractItemView::doubleClicked, this, [this] {
        if (PresetEditEditionWindowController* sheet = presetWindowController())
            sheet->continueEdition();
    });
    connect(ui_->tableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionDidChange(); });
}

PresetEditStepSelectActionViewController::~PresetEditStepSelectActionViewController() = default;

QTableView* PresetEditStepSelectActionViewController::tableView() const
{
    return ui_->tableView;
}

void PresetEditStepSelectActionViewController::attachToPresetSheet(PresetEditEditionWindowController* sheet)
{
    PresetEditStepViewController::attachToPresetSheet(sheet);
    const PresetEditionCache* cache = sheetCache();
    QList<FlatPresetEdition> editions;
    if (cache && cache->tagItem)
        editions = EditionKindTraits::of(EditionKindTraits::editionViewControllerKind(*cache->tagItem))
                       .supportedPresetEditions();
    isReloading_ = true;
    model_->setElements(editions);
    isReloading_ = false;
    flatPresetEdition_ = cache ? cache->flatEdition : std::nullopt;
    reloadSelection();
    focus();
}

void PresetEditStepSelectActionViewController::attachToEditorHost(EditorEditValuesInterfaceController*)
{
    qFatal("Editor editing actions is not supported");
}

void PresetEditStepSelectActionViewController::applyToEditorHost(bool)
{
    qFatal("Editor editing actions is not supported");
}

std::optional<PresetEditStepViewController::Step> PresetEditStepSelectActionViewController::nextStep() const
{
    const PresetEditionCache* cache = sheetCache();
    if (cache && cache->flatEdition && cache->flatEdition->hasSettings())
        return Step::actionEdition;
    return std::nullopt;
}

void PresetEditStepSelectActionViewController::focus()
{
    if (window())
        ui_->tableView->setFocus();
}

void PresetEditStepSelectActionViewController::reloadSelection()
{
    model_->setCheckedElement(flatPresetEdition_);
    QItemSelection rows;
    for (int row = 0; flatPresetEdition_ && row < model_->elements().size(); ++row) {
        if (model_->elements().at(row) == *flatPresetEdition_)
            rows.select(model_->index(row), model_->index(row));
    }
    const bool wasReloading = std::exchange(isReloading_, true);
    ui_->tableView->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    isReloading_ = wasReloading;
    if (!rows.isEmpty())
        PresetPageKeys::centreSelection(ui_->tableView);
}

void PresetEditStepSelectActionViewController::selectionDidChange()
{
    if (isReloading_)
        return;
    const QModelIndexList selected = ui_->tableView->selectionModel()->selectedRows();
    flatPresetEdition_ = selected.isEmpty() ? std::nullopt : model_->elementAt(selected.first().row());
    reloadSelection();
    if (PresetEditionCache* cache = sheetCache())
        cache->flatEdition = flatPresetEdition_.value_or(FlatPresetEdition::keepCurrentValue);
    if (PresetEditEditionWindowController* sheet = presetWindowController())
        sheet->updateInterface();
}

void PresetEditStepSelectActionViewController::storeIntoCache(bool commit)
{
    PresetEditionCache* cache = sheetCache();
    if (!cache)
        return;
    cache->flatEdition = flatPresetEdition_.value_or(FlatPresetEdition::keepCurrentValue);
    if (commit)
        cache->commit();
}

void PresetEditStepSelectActionViewController::keyPressEvent(QKeyEvent* event)
{
    if (!PresetPageKeys::forward(ui_->tableView, event))
        PresetEditStepViewController::keyPressEvent(event);
}

} // namespace corvelle
