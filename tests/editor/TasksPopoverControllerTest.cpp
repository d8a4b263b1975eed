#include "editor/TaskItemTableCellView.h"
#include "editor/TasksPopoverController.h"
#include "engine/halvex/TagEditorTestSupport.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/TaskListModel.h"
#include "support/TestEnvironment.h"

#include "GateTask.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QtTest>

using corvelle::TaskItemTableCellView;
using corvelle::TasksPopoverController;
using corvelle::test::GateTask;
using corvelle::test::addGateTask;
using corvelle::test::finishAll;
using halvex::AbstractTask;
using halvex::TaskManager;

namespace {

QModelIndex indexAt(int row)
{
    return TasksPopoverController::shared().taskListModel()->index(row, 0);
}

int rowCount()
{
    return TasksPopoverController::shared().taskTableView()->model()->rowCount();
}

int rowHeight()
{
    return TasksPopoverController::shared().taskTableView()->verticalHeader()->defaultSectionSize();
}

// The row's form, filled as the popover draws it.
const TaskItemTableCellView& formAt(int row)
{
    auto& popover = TasksPopoverController::shared();
    popover.taskCellView()->cellFor(indexAt(row), QRect(0, 0, 380, rowHeight()));
    return *popover.taskCellView();
}

struct RowState {
    QString image;
    bool progressShown;
    bool cancelShown;
};

RowState stateOf(int row)
{
    const TaskItemTableCellView& form = formAt(row);
    QWidget* cell = form.imageView()->parentWidget();
    return {TaskItemTableCellView::statusSymbolName(indexAt(row)), form.progressTextField()->isVisibleTo(cell),
            form.cancelButton()->isVisibleTo(cell)};
}

// Clicks where the row shows that part, with the popover on screen.
void clickRow(int row, const std::function<QRect(const QModelIndex&, const QRect&)>& part)
{
    QTableView* table = TasksPopoverController::shared().taskTableView();
    QVERIFY(table->isVisible());
    const QRect target = part(indexAt(row), table->visualRect(indexAt(row)));
    QVERIFY(target.isValid());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, target.center());
}

bool isIdle()
{
    return !TaskManager::shared().isBusy();
}

} // namespace

class TasksPopoverControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(isIdle());
        window_ = std::make_unique<QWidget>();
        window_->setGeometry(50, 50, 500, 200);
        button_ = new QPushButton(QStringLiteral("Tasks"), window_.get());
        button_->setGeometry(200, 10, 80, 30);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup()
    {
        TaskManager::shared().cancelAll();
        QVERIFY(finishAll(tasks_));
        tasks_.clear();
        // Closing the popover clears the done tasks: each test starts with an empty list.
        auto& popover = TasksPopoverController::shared();
        popover.show(button_, corvelle::PopoverController::Edge::bottom);
        popover.close();
        QTRY_COMPARE(rowCount(), 0);
        window_.reset();
    }

    void rowsFollowTheirTasksFromWaitingToDone()
    {
        auto& popover = TasksPopoverController::shared();
        QAbstractItemModelTester tester(popover.taskListModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto running = track(addGateTask({QStringLiteral("disk full")}));
        auto waiting = track(addGateTask());
        QTRY_COMPARE(running->status(), AbstractTask::Status::running);
        QCOMPARE(rowCount(), 2);

        QCOMPARE(TaskItemTableCellView::task(indexAt(0)), running);
        QTRY_COMPARE(formAt(0).progressTextField()->text(), QStringLiteral("25%"));
        QCOMPARE(formAt(0).progressIndicator()->value(), TaskItemTableCellView::progressSteps / 4);
        QCOMPARE(formAt(0).titleTextField()->text(), QStringLiteral("GateTaskTitle"));
        // Running: the percentage, and a way to stop it.
        QCOMPARE(stateOf(0).image, QString());
        QVERIFY(stateOf(0).progressShown);
        QVERIFY(stateOf(0).cancelShown);
        // Waiting: no percentage yet.
        QCOMPARE(stateOf(1).image, QString());
        QVERIFY(!stateOf(1).progressShown);
        QVERIFY(stateOf(1).cancelShown);

        popover.show(button_, corvelle::PopoverController::Edge::bottom);
        QTRY_VERIFY(popover.taskTableView()->viewport()->height() >= 2 * rowHeight());
        clickRow(1, [&](const QModelIndex& index, const QRect& rect) {
            return popover.taskCellView()->cancelButtonRect(index, rect);
        });
        QCOMPARE(waiting->status(), AbstractTask::Status::cancelled);
        QTRY_COMPARE(TaskItemTableCellView::statusSymbolName(indexAt(1)), QStringLiteral("xmark.circle"));
        QCOMPARE(rowCount(), 2); // done tasks stay listed

        running->open();
        QTRY_COMPARE(TaskItemTableCellView::statusSymbolName(indexAt(0)), QStringLiteral("exclamationmark.circle"));
        QCOMPARE(formAt(0).progressIndicator()->value(), TaskItemTableCellView::progressSteps);
        for (int row = 0; row < 2; ++row) {
            QVERIFY(!stateOf(row).progressShown);
            QVERIFY(!stateOf(row).cancelShown);
            QVERIFY(!TaskItemTableCellView::canCancelTask(indexAt(row)));
        }

        auto clean = track(addGateTask());
        QCOMPARE(rowCount(), 3);
        clean->open();
        QTRY_COMPARE(TaskItemTableCellView::statusSymbolName(indexAt(2)), QStringLiteral("checkmark.circle"));
    }

    void theCancelButtonStopsARunningTask()
    {
        auto& popover = TasksPopoverController::shared();
        auto task = track(addGateTask());
        QTRY_COMPARE(task->status(), AbstractTask::Status::running);
        popover.show(button_, corvelle::PopoverController::Edge::bottom);
        QTRY_VERIFY(popover.taskTableView()->viewport()->height() >= rowHeight());
        clickRow(0, [&](const QModelIndex& index, const QRect& rect) {
            return popover.taskCellView()->cancelButtonRect(index, rect);
        });
        QTRY_COMPARE(task->status(), AbstractTask::Status::cancelled);
        QTRY_COMPARE(TaskItemTableCellView::statusSymbolName(indexAt(0)), QStringLiteral("xmark.circle"));
        // Cancelling a done task does nothing.
        TaskItemTableCellView::cancelTask(indexAt(0));
        QCOMPARE(task->status(), AbstractTask::Status::cancelled);
    }

    // A file that cannot be opened leaves more than a "!": clicking it shows which file failed
    // and why, in a taller row, and clicking again hides it. The error alerts play no part.
    void aFailedImportShowsItsFilesAndReasons()
    {
        auto& popover = TasksPopoverController::shared();
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("gone.jpg"));
        const QString notMedia = folder.filePath(QStringLiteral("notmedia.jpg"));
        QVERIFY(QFile::copy(corvelle::test::fixturePath(QStringLiteral("notmedia.jpg")), notMedia));
        auto import = std::make_shared<halvex::ImportTagEditorsTask>(
            halvex::ImportTagEditorsTask::Settings(halvex::test::sourcesOf({missing, notMedia})));
        TaskManager::shared().add(import);
        QTRY_VERIFY_WITH_TIMEOUT(import->isDone() && isIdle(), 30000);
        QCoreApplication::processEvents();
        QVERIFY(!import->messages().isEmpty());
        QCOMPARE(TaskItemTableCellView::statusSymbolName(indexAt(0)), QStringLiteral("exclamationmark.circle"));
        const QString messages = TaskItemTableCellView::messagesText(indexAt(0));
        QVERIFY2(messages.contains(QStringLiteral("gone.jpg")), qPrintable(messages));
        QVERIFY(!formAt(0).messagesTextField()->isVisibleTo(formAt(0).imageView()->parentWidget()));

        popover.show(button_, corvelle::PopoverController::Edge::bottom);
        QTRY_VERIFY(popover.taskTableView()->viewport()->height() >= rowHeight());
        const auto statusImage = [&](const QModelIndex& index, const QRect& rect) {
            return popover.taskCellView()->statusImageRect(index, rect);
        };
        clickRow(0, statusImage);
        QVERIFY(indexAt(0).data(corvelle::TaskListModel::MessagesShownRole).toBool());
        const TaskItemTableCellView& form = formAt(0);
        QVERIFY(form.messagesTextField()->isVisibleTo(form.imageView()->parentWidget()));
        QCOMPARE(form.messagesTextField()->text(), messages);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 380, rowHeight());
        QVERIFY2(popover.taskTableView()->rowHeight(0) > rowHeight(),
                 qPrintable(QStringLiteral("%1 %2 %3").arg(popover.taskTableView()->rowHeight(0)).arg(rowHeight())
                     .arg(popover.taskCellView()->sizeHint(option, indexAt(0)).height())));
        QVERIFY(popover.preferredHeight() > rowHeight() + 20);

        clickRow(0, statusImage);
        QVERIFY(!indexAt(0).data(corvelle::TaskListModel::MessagesShownRole).toBool());
        QCOMPARE(popover.taskTableView()->rowHeight(0), rowHeight());
    }

    // Next to a button at the screen's corner, the popover still lies wholly on the screen.
    void thePopoverStaysOnScreen()
    {
        auto& popover = TasksPopoverController::shared();
        const QRect available = window_->screen()->availableGeometry();
        window_->move(available.right() - window_->width() + 1, available.bottom() - window_->height() + 1);
        button_->move(window_->width() - button_->width(), window_->height() - button_->height());
        QList<std::shared_ptr<GateTask>> added;
        for (int index = 0; index < 4; ++index)
            added << track(addGateTask());
        popover.show(button_, corvelle::PopoverController::Edge::bottom);
        QVERIFY(popover.isShown());
        const auto where = [&] {
            QRect frame = popover.popover()->frameGeometry();
            return QStringLiteral("%1,%2 %3x%4 in %5,%6 %7x%8")
                .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())
                .arg(available.x()).arg(available.y()).arg(available.width()).arg(available.height());
        };
        QTRY_VERIFY2(available.contains(popover.popover()->frameGeometry()), qPrintable(where()));
        QVERIFY(finishAll(added));
    }

    void theListIsOneToSixAndAHalfRowsHigh_data()
    {
        QTest::addColumn<int>("tasks");
        QTest::addColumn<double>("rows");
        QTest::newRow("none") << 0 << 1.0;
        QTest::newRow("three") << 3 << 3.0;
        QTest::newRow("ten") << 10 << 6.5;
    }

    void theListIsOneToSixAndAHalfRowsHigh()
    {
        QFETCH(int, tasks);
        QFETCH(double, rows);
        QList<std::shared_ptr<GateTask>> added;
        for (int index = 0; index < tasks; ++index)
            added << track(addGateTask());
        QVERIFY(finishAll(added));
        auto& popover = TasksPopoverController::shared();
        QCOMPARE(rowCount(), tasks);
        const int expected = int(std::lround(rows * rowHeight())) + 20;
        QCOMPARE(popover.preferredHeight(), expected);
        QCOMPARE(popover.view()->height(), expected);
    }

    void closingThePopoverClearsTheDoneTasks()
    {
        auto& popover = TasksPopoverController::shared();
        auto done = track(addGateTask());
        QVERIFY(finishAll({done}));
        auto running = track(addGateTask());
        QTRY_COMPARE(running->status(), AbstractTask::Status::running);

        popover.toggle(button_, corvelle::PopoverController::Edge::bottom);
        QVERIFY(popover.isShown());
        QCOMPARE(rowCount(), 2);
        // While on screen the height follows the rows, animated.
        auto another = track(addGateTask());
        QCOMPARE(rowCount(), 3);
        QCOMPARE(popover.view()->height(), 2 * rowHeight() + 20);
        QTRY_COMPARE(popover.view()->height(), 3 * rowHeight() + 20);

        popover.toggle(button_, corvelle::PopoverController::Edge::bottom);
        QTRY_COMPARE(rowCount(), 2);
        QCOMPARE(TaskItemTableCellView::task(indexAt(0)), running);
        QCOMPARE(popover.view()->height(), 2 * rowHeight() + 20);
    }

private:
    std::shared_ptr<GateTask> track(std::shared_ptr<GateTask> task)
    {
        tasks_ << task;
        return task;
    }

    std::unique_ptr<QWidget> window_;
    QPushButton* button_ = nullptr;
    QList<std::shared_ptr<GateTask>> tasks_;
};

QTEST_MAIN(TasksPopoverControllerTest)
#include "TasksPopoverControllerTest.moc"
