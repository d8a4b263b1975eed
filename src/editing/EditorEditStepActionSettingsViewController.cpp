#include "editing/EditorEditStepActionSettingsViewController.h"

#include "editing/DateTimeActionViewController.h"
#include "editing/EditorEditValuesInterfaceController.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "presets/PresetEditStepCopyOtherValueViewController.h"
#include "presets/PresetEditStepEditCurrentValueViewController.h"
#include "presets/PresetEditStepSearchAndReplaceViewController.h"

#include "ui_EditorEditStepActionSettingsView.h"

namespace corvelle {

EditorEditStepActionSettingsViewController::EditorEditStepActionSettingsViewController(QWidget* parent)
    : EditionEditStepViewController(parent)
{
    view();
}

EditorEditStepActionSettingsViewController::~EditorEditStepActionSettingsViewController() = default;

void EditorEditStepActionSettingsViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorEditStepActionSettingsView>();
    ui_->setupUi(this);
}

void EditorEditStepActionSettingsViewController::configure(EditorEditValuesInterfaceController* host)
{
    EditionEditStepViewController::configure(host);
    reloadSettingsPage();
    if (settingsViewController_)
        settingsViewController_->attachToEditorHost(host);
}

void EditorEditStepActionSettingsViewController::reloadSettingsPage()
{
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    const std::optional<FlatPresetEdition> flat =
        host ? host->cache().flatEdition().flatPresetEdition() : std::nullopt;
    std::unique_ptr<PresetEditStepViewController> page;
    if (flat == FlatPresetEdition::copyOtherTagValue)
        page = std::make_unique<PresetEditStepCopyOtherValueViewController>();
    else if (flat == FlatPresetEdition::searchAndReplace)
        page = std::make_unique<PresetEditStepSearchAndReplaceViewController>();
    else
        page = std::make_unique<PresetEditStepEditCurrentValueViewController>();
    if (settingsViewController_)
        settingsViewController_->hide();
    settingsViewController_ = std::move(page);
    brisa::FilledSubview::setFilledSubview(ui_->valueContainerView, settingsViewController_->view());
}

bool EditorEditStepActionSettingsViewController::prepareShiftDateEdition()
{
    auto* page = dynamic_cast<PresetEditStepEditCurrentValueViewController*>(settingsViewController_.get());
    auto* editor = page ? qobject_cast<DateTimeActionViewController*>(page->editionViewController()) : nullptr;
    if (!editor)
        return false;
    editor->selectEmptyShiftEdition();
    return true;
}

bool EditorEditStepActionSettingsViewController::canContinue() const
{
    return !settingsViewController_ || settingsViewController_->canContinueInEditorHost();
}

void EditorEditStepActionSettingsViewController::leave(bool finishing)
{
    Q_UNUSED(finishing);
    // Only the finishing continue leaves this last page; going back does not call here.
    if (settingsViewController_)
        settingsViewController_->applyToEditorHost(true);
}

} // namespace corvelle
