#include "editor/EditorBarController.h"
#include "editor/EditorViewController.h"
#include "editor/TasksPopoverController.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/DynamicToolbarItemContainer.h"

#include "EditorHostStandIn.h"
#include "GateTask.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

using corvelle::EditorBarController;
using corvelle::EditorViewController;
using corvelle::test::EditorHostStandIn;

namespace {

const char* const childVariable = "CORVELLE_TO_OVERRIDE_CHILD";

class RecordingView : public EditorViewController {
public:
    RecordingView(corvelle::EditorWindowHost* host, QStringList* log)
        : EditorViewController(host), log_(log)
    {
    }

    void setupViews() override { log_->append(QStringLiteral("view.setupViews")); }
    void addToolbarItems() override { log_->append(QStringLiteral("view.addToolbarItems")); }
    void addTouchBarItems() override
    {
        log_->append(QStringLiteral("view.addTouchBarItems"));
        dynamicTouchBar().addItem([](brisa::DynamicTouchBarItemButtonSettings&) {},
                                  [log = log_](brisa::DynamicTouchBarItem&) { log->append(QStringLiteral("touchBar.update")); });
    }
    void startObserving() override { log_->append(QStringLiteral("view.startObserving")); }
    void stopObserving() override { log_->append(QStringLiteral("view.stopObserving")); }
    void updateInterface() override
    {
        log_->append(QStringLiteral("view.updateInterface"));
        EditorViewController::updateInterface();
    }
    QString windowTitle() const override { return QStringLiteral("title"); }
    QString windowSubtitle() const override { return QStringLiteral("subtitle"); }
    bool canCopy() const override { return copyAllowed; }
    void copy() override { log_->append(QStringLiteral("view.copy")); }

    bool copyAllowed = false;

private:
    QStringList* log_;
};

class RecordingBar : public EditorBarController {
public:
    RecordingBar(EditorViewController* owner, QStringList* log)
        : EditorBarController(owner), log_(log)
    {
    }

    void setupViews() override { log_->append(QStringLiteral("bar.setupViews")); }
    void startObserving() override { log_->append(QStringLiteral("bar.startObserving")); }
    void updateInterface() override
    {
        log_->append(QStringLiteral("bar.updateInterface"));
        EditorBarController::updateInterface();
    }

private:
    QStringList* log_;
};

// A section that supplies nothing of its own.
class BareView : public EditorViewController {
public:
    using EditorViewController::EditorViewController;
};

} // namespace

class EditorViewControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void viewLoadRunsTheSetUpHooksInOrder()
    {
        QStringList log;
        EditorHostStandIn host(&log);
        RecordingView view(&host, &log);
        QVERIFY(log.isEmpty());
        QVERIFY(view.view());
        const QStringList expected{
            QStringLiteral("view.setupViews"),        QStringLiteral("view.addToolbarItems"),
            QStringLiteral("view.addTouchBarItems"),  QStringLiteral("view.startObserving"),
            QStringLiteral("view.updateInterface"),   QStringLiteral("window.updateInterface"),
            QStringLiteral("touchBar.update"),
        };
        QCOMPARE(log, expected);
        log.clear();
        view.view();
        QVERIFY(log.isEmpty());
        QCOMPARE(view.makeTouchBar().size(), 1);
    }

    void barLoadsThenRefreshesOnEveryShow()
    {
        QStringList log;
        EditorHostStandIn host(&log);
        RecordingView view(&host, &log);
        view.view();
        log.clear();
        RecordingBar bar(&view, &log);
        QWidget* barView = bar.view();
        const QStringList refresh{QStringLiteral("bar.updateInterface"), QStringLiteral("view.updateInterface"),
                                  QStringLiteral("window.updateInterface"), QStringLiteral("touchBar.update")};
        QCOMPARE(log, QStringList({QStringLiteral("bar.setupViews"), QStringLiteral("bar.startObserving")}) + refresh);
        for (int round = 0; round < 2; ++round) {
            log.clear();
            barView->show();
            QCOMPARE(log, refresh);
            barView->hide();
        }
    }

    void detachedControllersAnswerNothing()
    {
        QStringList log;
        auto host = std::make_unique<EditorHostStandIn>(&log);
        auto view = std::make_unique<RecordingView>(host.get(), &log);
        RecordingBar bar(view.get(), &log);
        QCOMPARE(view->userDefaults(), &brisa::UserDefaults::standard());
        QCOMPARE(bar.userDefaults(), &brisa::UserDefaults::standard());
        QCOMPARE(bar.editorWindowController(), host.get());
        QVERIFY(view->validateUserInterfaceItem(QStringLiteral("switchSections:")));

        host.reset();
        QVERIFY(!view->hasWindowController());
        QCOMPARE(view->userDefaults(), nullptr);
        QCOMPARE(view->metadataFileList(), nullptr);
        QCOMPARE(view->tagValueTable(), nullptr);
        QVERIFY(!view->isTaskManagerBusy());
        QVERIFY(!view->fileContextualMenu());
        QVERIFY(!view->validateUserInterfaceItem(QStringLiteral("switchSections:")));
        QCOMPARE(bar.editorWindowController(), nullptr);
        QCOMPARE(bar.userDefaults(), nullptr);
        QCOMPARE(bar.metadataFileList(), nullptr);

        view.reset();
        log.clear();
        bar.EditorBarController::updateInterface();
        QVERIFY(log.isEmpty());
    }

    void theFileMenuIsACopyWithTheSameCommands()
    {
        EditorHostStandIn host;
        BareView view(&host);
        QVERIFY(!view.fileContextualMenu());
        auto menu = std::make_unique<QMenu>();
        QAction* open = menu->addAction(QStringLiteral("open"));
        QAction* reveal = menu->addAction(QStringLiteral("reveal"));
        host.setFileContextualMenu(std::move(menu));
        const std::unique_ptr<QMenu> copy = view.fileContextualMenu();
        QVERIFY(copy);
        QVERIFY(copy.get() != host.fileContextualMenu());
        QCOMPARE(copy->actions(), QList<QAction*>({open, reveal}));
    }

    void switchSectionsFollowsTheSwitcher_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pop-up, map") << "combo" << 2 << "switchToMapSection";
        QTest::newRow("pop-up, nothing chosen") << "combo" << -1 << "";
        QTest::newRow("pop-up, past raw") << "combo" << 4 << "";
        QTest::newRow("segments, preview") << "tabs" << 0 << "switchToPreviewSection";
        QTest::newRow("segments, none selected") << "tabs" << -1 << "";
        QTest::newRow("toolbar group, raw") << "group" << 3 << "switchToRawSection";
        QTest::newRow("toolbar group, none selected") << "group" << -1 << "";
        QTest::newRow("button group, tags") << "buttons" << 1 << "switchToTagsSection";
        QTest::newRow("plain button") << "button" << 1 << "";
    }

    void switchSectionsFollowsTheSwitcher()
    {
        QFETCH(QString, sender);
        QFETCH(int, index);
        QFETCH(QString, expected);
        QStringList log;
        EditorHostStandIn host(&log);
        BareView view(&host);
        const QStringList titles{QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("m"), QStringLiteral("r"),
                                 QStringLiteral("x")};
        std::unique_ptr<QObject> switcher;
        if (sender == QLatin1String("combo")) {
            auto* box = new QComboBox;
            box->addItems(titles);
            box->setCurrentIndex(index);
            switcher.reset(box);
        } else if (sender == QLatin1String("tabs")) {
            auto* tabs = new QTabBar;
            if (index >= 0) {
                for (const QString& title : titles)
                    tabs->addTab(title);
                tabs->setCurrentIndex(index);
            }
            switcher.reset(tabs);
        } else if (sender == QLatin1String("group") || sender == QLatin1String("buttons")) {
            QWidget* group = brisa::DynamicToolbarItemContainer::createTitleGroup({QString(), titles.mid(0, 4), index, {}});
            switcher.reset(group);
            if (sender == QLatin1String("buttons")) {
                view.switchSections(group->findChild<QButtonGroup*>());
                QCOMPARE(log, QStringList{expected});
                return;
            }
        } else {
            switcher = std::make_unique<QPushButton>();
        }
        view.switchSections(switcher.get());
        QCOMPARE(log, expected.isEmpty() ? QStringList() : QStringList{expected});
        log.clear();
        view.switchSections(nullptr);
        QVERIFY(log.isEmpty());
    }

    void copyRunsOnlyWhenTheSectionAllowsIt()
    {
        QStringList log;
        EditorHostStandIn host;
        RecordingView view(&host, &log);
        QVERIFY(!view.validateUserInterfaceItem(QStringLiteral("copyContent:")));
        view.copyContent();
        QVERIFY(!log.contains(QStringLiteral("view.copy")));
        view.copyAllowed = true;
        QVERIFY(view.validateUserInterfaceItem(QStringLiteral("copyContent:")));
        view.copyContent();
        QCOMPARE(log.count(QStringLiteral("view.copy")), 1);
        QVERIFY(!view.validateUserInterfaceItem(QStringLiteral("cutContent:")));
        QVERIFY(!view.validateUserInterfaceItem(QStringLiteral("somethingElse:")));
    }

    void theTasksCommandNeedsRunningTasksAndTheTasksButton()
    {
        EditorHostStandIn host;
        BareView view(&host);
        QVERIFY(!view.validateUserInterfaceItem(QStringLiteral("toggleTaskPopover:")));
        auto task = corvelle::test::addGateTask();
        QVERIFY(view.validateUserInterfaceItem(QStringLiteral("toggleTaskPopover:")));
        QVERIFY(view.isTaskManagerBusy());

        auto& popover = corvelle::TasksPopoverController::shared();
        view.toggleTaskPopover();
        QVERIFY(!popover.isShown());
        host.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.window()));
        auto* button = new QPushButton(QStringLiteral("Tasks"), host.window());
        button->move(40, 40);
        button->show();
        view.setTaskButton(button);
        view.toggleTaskPopover();
        QVERIFY(popover.isShown());
        QCOMPARE(popover.anchor(), button);
        view.toggleTaskPopover();
        QVERIFY(!popover.isShown());

        QVERIFY(corvelle::test::finishAll({task}));
        QVERIFY(!view.validateUserInterfaceItem(QStringLiteral("toggleTaskPopover:")));
    }

    // Run alone, in a child process: each case must stop the program.
    void memberToOverride()
    {
        const QByteArray which = qgetenv(childVariable);
        if (which.isEmpty())
            QSKIP("runs only as the child of membersToOverrideStopTheProgram");
        EditorHostStandIn host;
        BareView view(&host);
        if (which == "windowTitle")
            view.windowTitle();
        else if (which == "windowSubtitle")
            view.windowSubtitle();
    }

    void membersToOverrideStopTheProgram_data()
    {
        QTest::addColumn<QString>("member");
        QTest::newRow("window title") << "windowTitle";
        QTest::newRow("window subtitle") << "windowSubtitle";
    }

    void membersToOverrideStopTheProgram()
    {
        QFETCH(QString, member);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(childVariable), member);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("memberToOverride")});
        QVERIFY(child.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(child.exitStatus() == QProcess::CrashExit, qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("To override")), qPrintable(output));
    }

private:
};

QTEST_MAIN(EditorViewControllerTest)
#include "EditorViewControllerTest.moc"
