#include "app/AppController.h"

#include "app/ApplicationAlert.h"
#include "app/EngineConfigurator.h"
#include "app/LaunchLibrary.h"
#include "widgets/LibraryErrorText.h"
#include "app/QuitController.h"
#include "app/UserGuide.h"
#include "widgets/TextResponder.h"
#include "app/preferences/PreferencesController.h"
#include "app/settings/AdvancedSettings.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/kit/KitDebugger.h"
#include "engine/halvex/libraries/LibraryError.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "keywords/KeywordManagerWindowController.h"
#include "photos/RCWindowController.h"
#include "presets/PresetManagerWindowController.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/WindowControl.h"
#include "presets/PresetPopUpMenu.h"
#include "tags/SectionPopUpMenu.h"
#include "widgets/TextLocalizer.h"
#include "widgets/desktop/UserNotificationCenter.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSessionManager>

namespace corvelle {

namespace {

AppController* currentController = nullptr;

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

QString applicationName()
{
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Application") : name;
}

void bringForward(QWidget* window)
{
    if (!window)
        return;
    window->show();
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

void toggle(QWidget* window)
{
    if (window)
        brisa::WindowControl::toggleWindow(window);
}

void setChecked(QAction* item, bool checked)
{
    if (item && item->isCheckable())
        item->setChecked(checked);
}

} // namespace

// The show and toggle commands of one shared window.
struct AppController::WindowCommands {
    QString show;
    QString toggle;
    std::function<bool()> isAvailable;
    std::function<bool()> isVisible;
};

AppController::AppController(Environment environment, QObject* parent)
    : QObject(parent),
      environment_(std::move(environment)),
      documentOpener_([this] {
          showMetadataEditor();
          return editorWindowController();
      })
{
    if (!environment_.keyboardModifiers)
        environment_.keyboardModifiers = &QGuiApplication::queryKeyboardModifiers;
    if (!environment_.makeEditorWindow)
        environment_.makeEditorWindow = [] { return std::make_unique<EditorWindowController>(); };
    keywordManagerWindow_ = SharedWindow([] { return &KeywordManagerWindowController::shared(); });
    remoteControlWindow_ = SharedWindow([] { return &RCWindowController::shared(); });
    presetManagerWindow_ = SharedWindow([] { return &PresetManagerWindowController::shared(); });

    mainMenu_ = std::make_unique<MainMenu>([this](QAction* item) { return validateMenuItem(item); },
                                           [this](QAction* item) { performMenuItem(item); });
    currentController = this;
    setCurrent(this);
    // The application lives on with its window closed: launching again or opening a file
    // brings the window back.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &AppController::commitData, Qt::DirectConnection);
}

AppController::~AppController()
{
    if (UserNotificationCenter::current().delegate() == this)
        UserNotificationCenter::current().setDelegate(nullptr);
    if (currentController == this)
        currentController = nullptr;
}

AppController* AppController::current()
{
    return currentController;
}

// Launching

bool AppController::launch()
{
    if (!applicationWillFinishLaunching())
        return false;
    applicationDidFinishLaunching();
    return true;
}

bool AppController::applicationWillFinishLaunching()
{
    updateLaunchStatistics();
    resetScrollPositions();
    setMainMenuTitles();
    configureEngines();
    becomeNotificationDelegate();
    for (const LaunchLibrary& library : LaunchLibrary::inLaunchOrder()) {
        if (!loadLibrary(library))
            return false;
    }
    checkOptionKey();
    return true;
}

void AppController::applicationDidFinishLaunching()
{
    attachSectionMenus();
    attachPresetsMenu();
    showMetadataEditor();
    finishedLaunching_ = true;
    const QList<QStringList> handOvers = std::exchange(pendingHandOvers_, {});
    for (const QStringList& paths : handOvers)
        takeHandOver(paths);
}

void AppController::updateLaunchStatistics()
{
    defaults().updateStatisticsAtLaunch();
}

void AppController::resetScrollPositions()
{
    defaults().set(Settings::fileSectionListScrollY(), -1.0);
    defaults().set(Settings::fileSectionGridScrollY(), -1.0);
}

void AppController::setMainMenuTitles()
{
    const QString name = applicationName();
    mainMenu_->appNameMenuItem()->setText(name);
    mainMenu_->aboutAppMenuItem()->setText(localizedString(QStringLiteral("AboutGenericMenuItem"), {name}));
    mainMenu_->hideAppMenuItem()->setText(localizedString(QStringLiteral("HideGenericMainMenuItem"), {name}));
    mainMenu_->quitAppMenuItem()->setText(localizedString(QStringLiteral("QuitGenericMainMenuItem"), {name}));
    mainMenu_->helpAppMenuItem()->setText(localizedString(QStringLiteral("HelpGenericMainMenuItem"), {name}));
}

void AppController::configureEngines()
{
    EngineConfigurator::configure(defaults());
}

void AppController::becomeNotificationDelegate()
{
    UserNotificationCenter::current().setDelegate(this);
}

bool AppController::loadLibrary(const LaunchLibrary& library)
{
    try {
        library.load();
        return true;
    } catch (const halvex::LibraryError& error) {
        const QString reason = libraryErrorText(error);
        halvex::KitDebugger::shared().log(reason);
        const int quitButton = 0;
        const int answer = ApplicationAlert::run(
            {library.alertStem, {QStringLiteral("QuitButton"), QStringLiteral("ResetButton")}, {}, reason},
            QMessageBox::Warning);
        if (answer == quitButton) {
            terminateNow();
            return false;
        }
    }
    try {
        library.reset();
    } catch (const halvex::LibraryError& error) {
        // The library is empty for this run; its file stays as it was and is kept aside by the
        // next save. The user hears why, rather than finding it empty without a word.
        const QString reason = libraryErrorText(error);
        halvex::KitDebugger::shared().log(reason);
        ApplicationAlert::run({QStringLiteral("LibraryResetFailedAlert"), {QStringLiteral("OKButton")}, {}, reason},
                              QMessageBox::Warning, 0);
    }
    return true;
}

void AppController::checkOptionKey()
{
    if (!(environment_.keyboardModifiers() & Qt::AltModifier))
        return;
    defaults().set(Settings::enableDebuggingMode(), true);
    halvex::KitDebugger::shared().start();
}

void AppController::attachSectionMenus()
{
    const QList<std::pair<QString, QString>> pairs{
        {MainMenu::copyTagsSectionMenuIdentifier, QStringLiteral("copyChosenSection:")},
        {MainMenu::restoreTagsSectionMenuIdentifier, QStringLiteral("restoreChosenSection:")},
        {MainMenu::clearTagsSectionMenuIdentifier, QStringLiteral("clearChosenSection:")},
        {MainMenu::csvExportTagsSectionMenuIdentifier, QStringLiteral("exportCSVTableWithSection:")},
    };
    // The editor window is the target of the section items.
    QObject* editor = dynamic_cast<QObject*>(editorWindowController());
    for (const auto& [identifier, command] : pairs) {
        auto* sections = qobject_cast<SectionPopUpMenu*>(mainMenu_->menu(identifier));
        if (!sections)
            continue;
        sections->setApplySectionTarget(editor);
        sections->setApplySectionAction(command);
        sections->reload();
    }
}

void AppController::attachPresetsMenu()
{
    if (!showPresetManagerItem_) {
        showPresetManagerItem_ = mainMenu_->makeItem(QStringLiteral("showPresetManager:"),
                                                     QStringLiteral("ShowPresetManagerTitle"), mainMenu_.get());
        savePresetItem_ = mainMenu_->makeItem(QStringLiteral("savePreset:"), QStringLiteral("SaveTagsAsPresetTitle"),
                                              mainMenu_.get());
        presetsSeparatorItem_ = new QAction(mainMenu_.get());
        presetsSeparatorItem_->setSeparator(true);
    }
    QObject* editor = dynamic_cast<QObject*>(editorWindowController());
    for (QMenu* menu : mainMenu_->menus()) {
        auto* presets = qobject_cast<PresetPopUpMenu*>(menu);
        if (!presets)
            continue;
        presets->setTopItems({showPresetManagerItem_, presetsSeparatorItem_, savePresetItem_});
        presets->setApplyPresetTarget(editor);
        presets->setApplyPresetAction(QStringLiteral("applyPreset:"));
        presets->reloadItems();
    }
}

// Documents

void AppController::openDocuments(const QList<QUrl>& urls)
{
    documentOpener_.openDocuments(urls);
}

void AppController::openFiles(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    openDocuments(urls);
}

bool AppController::applicationOpenUntitledFile()
{
    showMetadataEditor();
    return true;
}

void AppController::takeHandOver(const QStringList& absolutePaths)
{
    if (!finishedLaunching_) {
        pendingHandOvers_ << absolutePaths;
        return;
    }
    if (absolutePaths.isEmpty())
        applicationOpenUntitledFile();
    else
        openFiles(absolutePaths);
}

void AppController::userNotificationCenterDidActivate()
{
    showMetadataEditor();
}

// Quitting

bool AppController::applicationShouldTerminate()
{
    return QuitController::shouldTerminate([] { return halvex::TaskManager::shared().isBusy(); },
                                           [this] {
                                               // A window never made holds no files.
                                               return editorWindow_ && editorWindow_->hasUnsavedChanges();
                                           });
}

void AppController::terminate()
{
    if (applicationShouldTerminate())
        terminateNow();
}

void AppController::terminateNow()
{
    saveKeywordLibrary();
    terminating_ = true;
    Q_EMIT terminated();
}

// The keyword window saves its changes as it loses the focus or closes; what it holds when the
// application ends is saved here.
void AppController::saveKeywordLibrary()
{
    KeywordManagerWindowController* keywords = KeywordManagerWindowController::existing();
    if (!keywords)
        return;
    if (const std::optional<QString> failure = keywords->saveItemsIfNeeded()) {
        halvex::KitDebugger::shared().log(*failure);
        ApplicationAlert::run({QStringLiteral("KeywordSaveDidFail"), {QStringLiteral("OKButton")}, {*failure}},
                              QMessageBox::Warning, 0);
    }
}

// The desktop's logout: the same questions; a refusal keeps the session open.
void AppController::commitData(QSessionManager& manager)
{
    if (!manager.allowsInteraction())
        return;
    const bool agreed = applicationShouldTerminate();
    manager.release();
    if (!agreed)
        manager.cancel();
}

// Windows

EditorWindowInterface* AppController::editorWindowController()
{
    if (!editorWindow_) {
        editorWindow_ = environment_.makeEditorWindow();
        mainMenu_->adopt(editorWindow_->commandActions());
        mainMenu_->attach(editorWindow_->window()->menuBar());
    }
    return editorWindow_.get();
}

void AppController::showMetadataEditor()
{
    bringForward(editorWindowController()->window());
}

void AppController::toggleMetadataEditor()
{
    toggle(editorWindowController()->window());
}

void AppController::showPhotosRemoteControl()
{
    bringForward(remoteControlWindow_.window());
}

void AppController::togglePhotosRemoteControl()
{
    toggle(remoteControlWindow_.window());
}

void AppController::showPresetManager()
{
    bringForward(presetManagerWindow_.window());
}

void AppController::togglePresetManager()
{
    toggle(presetManagerWindow_.window());
}

void AppController::showKeywordManager()
{
    bringForward(keywordManagerWindow_.window());
}

void AppController::toggleKeywordManager()
{
    toggle(keywordManagerWindow_.window());
}

void AppController::openPreferences()
{
    PreferencesController::shared().showPreferences();
}

void AppController::showAbout()
{
    const QString name = applicationName();
    QWidget* parent = QApplication::activeWindow();
    QMessageBox::about(parent, localizedString(QStringLiteral("AboutGenericMenuItem"), {name}),
                       localizedString(QStringLiteral("AboutAppInformativeText"),
                                       {name, QStringLiteral(CORVELLE_VERSION)})
                           + QStringLiteral("\n\n") + localizedString(QStringLiteral("AboutAppPlacesCredit"))
                           + QStringLiteral("\n") + localizedString(QStringLiteral("AboutAppBaseMapCredit")));
}

// Menu validation and dispatch

bool AppController::validateMenuItem(QAction* item)
{
    return validateCommand(item->objectName(), item);
}

void AppController::performMenuItem(QAction* item)
{
    performCommand(item->objectName(), item);
}

bool AppController::validateCommand(const QString& command, QAction* item)
{
    if (const MenuValidation answer = TextResponder::validate(QApplication::focusWidget(), command);
        answer != MenuValidation::notMine)
        return answer == MenuValidation::enabled;
    if (editorWindow_) {
        if (const MenuValidation answer = editorWindow_->validateMenuCommand(command, item);
            answer != MenuValidation::notMine)
            return answer == MenuValidation::enabled;
    }
    if (const MenuValidation answer = validateApplicationCommand(command); answer != MenuValidation::notMine)
        return answer == MenuValidation::enabled;
    return validateOwnCommand(command, item) == MenuValidation::enabled;
}

void AppController::performCommand(const QString& command, QAction* item)
{
    if (TextResponder::perform(QApplication::focusWidget(), command))
        return;
    if (editorWindow_) {
        switch (editorWindow_->validateMenuCommand(command, item)) {
        case MenuValidation::enabled:
            editorWindow_->performMenuCommand(command, item);
            return;
        case MenuValidation::disabled:
            return;
        case MenuValidation::notMine:
            break;
        }
    }
    if (performApplicationCommand(command))
        return;
    performOwnCommand(command, item);
}

MenuValidation AppController::validateApplicationCommand(const QString& command) const
{
    if (command == QLatin1String("orderFrontStandardAboutPanel:") || command == QLatin1String("hide:")
        || command == QLatin1String("terminate:"))
        return MenuValidation::enabled;
    if (command == QLatin1String("performClose:") || command == QLatin1String("performMiniaturize:"))
        return QApplication::activeWindow() ? MenuValidation::enabled : MenuValidation::disabled;
    if (command == QLatin1String("showHelp:"))
        return MenuValidation::enabled;
    return MenuValidation::notMine;
}

bool AppController::performApplicationCommand(const QString& command)
{
    const MenuValidation validation = validateApplicationCommand(command);
    if (validation != MenuValidation::enabled)
        return validation == MenuValidation::disabled;
    if (command == QLatin1String("orderFrontStandardAboutPanel:")) {
        showAbout();
    } else if (command == QLatin1String("hide:")) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && !window->isMinimized() && window->windowType() != Qt::Popup)
                window->showMinimized();
        }
    } else if (command == QLatin1String("terminate:")) {
        terminate();
    } else if (command == QLatin1String("performClose:")) {
        QApplication::activeWindow()->close();
    } else if (command == QLatin1String("performMiniaturize:")) {
        QApplication::activeWindow()->showMinimized();
    } else if (command == QLatin1String("showHelp:")) {
        UserGuide::open();
    }
    return true;
}

