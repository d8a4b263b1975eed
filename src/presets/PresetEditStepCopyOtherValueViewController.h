#pragma once

#include "engine/halvex/editions/CopyTagValueSettings.h"
#include "engine/halvex/tags/TagItemSearchEngine.h"
#include "presets/PresetEditStepViewController.h"
#include "tags/PickerListModel.h"

#include <memory>

namespace Ui {
class PresetEditStepCopyOtherValueView;
}

class QTableView;

namespace corvelle {

// The settings page that copies another tag's value into the edited tag: the source tag chosen in
// a searchable list of every known tag, the raw or the printed value, and where it goes. The
// chosen source stays chosen while a search hides it.
class PresetEditStepCopyOtherValueViewController : public PresetEditStepViewController {
    Q_OBJECT

public:
    explicit PresetEditStepCopyOtherValueViewController(QWidget* parent = nullptr);
    ~PresetEditStepCopyOtherValueViewController() override;

    void attachToPresetSheet(PresetEditEditionWindowController* sheet) override;
    std::optional<Step> step() const override { return Step::actionEdition; }
    std::optional<Step> previousStep() const override { return Step::actionSelection; }
    std::optional<Step> nextStep() const override { return std::nullopt; }
    // The default source tag stands until another is chosen.
    bool canContinue() const override { return true; }
    void storeIntoCache(bool commit) override;
    void focus() override;

    void attachToEditorHost(EditorEditValuesInterfaceController* host) override;
    bool canContinueInEditorHost() const override { return true; }
    void applyToEditorHost(bool finishing) override;

    const halvex::CopyTagValueSettings& settings() const { return settings_; }
    const QList<halvex::PresetValueInsertion>& allInsertions() const { return allInsertions_; }
    halvex::TagItemSearchEngine& searchEngine() { return searchEngine_; }
    QTableView* tableView() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reloadPopUps();
    void selectSettingsInPopUps();
    void search();
    void reloadSelection();
    void tagItemsDidChange();
    void selectionDidChange();
    void changeFormatter();
    void changeInsertion();
    void updateProgress();
    void prepare();

    std::unique_ptr<Ui::PresetEditStepCopyOtherValueView> ui_;
    halvex::TagItemSearchEngine searchEngine_;
    PickerListModel<ostrak::TagItem>* model_;
    QList<halvex::CopyTagValueSettings::Formatter> allFormatters_;
    QList<halvex::PresetValueInsertion> allInsertions_;
    std::optional<QList<ostrak::TagItem>> sourceTagItems_;
    halvex::CopyTagValueSettings settings_;
    bool isReloading_ = false;
};

} // namespace corvelle
