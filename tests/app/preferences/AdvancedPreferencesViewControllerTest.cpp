#include "app/preferences/AdvancedPreferencesViewController.h"

#include "engine/halvex/kit/KitDebugger.h"
#include "engine/ostrak/ETSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/UserKeychain.h"
#include "support/ui/PrivateSessionBus.h"
#include "support/ui/WidgetDriver.h"
#include "widgets/desktop/FileViewer.h"

#include <QApplication>
#include <QComboBox>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using corvelle::AdvancedPreferencesViewController;
using corvelle::FileViewer;
using corvelle::test::PrivateSessionBus;
using corvelle::test::WidgetDriver;

namespace {

const QString debuggingKey = QStringLiteral("EnableDebuggingMode");
const QString passwordName = QStringLiteral("Corvelle decoding password");
// Set in the copy of this program that runs without a reachable keychain.
const char* const unreachableKeychainVariable = "CORVELLE_TEST_UNREACHABLE_KEYCHAIN";

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

halvex::KitDebugger& debugger()
{
    return halvex::KitDebugger::shared();
}

std::optional<QString> storedPassword()
{
    return brisa::UserKeychain::standard().read(passwordName).password;
}

} // namespace

// Stands in for the desktop's file manager on the private session bus.
class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QList<QStringList> shown;

public Q_SLOTS:
    void ShowItems(const QStringList& uris, const QString& startupId)
    {
        Q_UNUSED(startupId)
        shown << uris;
    }
};

// Takes the URLs the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

#define REQUIRE_KEYCHAIN()                                                                                             \
    do {                                                                                                               \
        if (!keychainProblem_.isEmpty())                                                                               \
            QSKIP(qPrintable(keychainProblem_));                                                                       \
    } while (false)

class AdvancedPreferencesViewControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        keychainProblem_ = PrivateSessionBus::startKeyring(home_.path());
        ostrak::ETSettings::shared().setBackupFolder(home_.filePath(QStringLiteral("Support/Backup")));
    }

    void init()
    {
        debugger().stop();
        defaults().removeObject(debuggingKey);
        if (keychainProblem_.isEmpty())
            brisa::UserKeychain::standard().remove(passwordName);
    }

    void cleanup()
    {
        pane_.reset();
        debugger().stop();
    }

    void cleanupTestCase()
    {
        if (keychainProblem_.isEmpty())
            brisa::UserKeychain::standard().remove(passwordName);
    }

    // Passwords

    void theStoredPasswordShows()
    {
        REQUIRE_KEYCHAIN();
        QVERIFY(brisa::UserKeychain::standard().save(QStringLiteral("kept"), passwordName).succeeded());
        loadPane();
        QTRY_COMPARE(passwordField()->text(), QStringLiteral("kept"));
        QCOMPARE(passwordField()->echoMode(), QLineEdit::Password);
    }

    void theLastPasswordAppliedIsTheOneKept()
    {
        REQUIRE_KEYCHAIN();
        loadPane();
        QLineEdit* field = passwordField();
        field->setFocus();
        // Applied one after the other without waiting: the keychain must end with the second.
        for (const QString& password : {QStringLiteral("first secret"), QStringLiteral("second secret")}) {
            field->selectAll();
            QTest::keyClicks(field, password);
            QTest::keyClick(field, Qt::Key_Return);
        }
        QTRY_COMPARE_WITH_TIMEOUT(storedPassword(), std::optional<QString>(QStringLiteral("second secret")), 20000);
        QTRY_COMPARE(field->text(), QStringLiteral("second secret"));
        // The reads after both saves are done: what shows is what is kept.
        QTest::qWait(200);
        QCOMPARE(field->text(), QStringLiteral("second secret"));
        QCOMPARE(storedPassword(), std::optional<QString>(QStringLiteral("second secret")));
    }

    void theSamePasswordTwiceIsWrittenOnce()
    {
        REQUIRE_KEYCHAIN();
        loadPane();
        apply(QStringLiteral("same"));
        QTRY_COMPARE(storedPassword(), std::optional<QString>(QStringLiteral("same")));
        // Changed behind the pane's back: a second apply of the same text writes nothing.
        QVERIFY(brisa::UserKeychain::standard().save(QStringLiteral("changed elsewhere"), passwordName).succeeded());
        apply(QStringLiteral("same"));
        QTest::qWait(300);
        QCOMPARE(storedPassword(), std::optional<QString>(QStringLiteral("changed elsewhere")));
    }

    void leavingTheFieldAppliesOnlyWhatWasTyped()
    {
        REQUIRE_KEYCHAIN();
        loadPane();
        QLineEdit* field = passwordField();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Tab);
        QTest::qWait(300);
        QVERIFY(!storedPassword());

        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("typed"));
        QTest::keyClick(field, Qt::Key_Tab);
        QTRY_COMPARE(storedPassword(), std::optional<QString>(QStringLiteral("typed")));
    }

    void removingEmptiesTheFieldAndAnEmptyPasswordCanBeKept()
    {
        REQUIRE_KEYCHAIN();
        QVERIFY(brisa::UserKeychain::standard().save(QStringLiteral("old"), passwordName).succeeded());
        loadPane();
        QTRY_COMPARE(passwordField()->text(), QStringLiteral("old"));

        QTest::mouseClick(buttonNamed(QStringLiteral("restorePasswordValueButton")), Qt::LeftButton);
        QTRY_VERIFY(!storedPassword());
        QTRY_COMPARE(passwordField()->text(), QString());

        passwordField()->setFocus();
        QTest::keyClick(passwordField(), Qt::Key_Return);
        QTRY_COMPARE(storedPassword(), std::optional<QString>(QString()));
    }

    void removingWithNothingKeptCallsNoKeychain()
    {
        REQUIRE_KEYCHAIN();
        loadPane();
        QTest::qWait(200); // the first read
        // Kept behind the pane's back, which still knows of no password: removing is not tried.
        QVERIFY(brisa::UserKeychain::standard().save(QStringLiteral("unknown to the pane"), passwordName).succeeded());
        QTest::mouseClick(buttonNamed(QStringLiteral("restorePasswordValueButton")), Qt::LeftButton);
        QTest::qWait(300);
        QCOMPARE(storedPassword(), std::optional<QString>(QStringLiteral("unknown to the pane")));
    }

    // Without a keychain to reach, the pane says why under the field, for reading and saving.
    void anUnreachableKeychainIsSaid()
    {
        if (qEnvironmentVariableIsSet(unreachableKeychainVariable)) {
            loadPane();
            QLabel* note = childNamed<QLabel>(QStringLiteral("passwordNote"));
            QTRY_VERIFY_WITH_TIMEOUT(note->text().contains(QStringLiteral("could not be read")), 30000);
            QVERIFY2(note->text().startsWith(QStringLiteral("Keychain problem")), qPrintable(note->text()));
            QVERIFY2(note->text().contains(passwordName), qPrintable(note->text()));
            apply(QStringLiteral("nowhere to go"));
            QTRY_VERIFY_WITH_TIMEOUT(note->text().contains(QStringLiteral("could not be saved")), 30000);
            return;
        }
        const QString failure = PrivateSessionBus::runTestWithoutBus(QTest::currentTestFunction(),
                                                                     unreachableKeychainVariable);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // Debugging

    void theModeShowsTheDebuggerAsItIs_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("started at launch") << true << QVariant(false);
        QTest::newRow("left on by an earlier run") << false << QVariant(true);
    }

    void theModeShowsTheDebuggerAsItIs()
    {
        QFETCH(bool, running);
        QFETCH(QVariant, stored);
        defaults().setObject(debuggingKey, stored);
        if (running)
            debugger().start();
        loadPane();
        QCOMPARE(debuggingPopUp()->currentData().toInt(), running ? 1 : 0);
        QCOMPARE(defaults().object(debuggingKey), QVariant(running));
        QCOMPARE(debugger().isEnabled(), running);
    }

    void switchingOnAndOffRunsTheDebugger()
    {
        loadPane();
        QVERIFY(WidgetDriver::choose(debuggingPopUp(), 1));
        QVERIFY(debugger().isEnabled());
        QVERIFY(debugger().logFilePath().isEmpty());
        QCOMPARE(defaults().object(debuggingKey), QVariant(true));
        QVERIFY2(debuggingNote()->text().contains(QStringLiteral("standard error")), qPrintable(debuggingNote()->text()));
        QVERIFY(!findLogPanel());

        QVERIFY(WidgetDriver::choose(debuggingPopUp(), 0));
        QVERIFY(!debugger().isEnabled());
        QCOMPARE(defaults().object(debuggingKey), QVariant(false));

        debugger().start();
        defaults().setObject(debuggingKey, true);
        QTest::mouseClick(buttonNamed(QStringLiteral("restoreDebuggingModeButton")), Qt::LeftButton);
        QVERIFY(!debugger().isEnabled());
        QCOMPARE(defaults().object(debuggingKey), QVariant(false));
        QCOMPARE(debuggingPopUp()->currentData().toInt(), 0);
    }

    // With Alt held, a save panel offers "log" as a text file; what it gives decides the log.
    void switchingOnWithAltAsksForALogFile_data()
    {
        QTest::addColumn<QString>("chosen"); // relative to the test folder; empty: cancelled
        QTest::addColumn<bool>("logOpen");
        QTest::addColumn<QString>("note");
        QTest::newRow("chosen") << "debug.txt" << true << "are written to";
        QTest::newRow("cancelled") << QString() << false << "standard error";
        QTest::newRow("cannot be opened") << "no such folder/debug.txt" << false << "could not be opened";
    }

    void switchingOnWithAltAsksForALogFile()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, logOpen);
        QFETCH(QString, note);
        loadPane();
        QVERIFY(WidgetDriver::choose(debuggingPopUp(), 1, Qt::AltModifier));
        QTRY_VERIFY(findLogPanel() && findLogPanel()->isVisible());
        QFileDialog* panel = findLogPanel();
        QCOMPARE(panel->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(panel->defaultSuffix(), QStringLiteral("txt"));
        QCOMPARE(panel->nameFilters(), QStringList {QStringLiteral("Text files (*.txt)")});
        auto* nameField = panel->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(nameField);
        QCOMPARE(nameField->text(), QStringLiteral("log"));
        QVERIFY(!debugger().isEnabled()); // not before the panel has answered
        QCOMPARE(defaults().object(debuggingKey), QVariant(true));

        const QString path = chosen.isEmpty() ? QString() : home_.filePath(chosen);
        if (path.isEmpty()) {
            QTest::keyClick(nameField, Qt::Key_Escape);
        } else {
            nameField->setText(path);
            QTest::keyClick(nameField, Qt::Key_Return);
        }
        QTRY_VERIFY(debugger().isEnabled());
        QCOMPARE(debugger().logFilePath(), logOpen ? path : QString());
        QCOMPARE(debuggingPopUp()->currentData().toInt(), 1);
        const QString shown = debuggingNote()->text();
        QVERIFY2(shown.contains(note), qPrintable(shown));
        if (!path.isEmpty())
            QVERIFY2(shown.contains(path), qPrintable(shown));
        if (logOpen) {
            debugger().log(QStringLiteral("a line for the log"));
            QFile log(path);
            QVERIFY(log.open(QIODevice::ReadOnly));
            QVERIFY(log.readAll().contains("a line for the log"));
        }
    }

    void theModeFollowsItsSettingOnly()
    {
        loadPane();
        defaults().setObject(debuggingKey, true); // as start-up does with Alt held
        QCOMPARE(debuggingPopUp()->currentData().toInt(), 1);
        debuggingPopUp()->setCurrentIndex(-1);
        defaults().setObject(QStringLiteral("GeneralUserChoiceDateStyle"), QStringLiteral("long"));
        defaults().setObject(QStringLiteral("UserQuickTimeKeysLevel"), 1);
        QCOMPARE(debuggingPopUp()->currentIndex(), -1);
        defaults().setObject(debuggingKey, false);
        QCOMPARE(debuggingPopUp()->currentData().toInt(), 0);
    }

    // Backup folder

    void theBackupFolderIsMadeAndShownInTheFileManager()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!PrivateSessionBus::isActive() || !bus.isConnected())
            QSKIP("no private session bus to stand a file manager on (scripts/install-deps.sh installs dbus)");
        FakeFileManager fileManager;
        QVERIFY(bus.registerObject(FileViewer::fileManagerPath, &fileManager, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(FileViewer::fileManagerService));
        const QString folder = ostrak::ETSettings::shared().backupFolder();
        QDir(folder).removeRecursively();

        loadPane();
        QCOMPARE(childNamed<QLineEdit>(QStringLiteral("backupFolderPathControl"))->text(), folder);
        QTest::mouseClick(buttonNamed(QStringLiteral("openBackupFolderButton")), Qt::LeftButton);
        QVERIFY(QFileInfo(folder).isDir());
        QTRY_COMPARE(fileManager.shown, (QList<QStringList> {{QUrl::fromLocalFile(folder).toString()}}));

        bus.unregisterService(FileViewer::fileManagerService);
        bus.unregisterObject(FileViewer::fileManagerPath);
    }

    void withoutAFileManagerTheFolderOpens()
    {
        UrlCatcher desktop;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
        loadPane();
        QTest::mouseClick(buttonNamed(QStringLiteral("openBackupFolderButton")), Qt::LeftButton);
        QTRY_COMPARE(desktop.opened, (QList<QUrl> {QUrl::fromLocalFile(ostrak::ETSettings::shared().backupFolder())}));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

private:
    void loadPane()
    {
        pane_ = std::make_unique<AdvancedPreferencesViewController>();
        pane_->view()->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane_->view()));
    }

    void apply(const QString& password)
    {
        QLineEdit* field = passwordField();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, password);
        QTest::keyClick(field, Qt::Key_Return);
    }

    template<class Widget>
    Widget* childNamed(const QString& name) const
    {
        return WidgetDriver::child<Widget>(pane_->view(), name);
    }

    QLineEdit* passwordField() const { return childNamed<QLineEdit>(QStringLiteral("passwordField")); }
    QComboBox* debuggingPopUp() const { return childNamed<QComboBox>(QStringLiteral("debuggingModePopButton")); }
    QLabel* debuggingNote() const { return childNamed<QLabel>(QStringLiteral("debuggingNote")); }
    QPushButton* buttonNamed(const QString& name) const { return childNamed<QPushButton>(name); }
    QFileDialog* findLogPanel() const
    {
        return pane_->view()->window()->findChild<QFileDialog*>(QStringLiteral("debuggingLogPanel"));
    }

    QTemporaryDir home_;
    QString keychainProblem_;
    std::unique_ptr<AdvancedPreferencesViewController> pane_;
};

// The keyring filled here and the file manager stood in here stay in a session of their own.
CORVELLE_TEST_MAIN_WITH_PRIVATE_BUS(AdvancedPreferencesViewControllerTest)

#include "AdvancedPreferencesViewControllerTest.moc"
