#include "presets/PresetEditStepCopyOtherValueViewController.h"

#include "editing/EditionKindTraits.h"
#include "platform/brisa/ui/ComboBoxCaseList.h"
#include "presets/PresetEditEditionWindowController.h"
#include "presets/PresetPageKeys.h"
#include "presets/PresetSelectTagNameTableCellView.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_PresetEditStepCopyOtherValueView.h"

#include <QKeyEvent>

namespace corvelle {

namespace {

using Formatter = halvex::CopyTagValueSettings::Formatter;

QString formatterTitle(Formatter formatter)
{
    return localizedString(formatter == Formatter::pretty ? QStringLiteral("PresetEditionCopyOtherValueFormatterPretty")
                                                          : QStringLiteral("PresetEditionCopyOtherValueFormatterRaw"));
}

QString insertionTitle(halvex::PresetValueInsertion insertion)
{
    switch (insertion) {
    case halvex::PresetValueInsertion::prepend:
        return localizedString(QStringLiteral("PresetEditionCopyOtherValueInsertionPrepend"));
    case halvex::PresetValueInsertion::append:
        return localizedString(QStringLiteral("PresetEditionCopyOtherValueInsertionAppend"));
    case halvex::PresetValueInsertion::replace:
        break;
    }
    return localizedString(QStringLiteral("PresetEditionCopyOtherValueInsertionReplace"));
}

} // namespace

PresetEditStepCopyOtherValueViewController::PresetEditStepCopyOtherValueViewController(QWidget* parent)
    : PresetEditStepViewController(parent)
    , ui_(std::make_unique<Ui::PresetEditStepCopyOtherValueView>())
    , model_(new PickerListModel<ostrak::TagItem>([](const ostrak::TagItem& item) { return item.title(); }, QString(), this))
{
    settings_.tagName = ostrak::TagItem::itemEXIFImageDescription().tagName();
    ui_->setupUi(this);
    FormTexts::localize(this);
    model_->setDetail([](const ostrak::TagItem& item) { return item.tagName().rawValue(); });
    model_->setCheckedElement(std::nullopt);
    model_->showIn(ui_->tableView);
    ui_->tableView->setItemDelegate(new PresetSelectTagNameTableCellView(ui_->tableView));
    ui_->progressIndicator->hide();
    connect(ui_->tableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionDidChange(); });
    connect(ui_->searchField, &QLineEdit::textChanged, this, [this] { search(); });
    connect(ui_->formatterPopUpButton, &QComboBox::activated, this, [this] { changeFormatter(); });
    connect(ui_->insertionPopUpButton, &QComboBox::activated, this, [this] { changeInsertion(); });
    // The engine lives and dies with the page, so its callbacks never outlive it.
    searchEngine_.onStateChange([this] { updateProgress(); });
    searchEngine_.onTagItemChange([this] { tagItemsDidChange(); });
    ui_->searchField->installEventFilter(new PresetPageKeys(ui_->tableView, this));
}

PresetEditStepCopyOtherValueViewController::~PresetEditStepCopyOtherValueViewController() = default;

QTableView* PresetEditStepCopyOtherValueViewController::tableView() const
{
    return ui_->tableView;
}

void PresetEditStepCopyOtherValueViewController::attachToPresetSheet(PresetEditEditionWindowController* sheet)
{
    PresetEditStepViewController::attachToPresetSheet(sheet);
    const PresetEditionCache* cache = sheetCache();
    if (!cache || !cache->tagItem)
        return;
    sourceTagItems_ = QList<ostrak::TagItem>{*cache->tagItem};
    if (cache->copyTagValueSettings)
        settings_ = *cache->copyTagValueSettings;
    prepare();
    focus();
}

void PresetEditStepCopyOtherValueViewController::attachToEditorHost(EditorEditValuesInterfaceController* host)
{
    PresetEditStepViewController::attachToEditorHost(host);
    if (!editorHostHasValueSet())
        return;
    sourceTagItems_ = editorHostTagItems();
    prepare();
}

void PresetEditStepCopyOtherValueViewController::prepare()
{
    reloadPopUps();
    selectSettingsInPopUps();
    search();
    reloadSelection();
}

void PresetEditStepCopyOtherValueViewController::focus()
{
    if (window())
        ui_->tableView->setFocus();
}

