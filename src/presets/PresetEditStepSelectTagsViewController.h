#pragma once

#include "engine/halvex/tags/TagItemSearchEngine.h"
#include "presets/PresetEditStepViewController.h"
#include "tags/PickerListModel.h"

#include <memory>

namespace Ui {
class PresetEditStepSelectTagsView;
}

class QTableView;

namespace corvelle {

// The first page of the preset entry sheet: a searchable list of every tag of the tag database,
// the chosen one marked. Choosing a tag writes it into the sheet's cache at once, and resets a
// cached operation that the tag's editor cannot run.
class PresetEditStepSelectTagsViewController : public PresetEditStepViewController {
    Q_OBJECT

public:
    explicit PresetEditStepSelectTagsViewController(QWidget* parent = nullptr);
    ~PresetEditStepSelectTagsViewController() override;

    void attachToPresetSheet(PresetEditEditionWindowController* sheet) override;
    std::optional<Step> step() const override { return Step::tagSelection; }
    std::optional<Step> previousStep() const override { return std::nullopt; }
    std::optional<Step> nextStep() const override { return Step::actionSelection; }
    bool canContinue() const override { return selectedTagName_.has_value(); }
    void storeIntoCache(bool commit) override;
    void focus() override;
    // Only the preset sheet hosts this page.
    void attachToEditorHost(EditorEditValuesInterfaceController* host) override;
    void applyToEditorHost(bool finishing) override;

    const std::optional<ostrak::TagName>& selectedTagName() const { return selectedTagName_; }
    halvex::TagItemSearchEngine& searchEngine() { return searchEngine_; }
    QTableView* tableView() const;
    void searchTagItems();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reloadSelection();
    void tagItemsDidChange();
    void selectionDidChange();
    void updateProgress();

    std::unique_ptr<Ui::PresetEditStepSelectTagsView> ui_;
    halvex::TagItemSearchEngine searchEngine_;
    PickerListModel<ostrak::TagItem>* model_;
    std::optional<ostrak::TagName> selectedTagName_;
    bool isUpdatingTags_ = false;
};

} // namespace corvelle
