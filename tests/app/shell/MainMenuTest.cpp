#include "FakeEditorWindow.h"

#include "app/AppController.h"
#include "app/MainMenu.h"
#include "app/preferences/PreferencesController.h"
#include "editor/EditorWindowController.h"
#include "filebrowser/QuickLookWindowController.h"
#include "keywords/KeywordManagerWindowController.h"
#include "photos/RCWindowController.h"
#include "platform/brisa/ui/MenuMnemonics.h"
#include "platform/brisa/ui/MenuTree.h"
#include "support/ui/PrivateSessionBus.h"
#include "support/ui/SectionViewStandIn.h"

#include <QAction>
#include <QHash>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

Q_DECLARE_METATYPE(std::function<QWidget*()>)

using corvelle::AppController;
using corvelle::MainMenu;

namespace {

// The commands of the main menu: the application's own, then the editor window's families.
const QStringList applicationCommands{
    "orderFrontStandardAboutPanel:", "openPreferences:", "hide:", "terminate:", "showHelp:", "performClose:",
    "performMiniaturize:", "openFilesInFinder:", "openFilesInPhotos:", "showMetadataEditor:", "toggleMetadataEditor:",
    "showPhotosRemoteControl:", "togglePhotosRemoteControl:", "showPresetManager:", "togglePresetManager:",
    "showKeywordManager:", "toggleKeywordManager:"};

const QStringList editorCommands{
    // copy, cut and paste; standard editing
    "copy:", "cut:", "paste:", "undo:", "redo:", "delete:", "selectAll:", "deselectAll:",
    // files
    "reloadSelectedFiles:", "restoreSelectedFiles:", "removeSelectedFiles:", "removeAllFiles:", "saveSelectedFiles:",
    "saveAllEditedFiles:", "selectPreviousFile:", "selectNextFile:", "selectAllFiles:", "deselectAllFiles:",
    "invertFileSelection:", "revealSelectedFilesInFinder:", "sortFilesUsingAscendingFilename:",
    "sortFilesUsingDescendingFilename:", "sortFilesUsingAscendingPath:", "sortFilesUsingDescendingPath:",
    "inspectSelectedFiles:", "uninspectSelectedFiles:", "showFileSelectPanel:", "showFileSortPanel:",
    "showFolderSettingsPanel:", "exportFilesToPhotosApp:", "transferFilesToLindmere:",
    // tags
    "clearEXIFTags:", "clearIPTCTags:", "clearXMPTags:", "clearQuicktimeTags:", "clearSelectedTags:",
    "clearDisplayedTags:", "clearChosenStreams:", "clearAllStreams:", "restoreEXIFTags:", "restoreIPTCTags:",
    "restoreXMPTags:", "restoreQuicktimeTags:", "restoreSelectedTags:", "restoreDisplayedTags:",
    "restoreChosenStreams:", "restoreAllStreams:", "copySelectedTags:", "copyDisplayedTags:", "copyEXIFTags:",
    "copyIPTCTags:", "copyXMPTags:", "copyQuicktimeTags:", "copyChosenStreams:", "copyAllStreams:",
    "syncSelectedDateTags:", "syncDisplayedDateTags:", "editSelectedTableValue:", "quickActionSelectedTableValue:",
    "rawEditSelectedTableValue:", "restoreSelectedTableValue:", "clearSelectedTableValue:",
    "forceSelectedTableValue:", "copySelectedTableValue:", "cutSelectedTableValue:", "pasteSelectedTableValue:",
    "clearAndPasteTags:", "pasteAndMergeTags:", "selectPreviousTags:", "selectNextTags:", "selectAllTags:",
    "deselectAllTags:", "invertTagSelection:", "selectDateTags:", "deleteAllStreamBlocks:", "deleteEXIFStreamBlock:",
    "deleteXMPStreamBlock:", "deleteIPTCStreamBlock:", "deleteQuicktimeStreamBlock:", "deleteChosenStreamBlock:",
    "showTagSelectPanel:", "showTagFilterPanel:", "showTagManagePanel:", "showSyncFolderTagsPanel:",
    "downloadVideoInfo:", "deleteItunMoviPlist:",
    // images and dates
    "horizontalFlip:", "verticalFlip:", "rotateLeft:", "rotateRight:", "exifHorizontalFlip:", "exifVerticalFlip:",
    "exifRotateLeft:", "exifRotateRight:", "quicktimeHorizontalFlip:", "quicktimeVerticalFlip:",
    "quicktimeRotateLeft:", "quicktimeRotateRight:", "restoreEXIFThumbnail:", "clearEXIFThumbnail:",
    "exportEXIFThumbnail:", "exportJPGFromRaw:", "editQuicktimeCovertArt:", "updateAllDates:", "syncAllDates:",
    // locations
    "copyLocationTags:", "cutLocationTags:", "pasteLocationTags:", "searchLocation:", "restoreLocation:",
    "clearLocation:", "importLocation:", "copyEXIFGPSCoordinate:", "pasteEXIFGPSCoordinate:",
    "importEXIFGPSCoordinate:", "copyEXIFGPSLocationTags:", "pasteEXIFGPSLocationTags:", "restoreEXIFGPSLocation:",
    "clearEXIFGPSLocation:", "copyEXIFGPSStampTags:", "pasteEXIFGPSStampTags:", "restoreEXIFGPSStamp:",
    "clearEXIFGPSStamp:", "syncEXIFGPSStamp:", "copyIPTCLocationAddress:", "copyIPTCLocationTags:",
    "pasteIPTCLocationTags:", "restoreIPTCLocation:", "clearIPTCLocation:", "copyXMPCoordinate:",
    "pasteXMPCoordinate:", "importXMPCoordinate:", "copyXMPLocationTags:", "pasteXMPLocationTags:",
    "restoreXMPLocation:", "clearXMPLocation:", "copyQuicktimeCoordinate:", "pasteQuicktimeCoordinate:",
    "importQuicktimeCoordinate:", "copyQuicktimeLocationTags:", "pasteQuicktimeLocationTags:",
    "restoreQuicktimeLocation:", "clearQuicktimeLocation:", "copyCoordinates:", "copyCoordinatesDDddddd:",
    "copyCoordinatesPreDDMMmmm:", "copyCoordinatesPostDDMMSSs:", "copyCoordinatesISO6709:", "pasteCoordinates:",
    "autocompleteUsingEXIFCoordinate:", "autocompleteUsingIPTCAddress:", "autocompleteUsingXMPCoordinate:",
    "autocompleteUsingXMPAddress:", "autocompleteUsingQuickTimeCoordinate:", "importGeotags:", "exportKMLGeotags:",
    "exportGPXGeotags:",
    // import and export
    "importTagsWithFastOptions:", "importTagsWithTagOptions:", "importTagsWithStreamOptions:",
    "exportTagsToEXIFSidecar:", "exportTagsToMIESidecar:", "exportTagsToEXVSidecar:", "exportTagsToICCSidecar:",
    "exportTagsToVRDSidecar:", "exportTagsToXMPSidecar:", "exportTagsToCSVSidecar:", "exportTagsToJSONSidecar:",
    "importEXIFSidecar:", "importMIESidecar:", "importEXVSidecar:", "importICCSidecar:", "importVRDSidecar:",
    "importXMPSidecar:", "importCopiesSidecar:", "exportEXIFSidecar:", "exportMIESidecar:", "exportEXVSidecar:",
    "exportICCSidecar:", "exportVRDSidecar:", "exportXMPSidecar:", "importCSVTable:", "exportCSVTableWithOptions:",
    "exportCSVTableWithAllTags:",
    // presets
    "savePreset:",
    // view
    "showTaskManager:", "showQuicklook:", "hideQuicklook:", "toggleQuickLook:", "switchToPreviewSection:",
    "switchToTagsSection:", "switchToMapSection:", "switchToRawSection:", "toggleFileViewMode:",
    "toggleAllColumnsInFileList:", "toggleEditingSidebar:", "enableEditingSidebar:", "disableEditingSidebar:"};

void validateAllMenus(MainMenu& menu)
{
    for (QMenu* top : menu.menus()) {
        Q_EMIT top->aboutToShow();
        for (QMenu* submenu : top->findChildren<QMenu*>())
            Q_EMIT submenu->aboutToShow();
    }
}

// The editor window of the application once launched; null when launching failed.
corvelle::EditorWindowController* launchedEditor(AppController& controller)
{
    if (!controller.launch())
        return nullptr;
    return dynamic_cast<corvelle::EditorWindowController*>(controller.existingEditorWindowController());
}

AppController::Environment withoutModifiers()
{
    AppController::Environment environment;
    environment.keyboardModifiers = [] { return Qt::KeyboardModifiers(); };
    return environment;
}

} // namespace

class MainMenuTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The tags, map and raw sections are offered as in the finished window.
    void initTestCase() { corvelle::test::SectionViewStandIn::registerFor(); }

    void everyCommandHasATitledItem()
    {
        AppController controller(withoutModifiers());
        QVERIFY(controller.launch());
        MainMenu& menu = controller.mainMenu();
        QStringList commands;
        for (QAction* item : menu.items())
            commands << item->objectName();
        // The preset manager is also offered at the top of the Presets menu.
        QCOMPARE(commands.count("showPresetManager:"), 2);
        commands.removeDuplicates();
        for (const QString& command : applicationCommands + editorCommands) {
            QVERIFY2(commands.contains(command), qPrintable(command));
            const QString title = menu.item(command)->text();
            QVERIFY2(!title.isEmpty() && title != MainMenu::titleKey(command), qPrintable(command));
        }
        QCOMPARE(commands.size(), (applicationCommands + editorCommands).size());
        for (QMenu* top : menu.menus())
            QVERIFY(!top->title().isEmpty());

        for (const QString& identifier :
             {MainMenu::copyTagsSectionMenuIdentifier, MainMenu::restoreTagsSectionMenuIdentifier,
              MainMenu::clearTagsSectionMenuIdentifier, MainMenu::csvExportTagsSectionMenuIdentifier})
            QVERIFY2(menu.menu(identifier), qPrintable(identifier));
        QVERIFY(menu.toolbarItemHelpMenu()->actions().contains(menu.helpAppMenuItem()));
        QCOMPARE(controller.toolbarItemHelpMenu(), menu.toolbarItemHelpMenu());
        QCOMPARE(AppController::current(), &controller);
    }

    void editorCommandsAreDisabledWithoutAnEditor()
    {
        AppController controller(withoutModifiers());
        QVERIFY(controller.launch());
        MainMenu& menu = controller.mainMenu();
        validateAllMenus(menu);

        // The view commands that need no file: the tasks, Quick Look and the section switches;
        // and the displayed tag list's sheet.
        const QStringList enabledWithoutFiles{"showTaskManager:", "showQuicklook:", "toggleQuickLook:", "showTagManagePanel:",
                                              "switchToPreviewSection:", "switchToTagsSection:",
                                              "switchToMapSection:", "switchToRawSection:"};
        for (const QString& command : editorCommands)
            QVERIFY2(menu.item(command)->isEnabled() == enabledWithoutFiles.contains(command), qPrintable(command));
        // The open commands go on to the editor window; every window can be shown.
        for (const char* command : {"orderFrontStandardAboutPanel:", "openPreferences:", "hide:", "terminate:",
                                    "showMetadataEditor:", "toggleMetadataEditor:", "openFilesInFinder:", "openFilesInPhotos:",
                                    "showKeywordManager:", "toggleKeywordManager:", "showPresetManager:", "togglePresetManager:",
                                    "showPhotosRemoteControl:", "togglePhotosRemoteControl:", "showHelp:"})
            QVERIFY2(menu.item(QString::fromLatin1(command))->isEnabled(), command);
        QVERIFY(!menu.menu(MainMenu::copyTagsSectionMenuIdentifier)->menuAction()->isEnabled());
    }

    void editorWindowValidatesAndPerformsItsCommands()
    {
        FakeEditorWindow* editor = nullptr;
        AppController controller(fakeEditorEnvironment(editor));
        QVERIFY(controller.launch());
        QVERIFY(editor);
        editor->enabledCommands = {"copyEXIFTags:", "openFilesFromFinder:", "switchToMapSection:"};
        editor->disabledCommands = {"saveSelectedFiles:"};
        MainMenu& menu = controller.mainMenu();
        validateAllMenus(menu);

        QVERIFY(menu.item("copyEXIFTags:")->isEnabled());
        QVERIFY(menu.item("switchToMapSection:")->isEnabled());
        QVERIFY(!menu.item("saveSelectedFiles:")->isEnabled());
        QVERIFY(!menu.item("clearEXIFTags:")->isEnabled());
        QVERIFY(menu.item("openFilesInFinder:")->isEnabled());
        QVERIFY(!menu.item("openFilesInPhotos:")->isEnabled());

        menu.item("copyEXIFTags:")->trigger();
        editor->window()->hide();
        menu.item("openFilesInFinder:")->trigger();
        QCOMPARE(editor->performed, (QStringList{"copyEXIFTags:", "openFilesFromFinder:"}));
        QVERIFY(editor->window()->isVisible());

        // A command whose rule turned false in the meantime does nothing.
        editor->enabledCommands.remove("copyEXIFTags:");
        controller.performMenuItem(menu.item("copyEXIFTags:"));
        controller.performMenuItem(menu.item("saveSelectedFiles:"));
        QCOMPARE(editor->performed.size(), 2);
    }

    void shortcutFollowsTheCurrentRule()
    {
        FakeEditorWindow* editor = nullptr;
        AppController controller(fakeEditorEnvironment(editor));
        QVERIFY(controller.launch());
        QMainWindow* window = editor->window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        MainMenu& menu = controller.mainMenu();
        validateAllMenus(menu);
        QVERIFY(!menu.item("saveSelectedFiles:")->isEnabled());

        // Enabled since the menu was last opened: the shortcut acts all the same.
        editor->enabledCommands = {"saveSelectedFiles:"};
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(editor->performed, QStringList{"saveSelectedFiles:"});

        editor->enabledCommands.clear();
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(editor->performed, QStringList{"saveSelectedFiles:"});
    }

    void focusedTextFieldTakesTheEditCommands()
    {
        FakeEditorWindow* editor = nullptr;
        AppController controller(fakeEditorEnvironment(editor));
        QVERIFY(controller.launch());
        // Without a text field the editor window answers them.
        editor->enabledCommands = {"copy:", "selectAll:"};
        auto* field = new QLineEdit(QStringLiteral("Summer holidays"), editor->window());
        editor->window()->setCentralWidget(field);
        QVERIFY(QTest::qWaitForWindowActive(editor->window()));
        field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), field);
        MainMenu& menu = controller.mainMenu();

        field->setSelection(0, 6);
        validateAllMenus(menu);
        QVERIFY(menu.item("copy:")->isEnabled());
        QVERIFY(menu.item("cut:")->isEnabled());
        QVERIFY(!menu.item("undo:")->isEnabled());

        field->deselect();
        validateAllMenus(menu);
        QVERIFY(!menu.item("copy:")->isEnabled());
        menu.item("selectAll:")->trigger();
        QCOMPARE(field->selectedText(), QStringLiteral("Summer holidays"));
        validateAllMenus(menu);
        menu.item("cut:")->trigger();
        QVERIFY(field->text().isEmpty());
        validateAllMenus(menu);
        QVERIFY(menu.item("undo:")->isEnabled());
        QVERIFY(editor->performed.isEmpty());

        field->clearFocus();
        editor->window()->setFocus();
        validateAllMenus(menu);
        QVERIFY(menu.item("copy:")->isEnabled());
    }

    void windowCommandsShowToggleAndMark()
    {
        AppController controller(withoutModifiers());
        QVERIFY(controller.launch());
        MainMenu& menu = controller.mainMenu();
        QWidget* window = controller.existingEditorWindowController()->window();
        QAction* show = menu.item("showMetadataEditor:");
        QAction* toggle = menu.item("toggleMetadataEditor:");

        validateAllMenus(menu);
        QVERIFY(show->isChecked());
        QVERIFY(toggle->isChecked());

        toggle->trigger();
        QVERIFY(!window->isVisible());
        validateAllMenus(menu);
        QVERIFY(!show->isChecked());
        QVERIFY(!toggle->isChecked());

        toggle->trigger();
        QVERIFY(window->isVisible());
        window->close();
        QVERIFY(!window->isVisible());
        show->trigger();
        QVERIFY(window->isVisible());
        validateAllMenus(menu);
        QVERIFY(show->isChecked());
    }

    void sharedWindowCommandsShowAndToggleTheirWindow_data()
    {
        QTest::addColumn<QString>("show");
        QTest::addColumn<QString>("toggle");
        QTest::addColumn<std::function<QWidget*()>>("existing");
        QTest::newRow("keyword manager") << "showKeywordManager:" << "toggleKeywordManager:"
                                         << std::function<QWidget*()>([] { return corvelle::KeywordManagerWindowController::existing(); });
        QTest::newRow("remote profiles") << "showPhotosRemoteControl:" << "togglePhotosRemoteControl:"
                                         << std::function<QWidget*()>([] { return corvelle::RCWindowController::existing(); });
    }

    void sharedWindowCommandsShowAndToggleTheirWindow()
    {
        QFETCH(QString, show);
        QFETCH(QString, toggle);
        QFETCH(std::function<QWidget*()>, existing);
        AppController controller(withoutModifiers());
        QVERIFY(controller.launch());
        MainMenu& menu = controller.mainMenu();
        menu.item(show)->trigger();
        QWidget* window = existing();
        QVERIFY(window && window->isVisible());
        validateAllMenus(menu);
        QVERIFY(menu.item(toggle)->isChecked());
        menu.item(toggle)->trigger();
        QVERIFY(!window->isVisible());
    }

    void closingTheEditorWindowKeepsTheApplication()
    {
        AppController controller(withoutModifiers());
        QVERIFY(controller.launch());
        QWidget* window = controller.existingEditorWindowController()->window();
        QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
        window->close();
        QVERIFY(!controller.isTerminating());
        // Launching again with no document brings it back.
        controller.takeHandOver({});
        QVERIFY(window->isVisible());
    }

    // The window's commands are its own actions in the menu: one object, acting by itself.
    void menuHoldsTheWindowsActions()
    {
        AppController controller(withoutModifiers());
        corvelle::EditorWindowController* editor = launchedEditor(controller);
        QVERIFY(editor);
        MainMenu& menu = controller.mainMenu();
        for (const char* command : {"saveSelectedFiles:", "selectAll:", "copy:", "switchToMapSection:",
                                    "toggleQuickLook:", "removeAllFiles:"})
            QCOMPARE(menu.item(QString::fromLatin1(command)), editor->commandAction(QString::fromLatin1(command)));
        QCOMPARE(menu.item("saveSelectedFiles:")->shortcut(), QKeySequence(QKeySequence::Save));
        QVERIFY(menu.item("switchToPreviewSection:")->isCheckable());

        // Quick Look shows from the menu item, and its mark follows when the menu opens.
        menu.item("toggleQuickLook:")->trigger();
        QVERIFY(editor->quickLookWindowController().isShown());
        validateAllMenus(menu);
        QVERIFY(menu.item("toggleQuickLook:")->isChecked());
        QVERIFY(menu.item("hideQuicklook:")->isEnabled());
        menu.item("hideQuicklook:")->trigger();
        QVERIFY(!editor->quickLookWindowController().isShown());
        validateAllMenus(menu);
        QVERIFY(!menu.item("toggleQuickLook:")->isChecked());
    }

    // Every item of every menu, the menu bar's titles and the file context menu carry an Alt
    // mnemonic that no other item of their menu uses. The application menu is titled by the
    // application's name alone.
    void everyMenuHasUniqueMnemonics()
    {
        AppController controller(withoutModifiers());
        corvelle::EditorWindowController* editor = launchedEditor(controller);
        QVERIFY(editor);
        MainMenu& menu = controller.mainMenu();
        validateAllMenus(menu);
        const auto check = [](const QString& where, const QList<QAction*>& items) {
            QHash<QChar, QString> seen;
            for (QAction* item : items) {
                if (item->isSeparator() || item->text().isEmpty())
                    continue;
                const QChar letter = brisa::MenuMnemonics::mnemonic(item->text());
                if (letter.isNull())
                    return QStringLiteral("%1: no mnemonic in \"%2\"").arg(where, item->text());
                if (seen.contains(letter))
                    return QStringLiteral("%1: \"%2\" and \"%3\" share %4").arg(where, seen[letter], item->text(), letter);
                seen.insert(letter, item->text());
            }
            return QString();
        };
        QList<QAction*> titles = editor->window()->menuBar()->actions();
        titles.removeOne(menu.appNameMenuItem());
        QCOMPARE(check(QStringLiteral("menu bar"), titles), QString());
        for (QMenu* top : menu.menus()) {
            for (QMenu* each : brisa::MenuTree::allMenus(top))
                QCOMPARE(check(each->title(), each->actions()), QString());
        }
        QMenu* context = editor->fileContextualMenu();
        QVERIFY(context && !context->isEmpty());
        Q_EMIT context->aboutToShow();
        QCOMPARE(check(QStringLiteral("context menu"), context->actions()), QString());
        for (QAction* item : context->actions())
            QCOMPARE(menu.item(item->objectName()), item);
    }

    void preferencesCommandOpensThePreferences()
    {
        AppController controller(withoutModifiers());
        QVERIFY(controller.launch());
        QAction* item = controller.mainMenu().item("openPreferences:");
        QCOMPARE(item->shortcutContext(), Qt::ApplicationShortcut);
        item->trigger();
        QWidget* window = corvelle::PreferencesController::shared().window();
        QVERIFY(window->isVisible());
        window->close();
    }
};

CORVELLE_TEST_MAIN_WITH_PRIVATE_BUS(MainMenuTest)
#include "MainMenuTest.moc"
