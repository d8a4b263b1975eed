#pragma once

#include "editing/EditionEditStepViewController.h"

#include <memory>

namespace Ui {
class EditorEditStepActionSettingsView;
}

namespace corvelle {

class PresetEditStepViewController;

// The settings of an action that needs them (copy another tag's value, a custom value, search
// and replace): it hosts the preset editor's page of that action, which reads the edition from
// the host and applies its settings to the host's tags when the edition finishes here.
class EditorEditStepActionSettingsViewController : public EditionEditStepViewController {
    Q_OBJECT

public:
    explicit EditorEditStepActionSettingsViewController(QWidget* parent = nullptr);
    ~EditorEditStepActionSettingsViewController() override;

    // With the custom value page of a date tag: its date action editor starts on an empty shift.
    bool prepareShiftDateEdition() override;
    void configure(EditorEditValuesInterfaceController* host) override;
    void focus() override { focusSelf(); }
    std::optional<Step> step() const override { return Step::actionEdition; }
    std::optional<Step> previousStep() const override { return Step::actionSelection; }
    bool canContinue() const override;
    void leave(bool finishing) override;

    PresetEditStepViewController* settingsViewController() const { return settingsViewController_.get(); }

protected:
    void loadView() override;

private:
    void reloadSettingsPage();

    std::unique_ptr<Ui::EditorEditStepActionSettingsView> ui_;
    std::unique_ptr<PresetEditStepViewController> settingsViewController_;
};

} // namespace corvelle
