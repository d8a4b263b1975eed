#pragma once

#include "editor/FileViewModeUserChoice.h"
#include "editor/ViewController.h"
#include "platform/brisa/ui/DynamicToolbarItemSet.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;
class QMenu;

namespace brisa {
class UserDefaults;
} // namespace brisa

namespace halvex {
class TagValueTable;
} // namespace halvex

namespace corvelle {

class EditorBarController;
class EditorFileBarController;
class EditorWindowHost;
class MetadataFileList;

// The base of the content view of every editor section. The editor window places the view in
// its container and asks it for the window's title, subtitle, toolbar items and touch bar; the
// window, the bars and the menus call the hooks below on whatever section is current, and a
// section that does not override one gets the base behaviour.
//
// When the view loads: setupViews(), addToolbarItems(), addTouchBarItems(), startObserving(),
// updateInterface(), in this order. The owner calls stopObserving() before it deletes a section
// (a destructor cannot reach a subclass's override).
class EditorViewController : public ViewController {
    Q_OBJECT

public:
    enum class WindowTitleVisibility { visible = 0, hidden = 1 };

    // The toolbar image buttons that send one command: window commands go to the window
    // controller, managePresets and photosRemote to the application.
    enum class ToolbarCommand {
        removeFiles,
        inspectFiles,
        saveAllFiles,
        editTags,
        eraseTags,
        restoreTags,
        editingActions,
        editCoverArt,
        downloadInfo,
        editLocation,
        eraseLocation,
        restoreLocation,
        managePresets,
        photosRemote,
    };

    // The identifier of the section switcher, which the window keeps at its toolbar's centre.
    static const QString centeredItemIdentifier;

    explicit EditorViewController(EditorWindowHost* editorWindowController);
    ~EditorViewController() override;

    EditorWindowHost* editorWindowController() const;
    void setEditorWindowController(EditorWindowHost* controller);
    QAbstractButton* taskButton() const;
    void setTaskButton(QAbstractButton* button);

    brisa::DynamicToolbarItemSet& toolbarItemSet() { return toolbarItemSet_; }
    brisa::DynamicTouchBar& dynamicTouchBar() { return dynamicTouchBar_; }
    QList<brisa::DynamicTouchBarItem*> makeTouchBar() { return dynamicTouchBar_.touchBar(); }

    virtual void setupViews() {}
    virtual void addToolbarItems() {}
    virtual void addTouchBarItems() {}
    // Refreshes the window, then the touch bar; subclasses refresh themselves first.
    virtual void updateInterface();
    // A copy of the window's file menu (the same commands); none without window controller.
    virtual std::unique_ptr<QMenu> fileContextualMenu() const;
    virtual void focusFileBar() {}
    virtual void focusTagTable() {}
    virtual void focusSidebar() {}
    virtual void revealSelectionInFileBar() {}
    virtual EditorBarController* sidebarController() const { return nullptr; }
    virtual void saveScrollPosition() {}
    virtual void restoreScrollPosition() {}
    virtual WindowTitleVisibility windowTitleVisibility() const { return WindowTitleVisibility::visible; }
    virtual QString windowTitle() const;
    virtual QString windowSubtitle() const;
    virtual MetadataFileList* metadataFileList() const;
    virtual halvex::TagValueTable* tagValueTable() const;
    virtual bool isTaskManagerBusy() const;
    // The standard settings while a window controller exists.
    virtual brisa::UserDefaults* userDefaults() const;
    // The file index at which dropped files go, handed over once.
    virtual std::optional<int> takePendingDropIndex() { return std::nullopt; }
    virtual void windowWillStartLiveResize() {}
    virtual void windowDidEndLiveResize() {}
    virtual void startObserving() {}
    virtual void stopObserving() {}
    virtual bool canCopy() const { return false; }
    virtual bool canCut() const { return false; }
    virtual bool canPaste() const { return false; }
    virtual bool hasWindowController() const;
    virtual bool isBusy() const;
    virtual void copy() {}
    virtual void cut() {}
    virtual void paste() {}
    virtual void copyIfAllowed();
    virtual void cutIfAllowed();
    virtual void pasteIfAllowed();
    // Switches to the section the sender shows chosen: a button group's checked id, or the
    // current index of a tab bar or combo box, counted as the toolbar's section switcher does.
    virtual void switchSections(QObject* sender);
    // Toggles the shared tasks popover below the Tasks button, when there is one.
    virtual void toggleTasksPopover();

    // Whether the action ("copyContent:", "switchSections:", ...) can run now.
    virtual bool validateUserInterfaceItem(const QString& action) const;

    // --- Toolbar items, which the sections add in their addToolbarItems(). Each holds its
    // target weakly: without it an item is disabled, the Tasks item hidden.

    // A button with a spinning indicator, shown while a task runs; it becomes the taskButton()
    // and toggles the tasks popover.
    void addTasksToolbarItem();
    // Preview, tags and map, with `selected` chosen (none: no segment).
    void addSectionSwitcherToolbarItem(std::optional<int> selected);
    // The presets, applied to the selected files when chosen.
    void addPresetsToolbarItem();
    // The window controller's open menu.
    void addOpenFilesToolbarItem();
    // The application's help menu.
    void addHelpToolbarItem();
    void addFlexibleSpaceToolbarItem();
    void addToolbarItem(ToolbarCommand command);
    // A menu button titled by the localised `titleKey`; the menu is not owned.
    void addMenuToolbarItem(const QString& titleKey, const QString& symbolName, QMenu* menu);

public Q_SLOTS:
    void copyContent() { copyIfAllowed(); }
    void cutContent() { cutIfAllowed(); }
    void pasteContent() { pasteIfAllowed(); }
    void toggleTaskPopover() { toggleTasksPopover(); }

protected:
    void viewDidLoad() override;
    // Puts a new file bar, a grid or a list, in `container` in place of `current`, which goes;
    // the scroll position passes from one to the other. Answers the new bar.
    EditorFileBarController* replaceFileBar(EditorFileBarController* current, FileViewModeUserChoice mode,
                                            QWidget* container);

private:
    QPointer<EditorWindowHost> editorWindowController_;
    brisa::DynamicToolbarItemSet toolbarItemSet_;
    brisa::DynamicTouchBar dynamicTouchBar_;
    QPointer<QAbstractButton> taskButton_;
    // The menus of toolbar items that the section owns; they go before the items.
    std::vector<std::unique_ptr<QMenu>> toolbarMenus_;
};

} // namespace corvelle
