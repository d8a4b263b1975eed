#pragma once

#include "editing/EditionEditStepViewController.h"

#include <memory>

class QListView;

namespace Ui {
class EditorEditStepSelectActionView;
}

namespace corvelle {

class EditorSelectActionListModel;

// The page that picks one action for the selected tags: the actions their editor supports.
// Each choice goes into the host's cache at once, so the host's next step follows the list. An
// action without settings is applied when the edition finishes here, as one edition task queued
// behind any edition already waiting; the others lead on to their settings.
class EditorEditStepSelectActionViewController : public EditionEditStepViewController {
    Q_OBJECT

public:
    explicit EditorEditStepSelectActionViewController(QWidget* parent = nullptr);
    ~EditorEditStepSelectActionViewController() override;

    void setupViews() override;
    void configure(EditorEditValuesInterfaceController* host) override;
    void focus() override;
    std::optional<Step> step() const override { return Step::actionSelection; }
    std::optional<Step> previousStep() const override { return Step::tagEdition; }
    std::optional<Step> nextStep() const override;
    bool canContinue() const override { return flatActionEdition_.has_value(); }
    void leave(bool finishing) override;

    QListView* tableView() const;
    EditorSelectActionListModel* model() const { return model_; }
    const std::optional<FlatActionEdition>& flatActionEdition() const { return flatActionEdition_; }
    // Chooses the action as a click on its row does; none deselects.
    void chooseEdition(const std::optional<FlatActionEdition>& edition);

protected:
    void loadView() override;

private:
    void selectCurrentEdition();
    void tableViewSelectionDidChange();
    void applySelectedEdition();

    std::unique_ptr<Ui::EditorEditStepSelectActionView> ui_;
    EditorSelectActionListModel* model_ = nullptr;
    std::optional<FlatActionEdition> flatActionEdition_;
    bool isSelecting_ = false;
};

} // namespace corvelle
