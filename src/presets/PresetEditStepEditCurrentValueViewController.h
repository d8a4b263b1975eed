#pragma once

#include "editing/GenericEditionViewController.h"
#include "engine/halvex/editions/UseCustomValueSettings.h"
#include "presets/PresetEditStepViewController.h"

#include <QPointer>

#include <memory>

namespace Ui {
class PresetEditStepEditCurrentValueView;
}

namespace corvelle {


// The settings page that sets a custom value, in the tag's own value editor (the date action
// editor for dates and times), replacing the current value or put before or after it where the
// editor allows. A new editor is made each time the page is attached.
class PresetEditStepEditCurrentValueViewController : public PresetEditStepViewController {
    Q_OBJECT

public:
    explicit PresetEditStepEditCurrentValueViewController(QWidget* parent = nullptr);
    ~PresetEditStepEditCurrentValueViewController() override;

    void attachToPresetSheet(PresetEditEditionWindowController* sheet) override;
    std::optional<Step> step() const override { return Step::actionEdition; }
    std::optional<Step> previousStep() const override { return Step::actionSelection; }
    std::optional<Step> nextStep() const override { return std::nullopt; }
    bool canContinue() const override { return true; }
    void storeIntoCache(bool commit) override;
    void focus() override;

    void attachToEditorHost(EditorEditValuesInterfaceController* host) override;
    bool canContinueInEditorHost() const override { return true; }
    void applyToEditorHost(bool finishing) override;

    // The value editor the page hosts (a date action editor for date tags); none until loaded.
    GenericEditionViewController* editionViewController() const { return editionViewController_; }
    const halvex::UseCustomValueSettings& settings() const { return settings_; }
    const QList<halvex::PresetValueInsertion>& allInsertions() const { return allInsertions_; }

private:
    void reloadInsertions();
    void reloadEditor();
    void changeInsertion();
    void readEditedValue();

    std::unique_ptr<Ui::PresetEditStepEditCurrentValueView> ui_;
    QPointer<GenericEditionViewController> editionViewController_;
    QList<ostrak::TagItem> sourceTagItems_;
    halvex::UseCustomValueSettings settings_;
    QList<halvex::PresetValueInsertion> allInsertions_;
};

} // namespace corvelle
