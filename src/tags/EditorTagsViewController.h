#pragma once

#include "editor/EditorViewController.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "tags/EditorEditionCache.h"

#include <memory>

class QSplitter;

namespace Ui {
class EditorTagsView;
} // namespace Ui

namespace corvelle {

class EditorFileBarController;
class EditorTagBarController;
class EditorTagSidebarController;
class EditorWindowController;
class SplitViewTracker;

// The tags section of the editor window: the open files (as a list or a grid, as the settings
// say) beside the tag table of the selected files and, when turned on, the editing sidebar. It
// rebuilds the file bar and the sidebar pane as their settings change, keeps the divider's place
// and the table's scroll position in the settings, and sends the window's copy, cut and paste
// to the selected tag values.
class EditorTagsViewController : public EditorViewController {
    Q_OBJECT

public:
    explicit EditorTagsViewController(EditorWindowHost* editorWindowController);
    ~EditorTagsViewController() override;

    QSplitter* splitView() const;
    QWidget* fileContainerView() const;
    QWidget* tagContainerView() const;
    QWidget* sidebarContainerView() const;
    EditorFileBarController* fileBarController() const { return fileBarController_; }
    EditorTagBarController* tagBarController() const { return tagBarController_; }
    // The editing sidebar while it is turned on; none otherwise.
    EditorBarController* sidebarController() const override;
    EditorTagSidebarController* tagSidebarController() const { return sidebarController_; }
    SplitViewTracker* splitViewTracker() const { return splitViewTracker_; }

    void setupViews() override;
    void addToolbarItems() override;
    void addTouchBarItems() override;
    void focusFileBar() override;
    void focusTagTable() override;
    void focusSidebar() override;
    void revealSelectionInFileBar() override;
    void saveScrollPosition() override;
    void restoreScrollPosition() override;
    WindowTitleVisibility windowTitleVisibility() const override { return WindowTitleVisibility::hidden; }
    QString windowTitle() const override;
    // The number of open files, selected or not.
    QString windowSubtitle() const override;
    std::optional<int> takePendingDropIndex() override;
    void windowWillStartLiveResize() override;
    void windowDidEndLiveResize() override;
    void startObserving() override;
    void stopObserving() override;
    bool canCopy() const override;
    bool canCut() const override;
    bool canPaste() const override;
    void copy() override;
    void cut() override;
    void paste() override;

    // Edits the values selected in the tag table: in the editing sidebar when it is shown (its
    // page gets the focus, or it goes to the given step), else in a tag editing sheet over the
    // window, at its first step or the given one (the quick actions, the raw value). The quick
    // actions and the raw value need tags that can be written. False when nothing was shown.
    bool editSelectedTagValues(std::optional<EditorEditionCacheStep> step = std::nullopt);

    // The selected tag values can be cleared, and clears them.
    bool canClearValues() const;
    void clearValues();

    void reloadFileBar();
    void updateFileListColumns();
    void reloadTagBar();
    void reloadSidebar();
    void saveSplitRatio();
    // Gives the file pane and the tag pane equal shares of the width left of the sidebar.
    void resetSplitPosition();
    void restoreSplitRatio();
    void centreSelectedTagRow();

protected:
    void loadView() override;
    void viewDidAppear() override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    EditorWindowController* windowController() const;
    void userDefaultsDidSetKey(const brisa::Notification& note);
    void splitViewWillStartResizing();
    void splitViewDidEndResizing();
    // Sends a selected-value command when the window has an action of it; false when it has none,
    // and the section then edits the selected values through the edition cache itself.
    bool sendTableValueCommand(const QString& command);
    std::optional<bool> validateTableValueCommand(const QString& command) const;
    // The edition of the selected values: none without a selection, or while an edition of the
    // shown files is queued.
    std::optional<EditorEditionCache> selectionEditionCache() const;
    // The window's rule of the command when it has an action of it, else what the edition cache
    // of the selection says.
    bool canAct(const QString& command, bool (*cacheCan)(const EditorEditionCache&)) const;

    std::unique_ptr<Ui::EditorTagsView> ui_;
    EditorFileBarController* fileBarController_ = nullptr;
    EditorTagBarController* tagBarController_ = nullptr;
    SplitViewTracker* splitViewTracker_ = nullptr;
    EditorTagSidebarController* sidebarController_ = nullptr;
    brisa::NoteSubscriber userDefaultsDidSetKeySubscriber_;
    brisa::NoteSubscriber splitViewWillStartResizingSubscriber_;
    brisa::NoteSubscriber splitViewDidEndResizingSubscriber_;
    // The divider has been placed in the shown view: from then on its place is worth storing.
    bool splitLaidOut_ = false;
};

} // namespace corvelle
