#include "AlertAnswerer.h"
#include "RecordingAppController.h"

#include "app/EngineConfigurator.h"
#include "app/MainMenu.h"
#include "app/settings/AdvancedSettings.h"
#include "editor/EditorSettings.h"
#include "engine/halvex/kit/KitDebugger.h"
#include "engine/halvex/kit/KitSettings.h"
#include "engine/halvex/libraries/KeywordManager.h"
#include "engine/halvex/libraries/LibraryFile.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/MediaType.h"
#include "engine/ostrak/ETSettings.h"
#include "filemodel/settings/EditionSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "widgets/TextLocalizer.h"
#include "widgets/desktop/UserNotificationCenter.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

using corvelle::AppController;
using corvelle::LaunchLibrary;
namespace Settings = corvelle::Settings;
using corvelle::localizedString;

namespace {

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

QString libraryPath(const QString& fileName)
{
    return halvex::LibraryFile::dataPath(fileName);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files beside `path` into which an unreadable library was put aside.
QStringList keptAside(const QString& path)
{
    const QFileInfo info(path);
    return info.dir().entryList({info.completeBaseName() + QStringLiteral(".unreadable-*")}, QDir::Files);
}

AppController::Environment withModifiers(Qt::KeyboardModifiers modifiers)
{
    AppController::Environment environment;
    environment.keyboardModifiers = [modifiers] { return modifiers; };
    return environment;
}

const QByteArray garbage = "{ this is no library";

const QStringList stepsBeforeLibraries{"updateLaunchStatistics", "resetScrollPositions", "setMainMenuTitles",
                                       "configureEngines", "becomeNotificationDelegate"};
const QStringList libraries{"TagSets", "Presets", "Keywords", "RemoteProfiles", "Locations"};
const QStringList stepsAfterLibraries{"checkOptionKey", "attachSectionMenus", "attachPresetsMenu"};

} // namespace

class AppControllerLaunchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QDir(QFileInfo(libraryPath(QStringLiteral("x"))).absolutePath()).removeRecursively();
    }

    void launchRunsItsStepsInOrder()
    {
        defaults().set(Settings::fileSectionListScrollY(), 240.0);
        defaults().set(Settings::fileSectionGridScrollY(), 12.5);
        defaults().set(Settings::userQuickTimeKeysLevel(), 0);
        defaults().set(Settings::userQuickTimeItemListLevel(), 3);
        defaults().set(Settings::userQuickTimeUserDataLevel(), 2);
        defaults().set(Settings::editionUserChoiceXMPToolkit(), QStringLiteral("Corvelle test"));
        const int launches = defaults().launchCount();

        // A stored keyword library: start-up loads it and makes its first item the current one.
        halvex::KeywordManager& keywords = halvex::KeywordManager::shared();
        keywords.setItems({std::make_shared<halvex::KeywordItem>(QStringLiteral("Alps")),
                           std::make_shared<halvex::KeywordItem>(QStringLiteral("Beach"))});
        keywords.save();
        keywords.setItems({});

        RecordingAppController controller(withModifiers(Qt::NoModifier));
        QVERIFY(controller.launch());

        QCOMPARE(controller.steps, stepsBeforeLibraries + libraries + stepsAfterLibraries);
        QVERIFY(controller.hasFinishedLaunching());
        QCOMPARE(defaults().launchCount(), launches + 1);
        QCOMPARE(defaults().value(Settings::fileSectionListScrollY()), -1.0);
        QCOMPARE(defaults().value(Settings::fileSectionGridScrollY()), -1.0);

        const QString name = QGuiApplication::applicationDisplayName();
        corvelle::MainMenu& menu = controller.mainMenu();
        QCOMPARE(menu.appNameMenuItem()->text(), name);
        QCOMPARE(menu.aboutAppMenuItem()->text(), localizedString("AboutGenericMenuItem", {name}));
        QCOMPARE(menu.quitAppMenuItem()->text(), QStringLiteral("Quit ") + name);
        QCOMPARE(menu.hideAppMenuItem()->text(), QStringLiteral("Hide ") + name);
        QCOMPARE(menu.helpAppMenuItem()->text(), name + QStringLiteral(" Help"));

        const ostrak::ETSettings& etSettings = ostrak::ETSettings::shared();
        QCOMPARE(etSettings.backupFolder(), libraryPath(QStringLiteral("Backup")));
        QCOMPARE(corvelle::EngineConfigurator::backupFolderPath(), etSettings.backupFolder());
        QVERIFY(QFileInfo(etSettings.backupFolder()).isDir());
        QCOMPARE(etSettings.quickTimeKeysLevel(), 0);
        QCOMPARE(etSettings.quickTimeItemListLevel(), 3);
        QCOMPARE(etSettings.quickTimeUserDataLevel(), 2);

        const halvex::KitSettings& kitSettings = halvex::KitSettings::shared();
        QCOMPARE(kitSettings.xmpToolkit(), QStringLiteral("Corvelle test"));
        QCOMPARE(kitSettings.engineOptions(), halvex::EngineOption::all);
        QCOMPARE(kitSettings.userDefaultsSuitePath(), brisa::UserDefaults::suite().filePath());
        const QSet<halvex::MediaType> types = kitSettings.supportedMediaTypes();
        QVERIFY(!types.contains(halvex::MediaType::typeFolder()));
        QVERIFY(types.contains(*halvex::MediaType::type(QStringLiteral("mov"))));
        QVERIFY(types.contains(*halvex::MediaType::type(QStringLiteral("m4a"))));
        QVERIFY(types.contains(*halvex::MediaType::type(QStringLiteral("xmp"))));
        QVERIFY(!types.contains(*halvex::MediaType::type(QStringLiteral("jpg"))));

        QCOMPARE(corvelle::UserNotificationCenter::current().delegate(),
                 static_cast<corvelle::UserNotificationCenterDelegate*>(&controller));

        QCOMPARE(keywords.items().size(), 2);
        QCOMPARE(keywords.currentItem()->name(), QStringLiteral("Alps"));

        // Only the editor window opens at launch, with the menu bar on it.
        QVERIFY(controller.existingEditorWindowController());
        QMainWindow* window = controller.existingEditorWindowController()->window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->menuBar()->actions().first(), menu.appNameMenuItem());
        QWidgetList shown;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                shown << widget;
        }
        QCOMPARE(shown, QWidgetList{window});

        // Manage presets, a separator, then save as preset, in the presets menu, followed by the
        // presets (none here) and the separator that closes them, which the menu does not draw.
        const QList<QAction*> presetItems = menu.menu(corvelle::MainMenu::presetsMenuIdentifier)->actions();
        QCOMPARE(presetItems.size(), 4);
        QVERIFY(presetItems[3]->isSeparator());
        QCOMPARE(presetItems[0]->objectName(), QStringLiteral("showPresetManager:"));
        QCOMPARE(presetItems[0]->text(), localizedString("ShowPresetManagerTitle"));
        QVERIFY(presetItems[1]->isSeparator());
        QCOMPARE(presetItems[2]->objectName(), QStringLiteral("savePreset:"));
        QCOMPARE(presetItems[2]->text(), localizedString("SaveTagsAsPresetTitle"));
    }

    void altHeldAtLaunchSwitchesDebuggingOn()
    {
        halvex::KitDebugger& debugger = halvex::KitDebugger::shared();
        debugger.stop();
        defaults().set(Settings::enableDebuggingMode(), false);

        {
            AppController controller(withModifiers(Qt::NoModifier));
            QVERIFY(controller.launch());
        }
        QVERIFY(!defaults().value(Settings::enableDebuggingMode()));
        QVERIFY(!debugger.isEnabled());

        {
            AppController controller(withModifiers(Qt::AltModifier | Qt::ShiftModifier));
            QVERIFY(controller.launch());
        }
        QVERIFY(defaults().value(Settings::enableDebuggingMode()));
        QVERIFY(debugger.isEnabled());
        QVERIFY(debugger.logFilePath().isEmpty());

        // The setting is never switched off at launch.
        debugger.stop();
        {
            AppController controller(withModifiers(Qt::NoModifier));
            QVERIFY(controller.launch());
        }
        QVERIFY(defaults().value(Settings::enableDebuggingMode()));
        QVERIFY(!debugger.isEnabled());
    }

    void unreadableLibraryAsksToQuitOrReset_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("stem");
        const auto add = [](const char* library, const char* fileName, const char* stem) {
            for (const char* answer : {"Quit", "Reset"}) {
                QTest::addRow("%s, %s", fileName, answer)
                    << QString::fromLatin1(library) << QString::fromLatin1(fileName) << QString::fromLatin1(stem);
            }
        };
        add("TagSets", "TagSet-chosen.json", "TagSetLoadingFailedAlert");
        add("TagSets", "TagSet-popular.json", "TagSetLoadingFailedAlert");
        add("Presets", "Presets.json", "PresetLoadingFailedAlert");
        // The keywords have their own texts, not the presets'.
        add("Keywords", "Keywords.json", "KeywordLoadingFailedAlert");
        add("RemoteProfiles", "RemoteProfiles.json", "RemoteProfileLoadingFailedAlert");
        add("Locations", "Locations.json", "LocationLoadingFailedAlert");
    }

    void unreadableLibraryAsksToQuitOrReset()
    {
        QFETCH(QString, library);
        QFETCH(QString, fileName);
        QFETCH(QString, stem);
        const bool quit = QString::fromLatin1(QTest::currentDataTag()).endsWith(QLatin1String("Quit"));
        const QString path = libraryPath(fileName);
        writeFile(path, garbage);

        RecordingAppController controller(withModifiers(Qt::AltModifier));
        QSignalSpy terminated(&controller, &AppController::terminated);
        AlertAnswerer answerer({stem + (quit ? QStringLiteral("QuitButton") : QStringLiteral("ResetButton"))});
        const bool launched = controller.launch();

        QCOMPARE(answerer.alerts().size(), 1);
        const AlertAnswerer::Alert& alert = answerer.alerts().first();
        QCOMPARE(alert.stem, stem);
        QVERIFY(!alert.answer.isEmpty());
        QCOMPARE(alert.text, localizedString(stem + QStringLiteral("MessageText")));
        QVERIFY(alert.informativeText.startsWith(localizedString(stem + QStringLiteral("InformativeText"))));
        QVERIFY2(alert.informativeText.contains(path), qPrintable(alert.informativeText));

        const int position = libraries.indexOf(library);
        if (quit) {
            QVERIFY(!launched);
            QVERIFY(controller.isTerminating());
            QCOMPARE(terminated.count(), 1);
            // Nothing after the library that could not be read.
            QCOMPARE(controller.steps, stepsBeforeLibraries + libraries.mid(0, position + 1));
            QVERIFY(!controller.existingEditorWindowController());
            QCOMPARE(readFile(path), garbage);
            QVERIFY(keptAside(path).isEmpty());
        } else {
            QVERIFY(launched);
            QCOMPARE(terminated.count(), 0);
            QCOMPARE(controller.steps, stepsBeforeLibraries + libraries + stepsAfterLibraries);
            // The unreadable file is kept, beside a library that loads.
            const QStringList aside = keptAside(path);
            QCOMPARE(aside.size(), 1);
            QCOMPARE(readFile(QFileInfo(path).dir().filePath(aside.first())), garbage);
            for (const LaunchLibrary& launchLibrary : LaunchLibrary::inLaunchOrder()) {
                if (launchLibrary.identifier == library)
                    launchLibrary.load();
            }
        }
    }

    // A reset that cannot write the library's folder says so, and the launch goes on with the
    // library empty and its file untouched.
    void failedResetIsReported()
    {
        const QString path = libraryPath(QStringLiteral("Keywords.json"));
        writeFile(path, garbage);
        const QString folder = QFileInfo(path).absolutePath();
        // Permission bits do not stop root: the immutable attribute stops everyone.
        const auto chattr = [&folder](const char* flag) {
            return QProcess::execute(QStringLiteral("chattr"), {QString::fromLatin1(flag), folder}) == 0;
        };
        if (!chattr("+i"))
            QSKIP("The test folder cannot be made immutable here");
        const auto restore = qScopeGuard([&] { chattr("-i"); });

        AppController controller(withModifiers(Qt::NoModifier));
        AlertAnswerer answerer({QStringLiteral("KeywordLoadingFailedAlertResetButton"),
                                QStringLiteral("LibraryResetFailedAlertOKButton")});
        QVERIFY(controller.launch());

        QCOMPARE(answerer.stems(),
                 (QStringList{QStringLiteral("KeywordLoadingFailedAlert"), QStringLiteral("LibraryResetFailedAlert")}));
        const AlertAnswerer::Alert& alert = answerer.alerts().last();
        QCOMPARE(alert.text, localizedString(QStringLiteral("LibraryResetFailedAlertMessageText")));
        QVERIFY2(alert.informativeText.contains(path), qPrintable(alert.informativeText));
        QVERIFY(halvex::KeywordManager::shared().items().isEmpty());
        QCOMPARE(readFile(path), garbage);
    }

    // A reset empties the library that failed, not another one.
    void resetEmptiesOnlyTheUnreadableLibrary()
    {
        halvex::KeywordManager& keywords = halvex::KeywordManager::shared();
        keywords.setItems({std::make_shared<halvex::KeywordItem>(QStringLiteral("Alps"))});
        keywords.save();
        writeFile(libraryPath(QStringLiteral("Locations.json")), garbage);

        AppController controller(withModifiers(Qt::NoModifier));
        AlertAnswerer answerer({QStringLiteral("LocationLoadingFailedAlertResetButton")});
        QVERIFY(controller.launch());

        QCOMPARE(answerer.stems(), QStringList{QStringLiteral("LocationLoadingFailedAlert")});
        QCOMPARE(keywords.items().size(), 1);
        QVERIFY(!readFile(libraryPath(QStringLiteral("Keywords.json"))).isEmpty());
        QVERIFY(readFile(libraryPath(QStringLiteral("Locations.json"))) != garbage);
    }

    void resetOfOneTagSetDomainKeepsTheOther()
    {
        using halvex::TagSetManager;
        TagSetManager& tagSets = TagSetManager::shared();
        tagSets.replace(TagSetManager::Domain::chosen, [](const halvex::TagSet&) { return halvex::TagSet::popular(); });
        tagSets.commit(TagSetManager::Domain::chosen);
        const QByteArray chosenFile = readFile(libraryPath(QStringLiteral("TagSet-chosen.json")));
        writeFile(libraryPath(QStringLiteral("TagSet-popular.json")), garbage);

        AppController controller(withModifiers(Qt::NoModifier));
        AlertAnswerer answerer({QStringLiteral("TagSetLoadingFailedAlertResetButton")});
        QVERIFY(controller.launch());

        QCOMPARE(answerer.stems(), QStringList{QStringLiteral("TagSetLoadingFailedAlert")});
        QCOMPARE(tagSets.chosenTagSet(), halvex::TagSet::popular());
        QCOMPARE(readFile(libraryPath(QStringLiteral("TagSet-chosen.json"))), chosenFile);
        QCOMPARE(tagSets.popularTagSet(), halvex::TagSet::popular());
        QVERIFY(tagSets.unreadableDomains().isEmpty());
    }

    void twoUnreadableLibrariesAlertInLibraryOrder_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("stems");
        QTest::addColumn<bool>("launched");
        QTest::newRow("reset both") << QStringList{"KeywordLoadingFailedAlertResetButton",
                                                   "LocationLoadingFailedAlertResetButton"}
                                    << QStringList{"KeywordLoadingFailedAlert", "LocationLoadingFailedAlert"}
                                    << true;
        QTest::newRow("reset, then quit") << QStringList{"KeywordLoadingFailedAlertResetButton",
                                                         "LocationLoadingFailedAlertQuitButton"}
                                          << QStringList{"KeywordLoadingFailedAlert", "LocationLoadingFailedAlert"}
                                          << false;
        QTest::newRow("quit at the first") << QStringList{"KeywordLoadingFailedAlertQuitButton"}
                                           << QStringList{"KeywordLoadingFailedAlert"} << false;
    }

    void twoUnreadableLibrariesAlertInLibraryOrder()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, stems);
        QFETCH(bool, launched);
        writeFile(libraryPath(QStringLiteral("Locations.json")), garbage);
        writeFile(libraryPath(QStringLiteral("Keywords.json")), garbage);

        AppController controller(withModifiers(Qt::NoModifier));
        AlertAnswerer answerer(answers);
        QCOMPARE(controller.launch(), launched);
        QCOMPARE(answerer.stems(), stems);
        for (const AlertAnswerer::Alert& alert : answerer.alerts())
            QVERIFY(!alert.answer.isEmpty());
    }
};

QTEST_MAIN(AppControllerLaunchTest)
#include "AppControllerLaunchTest.moc"