MenuValidation AppController::validateOwnCommand(const QString& command, QAction* item)
{
    // The open commands go on to the editor window. It exists from the end of launching on; a
    // shortcut pressed before that does not make it ahead of the libraries.
    if (command == QLatin1String("openFilesInFinder:") || command == QLatin1String("openFilesInPhotos:")) {
        const QString forwarded = command == QLatin1String("openFilesInFinder:") ? QStringLiteral("openFilesFromFinder:")
                                                                                 : QStringLiteral("openFilesFromPhotos:");
        return editorWindow_ && editorWindow_->validateMenuCommand(forwarded, nullptr) == MenuValidation::enabled
                   ? MenuValidation::enabled
                   : MenuValidation::disabled;
    }

    const QList<WindowCommands> windows{
        {QStringLiteral("showMetadataEditor:"), QStringLiteral("toggleMetadataEditor:"), [] { return true; },
         [this] { return editorWindow_ && editorWindow_->window()->isVisible(); }},
        {QStringLiteral("showPhotosRemoteControl:"), QStringLiteral("togglePhotosRemoteControl:"),
         [this] { return remoteControlWindow_.isAvailable(); }, [this] { return remoteControlWindow_.isVisible(); }},
        {QStringLiteral("showPresetManager:"), QStringLiteral("togglePresetManager:"),
         [this] { return presetManagerWindow_.isAvailable(); }, [this] { return presetManagerWindow_.isVisible(); }},
        {QStringLiteral("showKeywordManager:"), QStringLiteral("toggleKeywordManager:"),
         [this] { return keywordManagerWindow_.isAvailable(); }, [this] { return keywordManagerWindow_.isVisible(); }},
    };
    for (const WindowCommands& window : windows) {
        if (command != window.show && command != window.toggle)
            continue;
        setChecked(item, window.isVisible());
        return window.isAvailable() ? MenuValidation::enabled : MenuValidation::disabled;
    }

    if (command == QLatin1String("openPreferences:"))
        return MenuValidation::enabled;
    return MenuValidation::disabled;
}

