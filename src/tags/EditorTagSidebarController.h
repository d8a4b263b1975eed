#pragma once

#include "editing/EditorEditValuesInterfaceController.h"
#include "editor/EditorBarController.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <memory>
#include <optional>

class QPushButton;
class QToolButton;

namespace Ui {
class EditorTagSidebar;
}

namespace corvelle {

class EditionEditStepViewController;
class EditionValueActions;

// The editing sidebar of the Tags section: it follows the rows selected in the tag table, keeps
// one edition of them and runs the edit steps on it, a new page per step, with the eight
// one-click value actions and copy, cut and paste above the page, go back and continue below.
// Reselecting the same values keeps the step and what the user typed; other values start again.
class EditorTagSidebarController : public EditorBarController, public EditorEditValuesInterfaceController {
    Q_OBJECT

public:
    using Step = EditorEditionCacheStep;

    explicit EditorTagSidebarController(EditorViewController* editorViewController);
    ~EditorTagSidebarController() override;

    // The host contract.
    QObject* hostObject() override { return this; }
    EditorEditionCache& cache() override { return cache_; }
    bool prefersVerticalLayout() const override { return true; }
    void updateInterface() override;
    void showStep(Step step, bool animated) override;
    void goBackEdition() override;
    void continueEdition() override;

    void setupViews() override;
    void focus() override;
    void startObserving() override;
    void stopObserving() override;

    // Takes the values selected in the tag table; a new edition when they differ.
    void reloadEdition();
    void showQuickActions();
    void showRawEdition();

    bool hasValueChanges() const;
    bool canGoBack() const;
    bool canContinue() const;
    bool canShiftDateComponents() const;

    EditionEditStepViewController* currentViewController() const override { return currentViewController_.get(); }
    EditionValueActions& actions() const { return *actions_; }
    QWidget* editionView() const;
    QWidget* placeholderView() const;
    QWidget* actionsSegmentControl() const;
    QToolButton* copyValueButton() const;
    QToolButton* cutValueButton() const;
    QToolButton* pasteValueButton() const;
    QPushButton* editionGoBackButton() const;
    QPushButton* editionContinueButton() const;

public Q_SLOTS:
    void continueOrFocusEdition();
    void restoreValues();
    void clearValues();
    void forceValues();
    void copyValues();
    void cutValues();
    void pasteValues();
    void useQuickActions();
    void rawEditValues();
    // Jumps to the custom date action of the selected tags, on an empty shift.
    void shiftDateComponents();
    void segmentActions(int index);

protected:
    void loadView() override;

private:
    void updateControls();

    std::unique_ptr<Ui::EditorTagSidebar> ui_;
    EditionValueActions* actions_ = nullptr;
    EditorEditionCache cache_;
    std::unique_ptr<EditionEditStepViewController> currentViewController_;
    brisa::NoteSubscriber tableDidReloadEntriesSubscriber_;
};

} // namespace corvelle
