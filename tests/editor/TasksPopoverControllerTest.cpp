#include "editor/TaskItemTableCellView.h"
#include "editor/TasksPopoverController.h"
#include "engine/halvex/tasks/TaskManager.h"

#include "GateTask.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using corvelle::TaskItemTableCellView;
using corvelle::TasksPopoverController;
using corvelle::test::GateTask;
using corvelle::test::addGateTask;
using corvelle::test::finishAll;
using halvex::AbstractTask;
using halvex::TaskManager;

namespace {

TaskItemTableCellView* cellAt(int row)
{
    return qobject_cast<TaskItemTableCellView*>(TasksPopoverController::shared().taskTableView()->cellWidget(row, 0));
}

int rowHeight()
{
    return TasksPopoverController::shared().taskTableView()->verticalHeader()->defaultSectionSize();
}

struct RowState {
    QString image;
    bool progressShown;
    bool cancelShown;
};

RowState stateOf(const TaskItemTableCellView& cell)
{
    return {cell.statusSymbolName(), cell.progressTextField()->isVisibleTo(&cell),
            cell.cancelButton()->isVisibleTo(&cell)};
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
        QTRY_COMPARE(popover.taskTableView()->rowCount(), 0);
        window_.reset();
    }

    void rowsFollowTheirTasksFromWaitingToDone()
    {
        auto& popover = TasksPopoverController::shared();
        auto running = track(addGateTask({QStringLiteral("disk full")}));
        auto waiting = track(addGateTask());
        QTRY_COMPARE(running->status(), AbstractTask::Status::running);
        QCOMPARE(popover.taskTableView()->rowCount(), 2);

        TaskItemTableCellView* first = cellAt(0);
        TaskItemTableCellView* second = cellAt(1);
        QCOMPARE(first->objectValue(), running);
        QTRY_COMPARE(first->progressTextField()->text(), QStringLiteral("25%"));
        QCOMPARE(first->progressIndicator()->value(), TaskItemTableCellView::progressSteps / 4);
        QCOMPARE(first->titleTextField()->text(), QStringLiteral("GateTaskTitle"));
        // Running: the percentage, and a way to stop it.
        QCOMPARE(stateOf(*first).image, QString());
        QVERIFY(stateOf(*first).progressShown);
        QVERIFY(stateOf(*first).cancelShown);
        // Waiting: no percentage yet.
        QCOMPARE(stateOf(*second).image, QString());
        QVERIFY(!stateOf(*second).progressShown);
        QVERIFY(stateOf(*second).cancelShown);

        QTest::mouseClick(second->cancelButton(), Qt::LeftButton);
        QCOMPARE(waiting->status(), AbstractTask::Status::cancelled);
        QTRY_COMPARE(cellAt(1)->statusSymbolName(), QStringLiteral("xmark.circle"));
        QCOMPARE(popover.taskTableView()->rowCount(), 2); // done tasks stay listed

        running->open();
        QTRY_COMPARE(cellAt(0)->statusSymbolName(), QStringLiteral("exclamationmark.circle"));
        QCOMPARE(cellAt(0)->progressIndicator()->value(), TaskItemTableCellView::progressSteps);
        for (int row = 0; row < 2; ++row) {
            QVERIFY(!stateOf(*cellAt(row)).progressShown);
            QVERIFY(!stateOf(*cellAt(row)).cancelShown);
            QVERIFY(!cellAt(row)->canCancelTask());
        }

        auto clean = track(addGateTask());
        QCOMPARE(popover.taskTableView()->rowCount(), 3);
        clean->open();
        QTRY_COMPARE(cellAt(2)->statusSymbolName(), QStringLiteral("checkmark.circle"));
    }

    void theCancelButtonStopsARunningTask()
    {
        auto task = track(addGateTask());
        QTRY_COMPARE(task->status(), AbstractTask::Status::running);
        TaskItemTableCellView* cell = cellAt(0);
        QTest::mouseClick(cell->cancelButton(), Qt::LeftButton);
        QTRY_COMPARE(task->status(), AbstractTask::Status::cancelled);
        QTRY_COMPARE(cell->statusSymbolName(), QStringLiteral("xmark.circle"));
        // Pressing it again on a done task does nothing.
        cell->cancelTask();
        QCOMPARE(task->status(), AbstractTask::Status::cancelled);
    }

    void showingTheSameTaskAgainChangesNothing()
    {
        auto task = track(addGateTask());
        TaskItemTableCellView cell;
        cell.setObjectValue(task);
        cell.titleTextField()->setText(QStringLiteral("marker"));
        cell.setObjectValue(task);
        QCOMPARE(cell.titleTextField()->text(), QStringLiteral("marker"));
        cell.prepareForReuse();
        QCOMPARE(cell.titleTextField()->text(), QStringLiteral("-"));
        QCOMPARE(cell.objectValue(), nullptr);
        // A row that let go of its task no longer follows it.
        cell.titleTextField()->setText(QStringLiteral("marker"));
        task->open();
        QTRY_VERIFY(isIdle());
        QCoreApplication::processEvents();
        QCOMPARE(cell.titleTextField()->text(), QStringLiteral("marker"));
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
        QCOMPARE(popover.taskTableView()->rowCount(), tasks);
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
        QCOMPARE(popover.taskTableView()->rowCount(), 2);
        // While on screen the height follows the rows, animated.
        auto another = track(addGateTask());
        QCOMPARE(popover.taskTableView()->rowCount(), 3);
        QCOMPARE(popover.view()->height(), 2 * rowHeight() + 20);
        QTRY_COMPARE(popover.view()->height(), 3 * rowHeight() + 20);

        popover.toggle(button_, corvelle::PopoverController::Edge::bottom);
        QTRY_COMPARE(popover.taskTableView()->rowCount(), 2);
        QCOMPARE(cellAt(0)->objectValue(), running);
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
