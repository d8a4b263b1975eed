#pragma once

#include "engine/halvex/libraries/KeywordManager.h"
#include "keywords/KeywordEditItemWindowController.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include "widgets/LibraryWindowController.h"
#include <QPointer>

#include <memory>
#include <optional>

class QMenu;

namespace Ui {
class KeywordManagerWindow;
}

namespace brisa {
class DynamicToolbar;
}

namespace veilcast {
class ProgressOverlay;
}

namespace corvelle {

class KeywordOutlineViewController;

// The keyword library's window: the outline of the library, the keyword item sheet to create
// and edit keywords, deletion, and the import and export of keyword ("txt") files, which are
// read and written on a worker thread while a progress overlay covers the window; the library
// itself changes only on the main thread.
//
// Its commands ("createKeyword:", "editKeyword:", "deleteKeywords:", "importKeywords:",
// "exportKeywords:") are QActions named after them, held by the toolbar, the Files menu and the
// outline's contextual menu. They act on the manager's current item, except from the contextual
// menu of a row (a right click or the row's action button), where they act on that row's item.
//
// Every change made through the window marks the library for saving; it is saved when the
// window stops being the active window, when it closes and when the application quits. A save
// that fails is reported with the file and the reason, and the library stays marked.
class KeywordManagerWindowController : public LibraryWindowController {
    Q_OBJECT

public:
    // The application's one window, made on first use.
    static KeywordManagerWindowController& shared();
    // The shared window when it was made; null before.
    static KeywordManagerWindowController* existing();

    explicit KeywordManagerWindowController(halvex::KeywordManager& manager, QWidget* parent = nullptr);
    ~KeywordManagerWindowController() override;

    halvex::KeywordManager& manager() const { return manager_; }
    KeywordOutlineViewController* outlineViewController() const { return outline_; }
    veilcast::ProgressOverlay& progressOverlay() const { return *progressOverlay_; }
    QMenu* toolbarItemFileMenu() const { return fileMenu_; }
    // The keyword item sheet while one is open.
    KeywordEditItemWindowController* editItemWindowController() const { return editItemWindowController_; }

    // The command's action; null for another command.
    bool validateCommand(const QString& command) const override;
    void performCommand(const QString& command) override;

    // The contextual menu of a row, whose commands act on `item` (null: the room below the rows).
    QMenu* contextMenu(const halvex::KeywordItemPtr& item);

    bool canCreateItem() const;
    bool canEditItem(const halvex::KeywordItemPtr& item) const;
    // A new keyword, made in the sheet, becomes the last child of `parent`, or the last
    // top-level keyword without one.
    void createItem(const halvex::KeywordItemPtr& parent);
    void editItem(const halvex::KeywordItemPtr& item);
    void deleteItem(const halvex::KeywordItemPtr& item);

    // The keywords of the file are added after the top-level ones; importFinished() follows.
    void importKeywords(const QString& path);
    // The current item with its subtree; exportFinished() follows.
    void exportKeywords(const QString& path);

    bool itemsShouldBeSaved() const { return itemsShouldBeSaved_; }
    void setItemsShouldBeSaved() { itemsShouldBeSaved_ = true; }
    // Saves the library when it is marked: the failure's text (the file and the reason) when
    // the save failed, the library then staying marked.
    std::optional<QString> saveItemsIfNeeded();

Q_SIGNALS:
    void importFinished();
    void exportFinished();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpToolbarItems();
    void setUpTouchBar();
    void updateInterface();
    // The item the commands act on now.
    halvex::KeywordItemPtr targetItem() const;
    void presentSheet(const halvex::KeywordItemPtr& item, std::function<void()> validated);
    void applySavingRule();
    void showFailure(const QString& stem, const QString& reason);
    void chooseImportFile();
    void chooseExportFile();

    std::unique_ptr<Ui::KeywordManagerWindow> ui_;
    halvex::KeywordManager& manager_;
    KeywordOutlineViewController* outline_;
    veilcast::ProgressOverlay* progressOverlay_;
    QMenu* fileMenu_;
    QMenu* contextMenu_;
    QPointer<KeywordEditItemWindowController> editItemWindowController_;
    // The row item of the contextual menu, while it stands for the current item.
    std::optional<std::weak_ptr<halvex::KeywordItem>> menuItem_;
    bool itemsShouldBeSaved_ = false;
    brisa::NoteSubscriber itemsSubscriber_;
};

} // namespace corvelle
