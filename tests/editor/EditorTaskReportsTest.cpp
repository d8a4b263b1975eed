#include "editor/EditorTaskReports.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/settings/EditionSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "platform/veilcast/MessageOverlay.h"
#include "platform/veilcast/OverlayPanel.h"
#include "platform/veilcast/PanelLookup.h"
#include "support/TestEnvironment.h"
#include "support/ui/PrivateSessionBus.h"
#include "widgets/TextLocalizer.h"
#include "widgets/settings/GeneralSettings.h"

#include "EditorHostStandIn.h"
#include "GateTask.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using corvelle::EditorTaskReports;
using corvelle::ErrorAlertEditionUserChoice;
using corvelle::NotificationGeneralUserChoice;
namespace Settings = corvelle::Settings;
using corvelle::localizedString;
using corvelle::test::EditorHostStandIn;
using corvelle::test::GateTask;
using corvelle::test::PrivateSessionBus;
using corvelle::test::addGateTask;
using corvelle::test::finishAll;

Q_DECLARE_METATYPE(ErrorAlertEditionUserChoice)

namespace {

const char* const noBusChildVariable = "CORVELLE_REPORTS_NO_BUS_CHILD";
const QString notificationService = QStringLiteral("org.freedesktop.Notifications");

// The desktop's notification service, recording what it is asked to show.
class NotificationServiceStandIn : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call {
        QString application;
        uint replacedId;
        QString summary;
        QString body;
    };
    QList<Call> calls;

public Q_SLOTS:
    uint Notify(const QString& application, uint replacedId, const QString&, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap&, int)
    {
        calls.append({application, replacedId, summary, body});
        return uint(calls.size());
    }
};

veilcast::OverlayPanel* panelOver(const QWidget* window)
{
    return corvelle::test::panelOf(*window);
}

QList<QMessageBox*> alertsOver(const QWidget* window)
{
    QList<QMessageBox*> shown;
    for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
        if (box->isVisible())
            shown << box;
    }
    return shown;
}

void closeAlerts(const QWidget* window)
{
    for (QMessageBox* box : alertsOver(window))
        box->buttons().first()->click();
    QTRY_VERIFY(alertsOver(window).isEmpty());
}

QString problemText(const QString& problem)
{
    return localizedString(QStringLiteral("TaskUnexpectedFailure"), {problem});
}

} // namespace

class EditorTaskReportsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        auto& defaults = brisa::UserDefaults::standard();
        defaults.set(Settings::editionUserChoiceErrorAlert(), ErrorAlertEditionUserChoice::ignore);
        defaults.set(Settings::generalUserChoiceNotification(), NotificationGeneralUserChoice::noNotification);
        host_ = std::make_unique<EditorHostStandIn>(&log_);
        host_->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(host_->window()));
        reports_ = std::make_unique<EditorTaskReports>(host_.get());
        reports_->startObserving();
        log_.clear();
    }

    void cleanup()
    {
        halvex::TaskManager::shared().cancelAll();
        QVERIFY(finishAll(tasks_));
        tasks_.clear();
        reports_.reset();
        host_.reset();
    }

    void fileWorkGetsANoticeAtItsStartAndItsEnd_data()
    {
        QTest::addColumn<bool>("edition");
        QTest::newRow("file work") << false;
        QTest::newRow("edition") << true;
    }

    void fileWorkGetsANoticeAtItsStartAndItsEnd()
    {
        QFETCH(bool, edition);
        QWidget* window = host_->window();
        auto task = track(addGateTask({}, edition));
        QCOMPARE(log_, QStringList{QStringLiteral("window.updateInterface")});
        if (edition) {
            QVERIFY(!panelOver(window));
        } else {
            QVERIFY(panelOver(window) && panelOver(window)->isVisible());
            QCOMPARE(reports_->messageOverlay().text(), localizedString(QStringLiteral("MessageOverlayTasksAdded")));
            QCOMPARE(reports_->messageOverlay().image().name(), brisa::SymbolIcons::themeIconName(QStringLiteral("plus")));
        }
        QVERIFY(finishAll({task}));
        QCOMPARE(log_, QStringList(2, QStringLiteral("window.updateInterface")));
        if (edition) {
            QVERIFY(!panelOver(window));
        } else {
            QCOMPARE(reports_->messageOverlay().text(), localizedString(QStringLiteral("MessageOverlayTasksDone")));
            QCOMPARE(reports_->messageOverlay().image().name(),
                     brisa::SymbolIcons::themeIconName(QStringLiteral("checkmark")));
        }
    }

    void problemsRaiseAnAlertWhenTheSettingsSayDisplay_data()
    {
        QTest::addColumn<ErrorAlertEditionUserChoice>("choice");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<bool>("edition");
        QTest::addColumn<bool>("alert");
        const QStringList two{QStringLiteral("disk full"), QStringLiteral("Été.mov is locked")};
        QTest::newRow("display, two problems") << ErrorAlertEditionUserChoice::display << two << false << true;
        QTest::newRow("display, an edition's problem")
            << ErrorAlertEditionUserChoice::display << two.mid(0, 1) << true << true;
        QTest::newRow("display, no problem") << ErrorAlertEditionUserChoice::display << QStringList() << false << false;
        QTest::newRow("ignore, an edition's problem")
            << ErrorAlertEditionUserChoice::ignore << two.mid(0, 1) << true << false;
        // Work on open files that failed is never passed over in silence.
        QTest::newRow("ignore, failed file work") << ErrorAlertEditionUserChoice::ignore << two << false << true;
    }

    void problemsRaiseAnAlertWhenTheSettingsSayDisplay()
    {
        QFETCH(ErrorAlertEditionUserChoice, choice);
        QFETCH(QStringList, problems);
        QFETCH(bool, edition);
        QFETCH(bool, alert);
        brisa::UserDefaults::standard().set(Settings::editionUserChoiceErrorAlert(), choice);
        QWidget* window = host_->window();
        QVERIFY(finishAll({track(addGateTask(problems, edition))}));
        if (!alert) {
            QCoreApplication::processEvents();
            QVERIFY(alertsOver(window).isEmpty());
            if (!edition)
                QCOMPARE(reports_->messageOverlay().text(), localizedString(QStringLiteral("MessageOverlayTasksDone")));
            return;
        }
        QTRY_COMPARE(alertsOver(window).size(), 1);
        if (!edition) {
            QCOMPARE(reports_->messageOverlay().text(), localizedString(QStringLiteral("MessageOverlayTasksFailed")));
            QCOMPARE(reports_->messageOverlay().image().name(),
                     brisa::SymbolIcons::themeIconName(QStringLiteral("exclamationmark.circle")));
        }
        QMessageBox* box = alertsOver(window).first();
        QStringList texts;
        for (const QString& problem : problems)
            texts << problemText(problem);
        QCOMPARE(box->text(), localizedString(QStringLiteral("TaskErrorAlertMessageText")));
        QCOMPARE(box->informativeText(),
                 localizedString(QStringLiteral("TaskErrorAlertInformativeText"), {texts.join(QStringLiteral(", "))}));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->buttons().first()->text(), localizedString(QStringLiteral("TaskErrorAlertOKButton")));
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        closeAlerts(window);
    }

    void alertTextsAreCutAtAThousandCharactersAndKeepTheirAccents()
    {
        const QString name = QStringLiteral("Été-%1.mov").arg(QString(600, QLatin1Char('x')));
        const QList<halvex::TaskMessage> messages{
            halvex::TaskMessage::error(name, QStringLiteral("TaskUnexpectedFailure"), {name}),
            halvex::TaskMessage::warning(name, QStringLiteral("TaskUnexpectedFailure"), {name}),
        };
        const QString whole = problemText(name) + QStringLiteral(", ") + problemText(name);
        const QString text = EditorTaskReports::errorAlertText(messages);
        QCOMPARE(text.size(), EditorTaskReports::maximumErrorTextLength);
        QCOMPARE(text, whole.left(EditorTaskReports::maximumErrorTextLength));
        QVERIFY(text.contains(QStringLiteral("Été-")));
    }

    void nothingIsShownWithoutAWindow()
    {
        EditorHostStandIn windowless(nullptr, false);
        EditorTaskReports reports(&windowless);
        brisa::UserDefaults::standard().set(Settings::editionUserChoiceErrorAlert(), ErrorAlertEditionUserChoice::display);
        reports.showTasksDoneOverlay();
        reports.showTaskErrorAlert({halvex::TaskMessage::error(QString(), QStringLiteral("TaskUnexpectedFailure"), {1})});
        QCoreApplication::processEvents();
        QCOMPARE(reports.messageOverlay().text(), QString());
        const auto boxes = qApp->findChildren<QMessageBox*>();
        QVERIFY(std::none_of(boxes.cbegin(), boxes.cend(), [](const QMessageBox* box) { return box->isVisible(); }));
    }

    // The files of an import reach whoever queued it through the task; the reports only tell.
    void importsAreReportedAndOnlyFailedReloadsAreAnnounced()
    {
        brisa::UserDefaults::standard().set(Settings::editionUserChoiceErrorAlert(), ErrorAlertEditionUserChoice::display);
        QWidget* window = host_->window();
        const QString photo = corvelle::test::fixturePath(QStringLiteral("photo.jpg"));
        const QString notMedia = corvelle::test::fixturePath(QStringLiteral("notmedia.jpg"));
        halvex::ImportTagEditorsTask::Settings settings(
            {halvex::TagStorageSource(QUrl::fromLocalFile(photo)), halvex::TagStorageSource(QUrl::fromLocalFile(notMedia))});
        auto import = std::make_shared<halvex::ImportTagEditorsTask>(settings);
        halvex::TaskManager::shared().add(import);
        QTRY_VERIFY_WITH_TIMEOUT(import->isDone(), 60000);
        QCOMPARE(import->editors().size(), 1);
        // The file that could not be opened is named in the alert; opening gets no notices.
        QTRY_COMPARE(alertsOver(window).size(), 1);
        QVERIFY(alertsOver(window).first()->informativeText().contains(QStringLiteral("notmedia.jpg")));
        QVERIFY(!panelOver(window));
        closeAlerts(window);

        // A reload that reads its file again is not announced.
        halvex::ImportTagEditorsTask::Settings again({halvex::TagStorageSource(QUrl::fromLocalFile(photo))});
        again.editorsToReload = import->editors();
        auto reload = std::make_shared<halvex::ImportTagEditorsTask>(again);
        log_.clear();
        halvex::TaskManager::shared().add(reload);
        QTRY_VERIFY_WITH_TIMEOUT(reload->isDone(), 60000);
        QTRY_COMPARE(log_.size(), 2);
        QVERIFY(reload->messages().isEmpty());
        QCoreApplication::processEvents();
        QVERIFY(alertsOver(window).isEmpty());
        QVERIFY(!panelOver(window));

        // One that fails is reported, whatever the alert setting, and adds no file.
        brisa::UserDefaults::standard().set(Settings::editionUserChoiceErrorAlert(), ErrorAlertEditionUserChoice::ignore);
        QVERIFY(QFile::copy(photo, scratch_.filePath(QStringLiteral("gone.jpg"))));
        halvex::ImportTagEditorsTask::Settings vanished(
            {halvex::TagStorageSource(QUrl::fromLocalFile(scratch_.filePath(QStringLiteral("gone.jpg"))))});
        auto opened = std::make_shared<halvex::ImportTagEditorsTask>(vanished);
        halvex::TaskManager::shared().add(opened);
        QTRY_VERIFY_WITH_TIMEOUT(opened->isDone(), 60000);
        QVERIFY(QFile::remove(scratch_.filePath(QStringLiteral("gone.jpg"))));
        vanished.editorsToReload = opened->editors();
        auto failedReload = std::make_shared<halvex::ImportTagEditorsTask>(vanished);
        halvex::TaskManager::shared().add(failedReload);
        QTRY_VERIFY_WITH_TIMEOUT(failedReload->isDone(), 60000);
        QVERIFY(!failedReload->messages().isEmpty());
        QTRY_COMPARE(alertsOver(window).size(), 1);
        QVERIFY(alertsOver(window).first()->informativeText().contains(QStringLiteral("gone.jpg")));
        QCOMPARE(reports_->messageOverlay().text(), localizedString(QStringLiteral("MessageOverlayTasksFailed")));
        QVERIFY(host_->addedEditors.isEmpty());
        closeAlerts(window);
    }

    void completionNotificationsGoToTheDesktopWhenAsked()
    {
        if (!PrivateSessionBus::isActive() || !QDBusConnection::sessionBus().isConnected())
            QSKIP("no private session bus (scripts/install-deps.sh installs dbus)");
        NotificationServiceStandIn service;
        QDBusConnection serviceBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("stand-in"));
        QVERIFY(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(serviceBus.registerService(notificationService));
        QTRY_VERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered(notificationService));

        // Asked not to: nothing goes out. The bus keeps the order of our messages, so a stray
        // one would come before the one asked for below.
        QVERIFY(finishAll({track(addGateTask())}));
        brisa::UserDefaults::standard().set(Settings::generalUserChoiceNotification(),
                                            NotificationGeneralUserChoice::allNotifications);
        QVERIFY(finishAll({track(addGateTask({}, true))}));
        QTRY_COMPARE(service.calls.size(), 1);
        QVERIFY(finishAll({track(addGateTask())}));
        QTRY_COMPARE(service.calls.size(), 2);
        for (const auto& call : service.calls) {
            QCOMPARE(call.summary, localizedString(QStringLiteral("CompletedTaskUserNoteTitle")));
            QCOMPARE(call.body, localizedString(QStringLiteral("CompletedTaskUserNoteInformativeText")));
            QCOMPARE(call.replacedId, 0u);
            QCOMPARE(call.application, QGuiApplication::applicationDisplayName());
        }
        // Work that failed is not announced as completed.
        QVERIFY(finishAll({track(addGateTask({QStringLiteral("disk full")}))}));
        QTRY_COMPARE(service.calls.size(), 3);
        QCOMPARE(service.calls.last().summary, localizedString(QStringLiteral("FailedTaskUserNoteTitle")));
        QCOMPARE(service.calls.last().body, localizedString(QStringLiteral("FailedTaskUserNoteInformativeText")));
        closeAlerts(host_->window());
        serviceBus.unregisterService(notificationService);
        QDBusConnection::disconnectFromBus(QStringLiteral("stand-in"));
    }

    void withoutASessionBusNotificationsAreQuietlyOff()
    {
        if (qEnvironmentVariableIsSet(noBusChildVariable)) {
            QVERIFY(!QDBusConnection::sessionBus().isConnected());
            brisa::UserDefaults::standard().set(Settings::generalUserChoiceNotification(),
                                                NotificationGeneralUserChoice::allNotifications);
            QVERIFY(finishAll({track(addGateTask())}));
            reports_->postCompletedTaskUserNote();
            return;
        }
        const QString failure = PrivateSessionBus::runTestWithoutBus(
            QStringLiteral("withoutASessionBusNotificationsAreQuietlyOff"), noBusChildVariable);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

private:
    std::shared_ptr<GateTask> track(std::shared_ptr<GateTask> task)
    {
        tasks_ << task;
        return task;
    }

    QStringList log_;
    std::unique_ptr<EditorHostStandIn> host_;
    std::unique_ptr<EditorTaskReports> reports_;
    QTemporaryDir scratch_;
    QList<std::shared_ptr<GateTask>> tasks_;
};

CORVELLE_TEST_MAIN_WITH_PRIVATE_BUS(EditorTaskReportsTest)
#include "EditorTaskReportsTest.moc"
