#include "AlertAnswerer.h"
#include "FakeEditorWindow.h"

#include "app/AppController.h"
#include "app/MainMenu.h"
#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/halvex/libraries/KeywordManager.h"
#include "engine/halvex/libraries/LibraryFile.h"
#include "keywords/KeywordManagerWindowController.h"

#include <QAction>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>

using corvelle::AppController;

namespace {

// Runs until released.
class BlockingTask : public halvex::AbstractTask {
public:
    QSemaphore release;

protected:
    void run() override
    {
        while (!release.tryAcquire(1, 10) && !isCancelled()) {
        }
    }
};

} // namespace

class QuitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void questionsBeforeQuitting_data()
    {
        QTest::addColumn<bool>("tasksRunning");
        QTest::addColumn<bool>("unsavedChanges");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("stems");
        QTest::addColumn<bool>("terminates");

        const QString processing = QStringLiteral("QuitAppWhileProcessingAlert");
        const QString unsaved = QStringLiteral("QuitAppWhileHaveUnsavedChangesAlert");
        const auto cancel = [](const QString& stem) -> QString { return stem + QStringLiteral("CancelButton"); };
        const auto quit = [](const QString& stem) -> QString { return stem + QStringLiteral("QuitButton"); };

        QTest::newRow("nothing to lose") << false << false << QStringList{} << QStringList{} << true;
        QTest::newRow("tasks, quit") << true << false << QStringList{quit(processing)} << QStringList{processing} << true;
        QTest::newRow("tasks, cancel") << true << false << QStringList{cancel(processing)} << QStringList{processing}
                                       << false;
        QTest::newRow("tasks, Return cancels") << true << false << QStringList{"Return"} << QStringList{processing}
                                               << false;
        QTest::newRow("unsaved, quit") << false << true << QStringList{quit(unsaved)} << QStringList{unsaved} << true;
        QTest::newRow("unsaved, cancel") << false << true << QStringList{cancel(unsaved)} << QStringList{unsaved}
                                         << false;
        QTest::newRow("unsaved, Return cancels") << false << true << QStringList{"Return"} << QStringList{unsaved}
                                                 << false;
        // The second question is asked even after the first was cancelled.
        QTest::newRow("both, cancel then quit") << true << true << QStringList{cancel(processing), quit(unsaved)}
                                                << QStringList{processing, unsaved} << false;
        QTest::newRow("both, quit then cancel") << true << true << QStringList{quit(processing), cancel(unsaved)}
                                                << QStringList{processing, unsaved} << false;
        QTest::newRow("both, quit twice") << true << true << QStringList{quit(processing), quit(unsaved)}
                                          << QStringList{processing, unsaved} << true;
    }

    // Through the menu's Quit item, as the user asks.
    void questionsBeforeQuitting()
    {
        QFETCH(bool, tasksRunning);
        QFETCH(bool, unsavedChanges);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, stems);
        QFETCH(bool, terminates);

        FakeEditorWindow* editor = nullptr;
        const auto environment = fakeEditorEnvironment(editor);
        AppController controller(environment);
        QVERIFY(controller.launch());
        editor->unsavedChanges = unsavedChanges;

        halvex::TaskManager& tasks = halvex::TaskManager::shared();
        auto task = std::make_shared<BlockingTask>();
        if (tasksRunning)
            tasks.add(task);
        QCOMPARE(tasks.isBusy(), tasksRunning);

        QSignalSpy terminated(&controller, &AppController::terminated);
        {
            AlertAnswerer answerer(answers);
            QAction* quit = controller.mainMenu().quitAppMenuItem();
            QCOMPARE(quit->objectName(), QStringLiteral("terminate:"));
            controller.performMenuItem(quit);
            QCOMPARE(answerer.stems(), stems);
            for (const AlertAnswerer::Alert& alert : answerer.alerts())
                QVERIFY(!alert.answer.isEmpty());
        }
        QCOMPARE(terminated.count(), terminates ? 1 : 0);
        QCOMPARE(controller.isTerminating(), terminates);

        // Cancelling leaves the work as it was.
        QCOMPARE(tasks.isBusy(), tasksRunning);
        task->release.release();
        QTRY_VERIFY(!tasks.isBusy());
    }

    // Changes of the keyword window not saved yet (it saves as it loses the focus) are saved
    // as the application ends.
    void keywordChangesAreSavedAtQuit()
    {
        FakeEditorWindow* editor = nullptr;
        AppController controller(fakeEditorEnvironment(editor));
        QVERIFY(controller.launch());
        controller.performCommand(QStringLiteral("showKeywordManager:"));
        corvelle::KeywordManagerWindowController* window = corvelle::KeywordManagerWindowController::existing();
        QVERIFY(window && window->isVisible());
        halvex::KeywordManager& keywords = halvex::KeywordManager::shared();
        keywords.insertItems({std::make_shared<halvex::KeywordItem>(QStringLiteral("Kept at quit"))}, 0);
        window->setItemsShouldBeSaved();

        controller.performMenuItem(controller.mainMenu().quitAppMenuItem());
        QVERIFY(controller.isTerminating());
        QVERIFY(!window->itemsShouldBeSaved());
        halvex::KeywordManager stored(halvex::LibraryFile::dataPath(QStringLiteral("Keywords.json")));
        stored.load();
        QVERIFY(!stored.items().isEmpty());
        QCOMPARE(stored.items().first()->name(), QStringLiteral("Kept at quit"));
    }
};

QTEST_MAIN(QuitTest)
#include "QuitTest.moc"
