#pragma once

#include "app/DocumentOpener.h"
#include "app/MainMenu.h"
#include "app/SharedWindow.h"
#include "editor/EditorWindowInterface.h"
#include "widgets/ApplicationCommands.h"
#include "widgets/desktop/UserNotificationCenterDelegate.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QMenu;
class QSessionManager;

namespace corvelle {

class LaunchLibrary;

// The application's controller: it starts the application (settings, engines, the five stored
// libraries, the Alt key), owns the main menu and validates its own items, shows and toggles the
// shared windows, routes the documents handed over by the desktop or by a later launch, and asks
// before the application ends. Closing the editor window leaves the application running.
class AppController : public QObject, public UserNotificationCenterDelegate, public ApplicationCommands {
    Q_OBJECT

public:
    // What differs from one run to another: tests inject their own.
    struct Environment {
        // The keyboard modifiers held now; empty reads the keyboard.
        std::function<Qt::KeyboardModifiers()> keyboardModifiers;
        // Makes the editor window; empty makes the EditorWindowController.
        std::function<std::unique_ptr<EditorWindowInterface>()> makeEditorWindow;
    };

    explicit AppController(Environment environment = {}, QObject* parent = nullptr);
    ~AppController() override;

    // The controller of the running application; null when there is none.
    static AppController* current();

    // Both launch stages. False when the user chose to quit while a library was loading: the
    // later libraries are then not loaded and nothing is shown.
    bool launch();
    // Statistics, scroll positions, menu titles, engines, notification delegate, libraries, Alt key.
    bool applicationWillFinishLaunching();
    // The section submenus, the presets submenu, then the editor window.
    void applicationDidFinishLaunching();
    bool hasFinishedLaunching() const { return finishedLaunching_; }

    // Preset and tag-set files are imported after confirmation; other files and folders go to
    // the editor window.
    void openDocuments(const QList<QUrl>& urls);
    void openFiles(const QStringList& paths);
    // Brings the editor window to the front.
    bool applicationOpenUntitledFile();
    // What a later launch handed over: its documents, or none, which brings the editor window
    // back. Kept until launching has finished.
    void takeHandOver(const QStringList& absolutePaths);

    // Asks about running tasks, then about unsaved changes. True when the application may end.
    bool applicationShouldTerminate();
    // Ends the application after applicationShouldTerminate() agreed.
    void terminate();
    bool isTerminating() const { return terminating_; }

    MainMenu& mainMenu() { return *mainMenu_; }
    QMenu* toolbarItemHelpMenu() const override { return mainMenu_->toolbarItemHelpMenu(); }
    // Asks the focused text field, the editor window, the application and then this controller,
    // as far as one answers for the item's command; an item no one answers for is disabled.
    bool validateMenuItem(QAction* item);
    void performMenuItem(QAction* item);
    // The same for a command sent by another control (a toolbar button); `item` may be null.
    bool validateCommand(const QString& command, QAction* item = nullptr) override;
    void performCommand(const QString& command, QAction* sender = nullptr) override;

    void showMetadataEditor();
    void toggleMetadataEditor();
    void showPhotosRemoteControl();
    void togglePhotosRemoteControl();
    void showPresetManager();
    void togglePresetManager();
    void showKeywordManager();
    void toggleKeywordManager();
    void openPreferences();

    // The editor window, made on first use.
    EditorWindowInterface* editorWindowController();
    EditorWindowInterface* existingEditorWindowController() const { return editorWindow_.get(); }

    void userNotificationCenterDidActivate() override;

Q_SIGNALS:
    // The application is to end now.
    void terminated();

protected:
    // The launch steps, in their order.
    virtual void updateLaunchStatistics();
    virtual void resetScrollPositions();
    virtual void setMainMenuTitles();
    virtual void configureEngines();
    virtual void becomeNotificationDelegate();
    // False when the user chose to quit.
    virtual bool loadLibrary(const LaunchLibrary& library);
    virtual void checkOptionKey();
    virtual void attachSectionMenus();
    virtual void attachPresetsMenu();

private:
    struct WindowCommands;

    MenuValidation validateOwnCommand(const QString& command, QAction* item);
    bool performOwnCommand(const QString& command, QAction* sender);
    MenuValidation validateApplicationCommand(const QString& command) const;
    bool performApplicationCommand(const QString& command);
    void forwardToEditorWindow(const QString& command, QAction* sender);
    void commitData(QSessionManager& manager);
    void terminateNow();
    void saveKeywordLibrary();
    void showAbout();

    Environment environment_;
    std::unique_ptr<MainMenu> mainMenu_;
    std::unique_ptr<EditorWindowInterface> editorWindow_;
    SharedWindow remoteControlWindow_;
    SharedWindow presetManagerWindow_;
    SharedWindow keywordManagerWindow_;
    DocumentOpener documentOpener_;
    QList<QStringList> pendingHandOvers_;
    QPointer<QAction> showPresetManagerItem_;
    QPointer<QAction> savePresetItem_;
    QPointer<QAction> presetsSeparatorItem_;
    bool finishedLaunching_ = false;
    bool terminating_ = false;
};

} // namespace corvelle
