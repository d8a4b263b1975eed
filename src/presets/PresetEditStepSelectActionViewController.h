#pragma once

#include "presets/PresetEditStepViewController.h"
#include "tags/PickerListModel.h"

#include <memory>

namespace Ui {
class PresetEditStepSelectActionView;
}

class QTableView;

namespace corvelle {

// The second page of the preset entry sheet: the operations that the value editor of the entry's
// tag supports, the chosen one marked. The choice reaches the sheet's cache at once, so the sheet
// knows whether a settings page follows.
class PresetEditStepSelectActionViewController : public PresetEditStepViewController {
    Q_OBJECT

public:
    explicit PresetEditStepSelectActionViewController(QWidget* parent = nullptr);
    ~PresetEditStepSelectActionViewController() override;

    void attachToPresetSheet(PresetEditEditionWindowController* sheet) override;
    std::optional<Step> step() const override { return Step::actionSelection; }
    std::optional<Step> previousStep() const override { return Step::tagSelection; }
    // The settings page for an operation that has settings, else none: continuing commits.
    std::optional<Step> nextStep() const override;
    bool canContinue() const override { return flatPresetEdition_.has_value(); }
    void storeIntoCache(bool commit) override;
    void focus() override;
    // Only the preset sheet hosts this page.
    void attachToEditorHost(EditorEditValuesInterfaceController* host) override;
    void applyToEditorHost(bool finishing) override;

    const QList<FlatPresetEdition>& presetEditions() const { return model_->elements(); }
    const std::optional<FlatPresetEdition>& flatPresetEdition() const { return flatPresetEdition_; }
    QTableView* tableView() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reloadSelection();
    void selectionDidChange();

    std::unique_ptr<Ui::PresetEditStepSelectActionView> ui_;
    PickerListModel<FlatPresetEdition>* model_;
    std::optional<FlatPresetEdition> flatPresetEdition_;
    bool isReloading_ = false;
};

} // namespace corvelle