bool AppController::performOwnCommand(const QString& command, QAction* sender)
{
    if (validateOwnCommand(command, nullptr) != MenuValidation::enabled)
        return false;
    const QHash<QString, std::function<void()>> actions{
        {QStringLiteral("openFilesInFinder:"), [&] { forwardToEditorWindow(QStringLiteral("openFilesFromFinder:"), sender); }},
        {QStringLiteral("openFilesInPhotos:"), [&] { forwardToEditorWindow(QStringLiteral("openFilesFromPhotos:"), sender); }},
        {QStringLiteral("showMetadataEditor:"), [this] { showMetadataEditor(); }},
        {QStringLiteral("toggleMetadataEditor:"), [this] { toggleMetadataEditor(); }},
        {QStringLiteral("showPhotosRemoteControl:"), [this] { showPhotosRemoteControl(); }},
        {QStringLiteral("togglePhotosRemoteControl:"), [this] { togglePhotosRemoteControl(); }},
        {QStringLiteral("showPresetManager:"), [this] { showPresetManager(); }},
        {QStringLiteral("togglePresetManager:"), [this] { togglePresetManager(); }},
        {QStringLiteral("showKeywordManager:"), [this] { showKeywordManager(); }},
        {QStringLiteral("toggleKeywordManager:"), [this] { toggleKeywordManager(); }},
        {QStringLiteral("openPreferences:"), [this] { openPreferences(); }},
    };
    const auto action = actions.constFind(command);
    if (action == actions.cend())
        return false;
    (*action)();
    return true;
}

void AppController::forwardToEditorWindow(const QString& command, QAction* sender)
{
    EditorWindowInterface* editor = editorWindowController();
    showMetadataEditor();
    if (editor->validateMenuCommand(command, nullptr) == MenuValidation::enabled)
        editor->performMenuCommand(command, sender);
}

} // namespace corvelle
