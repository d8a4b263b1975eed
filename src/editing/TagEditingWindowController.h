#pragma once

#include "editing/EditorEditValuesInterfaceController.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <memory>
#include <optional>

class QPushButton;

namespace Ui {
class TagEditingWindow;
}

namespace corvelle {

class EditionEditStepViewController;
class EditionValueActions;

// The sheet that edits the selected tags of the selected files step by step: a new page per step
// in its container, the eight one-click value actions above it, cancel, go back and continue
// below. It writes nothing itself: the pages and the cache queue edition tasks. It ends with 1
// after an edition was applied (or a one-click action ran), with 0 when cancelled.
//
//     TagEditingWindowController::present(sectionView, EditorEditionCache(valueSet));
class TagEditingWindowController : public QDialog, public EditorEditValuesInterfaceController {
    Q_OBJECT

public:
    using Step = EditorEditionCacheStep;

    explicit TagEditingWindowController(QWidget* parent = nullptr);
    ~TagEditingWindowController() override;

    // Opens a sheet on `host`'s window for the cache, at its first step, or at `step` when given
    // (the quick actions or the raw value); the sheet deletes itself once it ended. None when
    // the window cannot show a sheet now.
    static TagEditingWindowController* present(QWidget* host, const EditorEditionCache& cache,
                                               std::optional<Step> step = std::nullopt);

    // Replaces the edition and shows its first step.
    void setCache(const EditorEditionCache& cache);
    void showQuickActions();
    void showRawEdition();

    // The host contract.
    QObject* hostObject() override { return this; }
    EditorEditionCache& cache() override { return cache_; }
    bool prefersVerticalLayout() const override { return false; }
    void updateInterface() override;
    void showStep(Step step, bool animated) override;
    void goBackEdition() override;
    void continueEdition() override;

    EditionEditStepViewController* currentViewController() const override { return currentViewController_.get(); }
    EditionValueActions& actions() const { return *actions_; }
    QWidget* actionsSegmentControl() const;
    QPushButton* cancelButton() const;
    QPushButton* goBackButton() const;
    QPushButton* continueButton() const;
    brisa::DynamicTouchBar& dynamicTouchBar() { return dynamicTouchBar_; }

    bool canGoBack() const;
    bool canContinue() const;
    bool hasDateTimeTag() const;

public Q_SLOTS:
    void cancelEdition();
    void closeEdition();
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

private:
    void setupTouchBar();
    void endSheet(int returnCode);

    std::unique_ptr<Ui::TagEditingWindow> ui_;
    EditionValueActions* actions_ = nullptr;
    brisa::DynamicTouchBar dynamicTouchBar_;
    EditorEditionCache cache_;
    std::unique_ptr<EditionEditStepViewController> currentViewController_;
};

} // namespace corvelle
