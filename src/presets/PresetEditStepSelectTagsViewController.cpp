#include "presets/PresetEditStepSelectTagsViewController.h"

#include "editing/EditionKindTraits.h"
#include "presets/PresetEditEditionWindowController.h"
#include "presets/PresetPageKeys.h"
#include "presets/PresetSelectTagNameTableCellView.h"
#include "widgets/FormTexts.h"

#include "ui_PresetEditStepSelectTagsView.h"

#include <QKeyEvent>

namespace corvelle {

PresetEditStepSelectTagsViewController::PresetEditStepSelectTagsViewController(QWidget* parent)
    : PresetEditStepViewController(parent)
    , ui_(std::make_unique<Ui::PresetEditStepSelectTagsView>())
    , model_(new PickerListModel<ostrak::TagItem>([](const ostrak::TagItem& item) { return item.title(); }, QString(), this))
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    model_->setDetail([](const ostrak::TagItem& item) { return item.tagName().rawValue(); });
    model_->setCheckedElement(std::nullopt);
    model_->showIn(ui_->tableView);
    ui_->tableView->setItemDelegate(new PresetSelectTagNameTableCellView(ui_->tableView));
    ui_->progressIndicator->hide();
    connect(ui_->tableView, &QAbstractItemView::doubleClicked, this, [this] {
        if (PresetEditEditionWindowController* sheet = presetWindowController())
            sheet->continueEdition();
    });
    connect(ui_->tableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionDidChange(); });
    connect(ui_->searchField, &QLineEdit::textChanged, this, [this] { searchTagItems(); });
    // The engine lives and dies with the page, so its callbacks never outlive it.
    searchEngine_.onStateChange([this] { updateProgress(); });
    searchEngine_.onTagItemChange([this] { tagItemsDidChange(); });
    ui_->searchField->installEventFilter(new PresetPageKeys(ui_->tableView, this));
    searchTagItems();
}

PresetEditStepSelectTagsViewController::~PresetEditStepSelectTagsViewController() = default;

QTableView* PresetEditStepSelectTagsViewController::tableView() const
{
    return ui_->tableView;
}

void PresetEditStepSelectTagsViewController::attachToPresetSheet(PresetEditEditionWindowController* sheet)
{
    PresetEditStepViewController::attachToPresetSheet(sheet);
    const PresetEditionCache* cache = sheetCache();
    selectedTagName_ = cache && cache->tagItem ? std::optional(cache->tagItem->tagName()) : std::nullopt;
    reloadSelection();
    focus();
}

void PresetEditStepSelectTagsViewController::attachToEditorHost(EditorEditValuesInterfaceController*)
{
    qFatal("Editor editing actions is not supported");
}

void PresetEditStepSelectTagsViewController::applyToEditorHost(bool)
{
    qFatal("Editor editing actions is not supported");
}

void PresetEditStepSelectTagsViewController::focus()
{
    if (window())
        ui_->tableView->setFocus();
}

void PresetEditStepSelectTagsViewController::searchTagItems()
{
    halvex::TagItemSearchRequest request = searchEngine_.request();
    request.string = ui_->searchField->text();
    searchEngine_.search(std::move(request));
}

void PresetEditStepSelectTagsViewController::updateProgress()
{
    ui_->progressIndicator->setVisible(searchEngine_.isSearching());
}

void PresetEditStepSelectTagsViewController::tagItemsDidChange()
{
    isUpdatingTags_ = true;
    model_->setElements(searchEngine_.tagItems());
    isUpdatingTags_ = false;
    reloadSelection();
    updateProgress();
}

void PresetEditStepSelectTagsViewController::reloadSelection()
{
    std::optional<ostrak::TagItem> checked;
    QItemSelection rows;
    for (int row = 0; selectedTagName_ && row < model_->elements().size(); ++row) {
        if (model_->elements().at(row).tagName() == *selectedTagName_) {
            checked = model_->elements().at(row);
            rows.select(model_->index(row), model_->index(row));
        }
    }
    model_->setCheckedElement(checked);
    const bool wasUpdating = std::exchange(isUpdatingTags_, true);
    ui_->tableView->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    isUpdatingTags_ = wasUpdating;
    if (!rows.isEmpty())
        PresetPageKeys::centreSelection(ui_->tableView);
}

void PresetEditStepSelectTagsViewController::selectionDidChange()
{
    if (isUpdatingTags_)
        return;
    const QModelIndexList selected = ui_->tableView->selectionModel()->selectedRows();
    const std::optional<ostrak::TagItem> item = selected.isEmpty() ? std::nullopt : model_->elementAt(selected.first().row());
    selectedTagName_ = item ? std::optional(item->tagName()) : std::nullopt;
    reloadSelection();
    storeIntoCache(false);
    if (PresetEditEditionWindowController* sheet = presetWindowController())
        sheet->updateInterface();
}

void PresetEditStepSelectTagsViewController::storeIntoCache(bool commit)
{
    Q_UNUSED(commit);
    PresetEditionCache* cache = sheetCache();
    if (!cache)
        return;
    const std::optional<ostrak::TagItem> item = selectedTagName_ ? selectedTagName_->item() : std::nullopt;
    if (item) {
        const EditionKind kind = EditionKindTraits::actionEditionViewControllerKind(*item);
        const FlatPresetEdition current = cache->flatEdition.value_or(FlatPresetEdition::keepCurrentValue);
        cache->flatEdition = EditionKindTraits::of(kind).supportedPresetEditions().contains(current)
                                 ? current
                                 : FlatPresetEdition(FlatPresetEdition::keepCurrentValue);
    }
    cache->tagItem = item;
}

void PresetEditStepSelectTagsViewController::keyPressEvent(QKeyEvent* event)
{
    if (!PresetPageKeys::forward(ui_->tableView, event))
        PresetEditStepViewController::keyPressEvent(event);
}

} // namespace corvelle
