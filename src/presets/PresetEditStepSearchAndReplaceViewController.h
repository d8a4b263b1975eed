#pragma once

#include "presets/PresetEditStepViewController.h"

#include <memory>

namespace Ui {
class PresetEditStepSearchAndReplaceView;
}

namespace corvelle {

// The settings page that searches a text in the value and replaces it: the text to find, its
// replacement and four matching options. Every change of a control reaches the sheet's cache at
// once; in the edit flow the settings are applied to the edited tags when it finishes.
class PresetEditStepSearchAndReplaceViewController : public PresetEditStepViewController {
    Q_OBJECT

public:
    explicit PresetEditStepSearchAndReplaceViewController(QWidget* parent = nullptr);
    ~PresetEditStepSearchAndReplaceViewController() override;

    void attachToPresetSheet(PresetEditEditionWindowController* sheet) override;
    std::optional<Step> step() const override { return Step::actionEdition; }
    std::optional<Step> previousStep() const override { return Step::actionSelection; }
    std::optional<Step> nextStep() const override { return std::nullopt; }
    // An empty text to find is accepted.
    bool canContinue() const override { return true; }
    void storeIntoCache(bool commit) override;
    void focus() override;

    void attachToEditorHost(EditorEditValuesInterfaceController* host) override;
    bool canContinueInEditorHost() const override { return true; }
    void applyToEditorHost(bool finishing) override;

    const halvex::SearchAndReplaceSettings& settings() const { return settings_; }

private:
    void reloadControls();
    void readControls();

    std::unique_ptr<Ui::PresetEditStepSearchAndReplaceView> ui_;
    halvex::SearchAndReplaceSettings settings_;
};

} // namespace corvelle
