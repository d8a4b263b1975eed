#include "presets/PresetEditStepSearchAndReplaceViewController.h"

#include "presets/PresetEditEditionWindowController.h"
#include "widgets/FormTexts.h"

#include "ui_PresetEditStepSearchAndReplaceView.h"

namespace corvelle {

PresetEditStepSearchAndReplaceViewController::PresetEditStepSearchAndReplaceViewController(QWidget* parent)
    : PresetEditStepViewController(parent), ui_(std::make_unique<Ui::PresetEditStepSearchAndReplaceView>())
{
    ui_->setupUi(this);
    // The fields are typed by the user; their texts ("%1" included) are never formatted.
    FormTexts::localize(this);
    for (QLineEdit* field : {ui_->findTextField, ui_->replaceTextField})
        connect(field, &QLineEdit::textEdited, this, [this] { readControls(); });
    for (QCheckBox* box : {ui_->ignoreCaseButton, ui_->ignoreDiacriticButton, ui_->ignoreWidthButton, ui_->useRegexButton})
        connect(box, &QCheckBox::clicked, this, [this] { readControls(); });
    reloadControls();
}

PresetEditStepSearchAndReplaceViewController::~PresetEditStepSearchAndReplaceViewController() = default;

void PresetEditStepSearchAndReplaceViewController::attachToPresetSheet(PresetEditEditionWindowController* sheet)
{
    PresetEditStepViewController::attachToPresetSheet(sheet);
    if (const PresetEditionCache* cache = sheetCache(); cache && cache->searchAndReplaceSettings)
        settings_ = *cache->searchAndReplaceSettings;
    reloadControls();
    focus();
}

void PresetEditStepSearchAndReplaceViewController::attachToEditorHost(EditorEditValuesInterfaceController* host)
{
    PresetEditStepViewController::attachToEditorHost(host);
    reloadControls();
}

void PresetEditStepSearchAndReplaceViewController::focus()
{
    if (window())
        ui_->findTextField->setFocus();
}

void PresetEditStepSearchAndReplaceViewController::reloadControls()
{
    if (ui_->findTextField->text() != settings_.searchString)
        ui_->findTextField->setText(settings_.searchString);
    if (ui_->replaceTextField->text() != settings_.replaceString)
        ui_->replaceTextField->setText(settings_.replaceString);
    ui_->ignoreCaseButton->setChecked(settings_.ignoreCase);
    ui_->ignoreDiacriticButton->setChecked(settings_.ignoreDiacritic);
    ui_->ignoreWidthButton->setChecked(settings_.ignoreWidth);
    ui_->useRegexButton->setChecked(settings_.useRegex);
}

void PresetEditStepSearchAndReplaceViewController::readControls()
{
    settings_.searchString = ui_->findTextField->text();
    settings_.replaceString = ui_->replaceTextField->text();
    settings_.ignoreCase = ui_->ignoreCaseButton->checkState() == Qt::Checked;
    settings_.ignoreDiacritic = ui_->ignoreDiacriticButton->checkState() == Qt::Checked;
    settings_.ignoreWidth = ui_->ignoreWidthButton->checkState() == Qt::Checked;
    settings_.useRegex = ui_->useRegexButton->checkState() == Qt::Checked;
    if (PresetEditionCache* cache = sheetCache())
        cache->searchAndReplaceSettings = settings_;
    reloadControls();
}

void PresetEditStepSearchAndReplaceViewController::storeIntoCache(bool commit)
{
    PresetEditionCache* cache = sheetCache();
    if (!cache)
        return;
    cache->searchAndReplaceSettings = settings_;
    if (commit)
        cache->commit();
}

void PresetEditStepSearchAndReplaceViewController::applyToEditorHost(bool finishing)
{
    if (!finishing)
        return;
    applyEditionToEditorHost(halvex::PresetEdition::searchAndReplace(settings_));
}

} // namespace corvelle