void PresetEditStepCopyOtherValueViewController::reloadPopUps()
{
    allFormatters_ = halvex::CopyTagValueSettings::allFormatterCases();
    allInsertions_ = halvex::CopyTagValueSettings::allInsertionCases();
    if (sourceTagItems_ && !sourceTagItems_->isEmpty()
        && !EditionKindTraits::of(EditionKindTraits::editionViewControllerKind(sourceTagItems_->first())).supportsInsertion())
        allInsertions_ = {halvex::PresetValueInsertion::replace};
    if (!allInsertions_.contains(settings_.insertion))
        settings_.insertion = halvex::PresetValueInsertion::replace;
    brisa::ComboBoxCaseList::setCaseList(ui_->formatterPopUpButton, allFormatters_, formatterTitle);
    brisa::ComboBoxCaseList::setCaseList(ui_->insertionPopUpButton, allInsertions_, insertionTitle);
}

void PresetEditStepCopyOtherValueViewController::selectSettingsInPopUps()
{
    brisa::ComboBoxCaseList::selectCase(ui_->formatterPopUpButton, settings_.formatter);
    brisa::ComboBoxCaseList::selectCase(ui_->insertionPopUpButton, settings_.insertion);
}

void PresetEditStepCopyOtherValueViewController::search()
{
    halvex::TagItemSearchRequest request = searchEngine_.request();
    request.string = ui_->searchField->text();
    searchEngine_.search(std::move(request));
}

void PresetEditStepCopyOtherValueViewController::updateProgress()
{
    ui_->progressIndicator->setVisible(searchEngine_.isSearching());
}

void PresetEditStepCopyOtherValueViewController::tagItemsDidChange()
{
    isReloading_ = true;
    model_->setElements(searchEngine_.tagItems());
    isReloading_ = false;
    reloadSelection();
    updateProgress();
}

void PresetEditStepCopyOtherValueViewController::reloadSelection()
{
    std::optional<ostrak::TagItem> checked;
    QItemSelection rows;
    for (int row = 0; row < model_->elements().size(); ++row) {
        if (model_->elements().at(row).tagName() == settings_.tagName) {
            checked = model_->elements().at(row);
            rows.select(model_->index(row), model_->index(row));
        }
    }
    model_->setCheckedElement(checked);
    const bool wasReloading = std::exchange(isReloading_, true);
    ui_->tableView->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    isReloading_ = wasReloading;
    if (!rows.isEmpty())
        PresetPageKeys::centreSelection(ui_->tableView);
}

void PresetEditStepCopyOtherValueViewController::selectionDidChange()
{
    if (isReloading_)
        return;
    const QModelIndexList selected = ui_->tableView->selectionModel()->selectedRows();
    const std::optional<ostrak::TagItem> item = selected.isEmpty() ? std::nullopt : model_->elementAt(selected.first().row());
    if (!item)
        return;
    settings_.tagName = item->tagName();
    reloadSelection();
    if (PresetEditionCache* cache = sheetCache())
        cache->copyTagValueSettings = settings_;
}

void PresetEditStepCopyOtherValueViewController::changeFormatter()
{
    settings_.formatter = brisa::ComboBoxCaseList::selectedCase<Formatter>(ui_->formatterPopUpButton).value_or(Formatter::raw);
    prepare();
}

void PresetEditStepCopyOtherValueViewController::changeInsertion()
{
    settings_.insertion = brisa::ComboBoxCaseList::selectedCase<halvex::PresetValueInsertion>(ui_->insertionPopUpButton)
                              .value_or(halvex::PresetValueInsertion::replace);
    prepare();
}

void PresetEditStepCopyOtherValueViewController::storeIntoCache(bool commit)
{
    PresetEditionCache* cache = sheetCache();
    if (!cache)
        return;
    cache->copyTagValueSettings = settings_;
    if (commit)
        cache->commit();
}

void PresetEditStepCopyOtherValueViewController::applyToEditorHost(bool finishing)
{
    if (!finishing)
        return;
    applyEditionToEditorHost(halvex::PresetEdition::copyTagValue(settings_));
}

void PresetEditStepCopyOtherValueViewController::keyPressEvent(QKeyEvent* event)
{
    if (!PresetPageKeys::forward(ui_->tableView, event))
        PresetEditStepViewController::keyPressEvent(event);
}

} // namespace corvelle
