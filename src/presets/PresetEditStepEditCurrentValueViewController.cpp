#include "presets/PresetEditStepEditCurrentValueViewController.h"

#include "editing/EditionKindTraits.h"
#include "editing/EditorEditValuesInterfaceController.h"
#include "platform/brisa/ui/ComboBoxCaseList.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "presets/PresetEditEditionWindowController.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_PresetEditStepEditCurrentValueView.h"

namespace corvelle {

namespace {

QString insertionTitle(halvex::PresetValueInsertion insertion)
{
    switch (insertion) {
    case halvex::PresetValueInsertion::prepend:
        return localizedString(QStringLiteral("PresetEditionUseCustomValueInsertionPrepend"));
    case halvex::PresetValueInsertion::append:
        return localizedString(QStringLiteral("PresetEditionUseCustomValueInsertionAppend"));
    case halvex::PresetValueInsertion::replace:
        break;
    }
    return localizedString(QStringLiteral("PresetEditionUseCustomValueInsertionReplace"));
}

} // namespace

PresetEditStepEditCurrentValueViewController::PresetEditStepEditCurrentValueViewController(QWidget* parent)
    : PresetEditStepViewController(parent), ui_(std::make_unique<Ui::PresetEditStepEditCurrentValueView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    connect(ui_->insertionPopUpButton, &QComboBox::activated, this, [this] { changeInsertion(); });
}

PresetEditStepEditCurrentValueViewController::~PresetEditStepEditCurrentValueViewController() = default;

void PresetEditStepEditCurrentValueViewController::attachToPresetSheet(PresetEditEditionWindowController* sheet)
{
    PresetEditStepViewController::attachToPresetSheet(sheet);
    const PresetEditionCache* cache = sheetCache();
    if (!cache || !cache->tagItem)
        return;
    sourceTagItems_ = {*cache->tagItem};
    if (cache->customValueSettings)
        settings_ = *cache->customValueSettings;
    reloadInsertions();
    reloadEditor();
    focus();
}

void PresetEditStepEditCurrentValueViewController::attachToEditorHost(EditorEditValuesInterfaceController* host)
{
    PresetEditStepViewController::attachToEditorHost(host);
    if (!editorHostHasValueSet())
        return;
    sourceTagItems_ = editorHostTagItems();
    reloadInsertions();
    reloadEditor();
    if (editionViewController_)
        editionViewController_->setVerticalLayout(host->prefersVerticalLayout());
}

void PresetEditStepEditCurrentValueViewController::focus()
{
    if (!window())
        return;
    setFocus();
    if (editionViewController_)
        editionViewController_->focus();
}

void PresetEditStepEditCurrentValueViewController::reloadInsertions()
{
    allInsertions_ = halvex::UseCustomValueSettings::allInsertionCases();
    if (!sourceTagItems_.isEmpty()
        && !EditionKindTraits::of(EditionKindTraits::actionEditionViewControllerKind(sourceTagItems_.first()))
                .supportsInsertion())
        allInsertions_ = {halvex::PresetValueInsertion::replace};
    // Only the insertions offered can be stored.
    if (!allInsertions_.contains(settings_.insertion))
        settings_.insertion = halvex::PresetValueInsertion::replace;
    ui_->insertionPopUpButton->setVisible(allInsertions_.size() >= 2);
    brisa::ComboBoxCaseList::setCaseList(ui_->insertionPopUpButton, allInsertions_, insertionTitle);
    brisa::ComboBoxCaseList::selectCase(ui_->insertionPopUpButton, settings_.insertion);
}

void PresetEditStepEditCurrentValueViewController::reloadEditor()
{
    if (editionViewController_)
        editionViewController_->deleteLater();
    editionViewController_ = nullptr;
    if (sourceTagItems_.isEmpty()) {
        brisa::FilledSubview::removeAllSubviews(ui_->valueContainerView);
        return;
    }
    const EditionKind kind = EditionKindTraits::actionEditionViewControllerKind(sourceTagItems_.first());
    editionViewController_ = EditionKindTraits::of(kind).make(nullptr).release();
    brisa::FilledSubview::setFilledSubview(ui_->valueContainerView, editionViewController_);
    editionViewController_->show();

    if (const PresetEditionCache* cache = sheetCache(); cache && cache->tagItem)
        editionViewController_->loadPresetEditionRow(
            PresetEditionRowValue{*cache->tagItem, halvex::PresetEdition::useCustomValue(settings_)});
    if (editorHostHasValueSet())
        editionViewController_->loadValueSet(editorHost()->cache().valueSet());
}

void PresetEditStepEditCurrentValueViewController::changeInsertion()
{
    settings_.insertion = brisa::ComboBoxCaseList::selectedCase<halvex::PresetValueInsertion>(ui_->insertionPopUpButton)
                              .value_or(halvex::PresetValueInsertion::replace);
    brisa::ComboBoxCaseList::selectCase(ui_->insertionPopUpButton, settings_.insertion);
}

void PresetEditStepEditCurrentValueViewController::readEditedValue()
{
    if (!editionViewController_)
        return;
    if (const std::optional<QString> value = editionViewController_->editedValue())
        settings_.value = *value;
}

void PresetEditStepEditCurrentValueViewController::storeIntoCache(bool commit)
{
    PresetEditionCache* cache = sheetCache();
    if (!cache)
        return;
    readEditedValue();
    cache->customValueSettings = settings_;
    if (commit)
        cache->commit();
}

void PresetEditStepEditCurrentValueViewController::applyToEditorHost(bool finishing)
{
    if (!finishing || !editorHostHasValueSet())
        return;
    readEditedValue();
    applyEditionToEditorHost(halvex::PresetEdition::useCustomValue(settings_));
}

} // namespace corvelle
