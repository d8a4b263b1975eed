#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QSemaphore>
#include <QtConcurrent>
#include <QtTest>

#include <stdexcept>

using halvex::AbstractTask;
using halvex::TaskManager;
using halvex::TaskMessage;
using Status = AbstractTask::Status;
using TaskPtr = std::shared_ptr<AbstractTask>;

namespace {

// What the tasks did, in the order they did it, across threads.
class Journal {
public:
    void append(const QString& entry)
    {
        QMutexLocker lock(&mutex_);
        entries_ << entry;
    }
    QStringList entries() const
    {
        QMutexLocker lock(&mutex_);
        return entries_;
    }
    QStringList entriesOf(const QString& task) const
    {
        return entries().filter(QRegularExpression(QLatin1Char('^') + task + QLatin1Char(':')));
    }

private:
    mutable QMutex mutex_;
    QStringList entries_;
};

// A batch of `items` items; each item runs `onItem` (if any) and is written to the journal.
class ScriptedTask : public AbstractTask {
public:
    ScriptedTask(QString name, int items, Journal* journal, bool edition = false)
        : name_(std::move(name)), items_(items), journal_(journal), edition_(edition)
    {
        setTitle({QStringLiteral("ScriptedTaskTitle"), {name_}});
    }

    bool isEdition() const override { return edition_; }

    int parallelism = 1;
    std::function<void(ScriptedTask&, int)> onItem;
    std::function<void(ScriptedTask&)> onRun;

    void report(const TaskMessage& message) { addMessage(message); }

protected:
    void run() override
    {
        journal_->append(name_ + ":start");
        if (onRun)
            onRun(*this);
        setTotalCount(items_);
        forEachItem(items_, parallelism, [this](int index) {
            if (onItem)
                onItem(*this, index);
            journal_->append(name_ + ':' + QString::number(index));
        });
        journal_->append(name_ + ":end");
    }

private:
    QString name_;
    int items_;
    Journal* journal_;
    bool edition_;
};

std::shared_ptr<ScriptedTask> makeTask(const QString& name, int items, Journal& journal,
                                       bool edition = false)
{
    return std::make_shared<ScriptedTask>(name, items, &journal, edition);
}

// Every task and manager notification, as delivered.
class NoteRecorder {
public:
    struct Note {
        QString name;
        const void* object;
        TaskPtr task;
        bool onMainThread;
        double progress; // of the task, when the note arrived
    };

    NoteRecorder()
    {
        for (const auto& name : {TaskManager::didAddTaskNotification, TaskManager::didRemoveTaskNotification,
                                 AbstractTask::didProgressNotification,
                                 AbstractTask::didUpdateStatusNotification}) {
            tokens_ << center().addObserver(name, nullptr, [this](const brisa::Notification& note) {
                const auto task = TaskManager::task(note);
                notes << Note{note.name, note.object, task, QThread::currentThread() == qApp->thread(),
                              task ? task->progress() : 0.0};
            });
        }
    }
    ~NoteRecorder()
    {
        for (auto token : tokens_)
            center().removeObserver(token);
    }

    QList<Note> named(const QString& name, const void* object = nullptr) const
    {
        QList<Note> result;
        for (const auto& note : notes) {
            if (note.name == name && (!object || note.object == object))
                result << note;
        }
        return result;
    }
    QList<TaskPtr> tasksOf(const QString& name, const void* object = nullptr) const
    {
        QList<TaskPtr> result;
        for (const auto& note : named(name, object))
            result << note.task;
        return result;
    }
    int indexOf(const QString& name, const TaskPtr& task) const
    {
        for (int i = 0; i < notes.size(); ++i) {
            if (notes[i].name == name && notes[i].task == task)
                return i;
        }
        return -1;
    }

    QList<Note> notes;

private:
    static brisa::NotificationCenter& center() { return brisa::NotificationCenter::defaultCenter(); }
    QList<brisa::NotificationCenter::Token> tokens_;
};

// Holds a task inside an item until released, and lets the test know it got there. A failed
// test cancels the task when its manager goes, which lets the item go too.
struct Gate {
    QSemaphore entered;
    QSemaphore released;

    std::function<void(ScriptedTask&, int)> holdItemsBelow(int count)
    {
        return [this, count](ScriptedTask& task, int index) {
            if (index >= count)
                return;
            entered.release();
            while (!released.tryAcquire(1, 10)) {
                if (task.isCancelled())
                    return;
            }
        };
    }
};

} // namespace

class TaskManagerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        // Notes still queued from a finished test must not reach the next one.
        QCoreApplication::sendPostedEvents();
    }

    void runsTasksOneAtATimeInOrderAdded()
    {
        Journal journal;
        TaskManager manager;
        NoteRecorder recorder;
        const QList<TaskPtr> tasks{makeTask("a", 2, journal), makeTask("b", 2, journal),
                                   makeTask("c", 2, journal)};
        for (const auto& task : tasks)
            manager.add(task);

        // Added on the main thread: the add notes were delivered within add().
        QCOMPARE(recorder.tasksOf(TaskManager::didAddTaskNotification, &manager), tasks);
        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 3);

        QCOMPARE(journal.entries(),
                 QStringList({"a:start", "a:0", "a:1", "a:end", "b:start", "b:0", "b:1", "b:end",
                              "c:start", "c:0", "c:1", "c:end"}));
        QCOMPARE(recorder.tasksOf(TaskManager::didRemoveTaskNotification, &manager), tasks);
        for (const auto& note : recorder.notes)
            QVERIFY(note.onMainThread);
        for (const auto& task : tasks) {
            QCOMPARE(task->status(), Status::finished);
            QVERIFY(task->messages().isEmpty());
        }
        QVERIFY(!manager.isBusy());
        QCOMPARE(manager.tasks(), tasks);
    }

    void addsFromWorkerThreads()
    {
        Journal journal;
        TaskManager manager;
        NoteRecorder recorder;
        QList<TaskPtr> tasks;
        for (int i = 0; i < 24; ++i)
            tasks << makeTask(QString::number(i), 1, journal);

        QList<QFuture<void>> adders;
        for (int thread = 0; thread < 4; ++thread) {
            adders << QtConcurrent::run([&, thread] {
                for (int i = thread; i < tasks.size(); i += 4)
                    manager.add(tasks[i]);
            });
        }
        for (auto& adder : adders)
            adder.waitForFinished();

        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), tasks.size());
        for (const auto& note : recorder.notes)
            QVERIFY(note.onMainThread);
        for (const auto& task : tasks) {
            QCOMPARE(task->status(), Status::finished);
            const int added = recorder.indexOf(TaskManager::didAddTaskNotification, task);
            const int removed = recorder.indexOf(TaskManager::didRemoveTaskNotification, task);
            QVERIFY(added >= 0);
            QVERIFY2(added < removed, "a task was reported removed before it was reported added");
        }
        // Still one at a time, whichever thread added them.
        const QStringList entries = journal.entries();
        for (int i = 0; i < entries.size(); i += 3) {
            const QString name = entries[i].section(':', 0, 0);
            QCOMPARE(entries.mid(i, 3), QStringList({name + ":start", name + ":0", name + ":end"}));
        }
    }

    void cancelsQueuedTaskAtOnce()
    {
        Journal journal;
        Gate gate;
        TaskManager manager;
        NoteRecorder recorder;
        auto first = makeTask("first", 1, journal);
        first->onItem = gate.holdItemsBelow(1);
        auto second = makeTask("second", 3, journal);
        manager.add(first);
        manager.add(second);
        gate.entered.acquire();

        second->cancel();
        QCOMPARE(second->status(), Status::cancelled);
        QCOMPARE(recorder.tasksOf(TaskManager::didRemoveTaskNotification, &manager), QList<TaskPtr>{second});
        QCOMPARE(first->status(), Status::running);
        QVERIFY(manager.isBusy());

        gate.released.release();
        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 2);
        QCOMPARE(first->status(), Status::finished);
        QVERIFY(journal.entriesOf("second").isEmpty());
        QCOMPARE(recorder.named(AbstractTask::didUpdateStatusNotification, second.get()).size(), 1);

        // Done tasks ignore a late cancel.
        first->cancel();
        QCOMPARE(first->status(), Status::finished);
    }

    // Whoever queued a task hears of its end from the task: once, on the main thread, before the
    // manager's remove note, whether it ran or was cancelled while waiting.
    void completesEachTaskBeforeItsRemoveNote()
    {
        Journal journal;
        Gate gate;
        TaskManager manager;
        NoteRecorder recorder;
        auto ran = makeTask("ran", 2, journal);
        ran->onItem = gate.holdItemsBelow(1);
        auto cancelled = makeTask("cancelled", 1, journal);
        QStringList completions;
        for (const auto& task : {ran, cancelled}) {
            // The handler may hold its task: it is dropped once called.
            task->setCompletionHandler([&completions, &recorder, task] {
                const bool removed = recorder.indexOf(TaskManager::didRemoveTaskNotification, task) >= 0;
                completions << QStringLiteral("%1 done:%2 main:%3 removed:%4")
                                   .arg(task->title().arguments.value(0).toString())
                                   .arg(task->isDone())
                                   .arg(QThread::currentThread() == qApp->thread())
                                   .arg(removed);
            });
        }
        manager.add(ran);
        manager.add(cancelled);
        gate.entered.acquire();
        cancelled->cancel();
        gate.released.release();
        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 2);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(completions, (QStringList{"cancelled done:1 main:1 removed:0", "ran done:1 main:1 removed:0"}));
        const std::weak_ptr<ScriptedTask> weakRan = ran, weakCancelled = cancelled;
        ran.reset();
        cancelled.reset();
        recorder.notes.clear();
        manager.clearFinishedTasks();
        QVERIFY(weakRan.expired());
        QVERIFY(weakCancelled.expired());
    }

    void cancelsRunningBatchBeforeItsNextItem_data()
    {
        QTest::addColumn<int>("parallelism");
        QTest::newRow("one item at a time") << 1;
        QTest::newRow("three items at a time") << 3;
    }

    void cancelsRunningBatchBeforeItsNextItem()
    {
        QFETCH(int, parallelism);
        Journal journal;
        Gate gate;
        TaskManager manager;
        NoteRecorder recorder;
        auto task = makeTask("t", 10, journal);
        task->parallelism = parallelism;
        task->onItem = gate.holdItemsBelow(parallelism);
        auto next = makeTask("next", 1, journal);
        manager.add(task);
        manager.add(next);

        gate.entered.acquire(parallelism); // every worker holds one item
        task->cancel();
        QCOMPARE(task->status(), Status::running); // until the items in flight complete
        gate.released.release(parallelism);

        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 2);
        QCOMPARE(task->status(), Status::cancelled);
        QStringList expected{"t:start"};
        for (int i = 0; i < parallelism; ++i)
            expected << "t:" + QString::number(i);
        expected << "t:end";
        QStringList done = journal.entriesOf("t");
        std::sort(done.begin() + 1, done.end() - 1);
        QCOMPARE(done, expected);
        QCOMPARE(task->completedCount(), parallelism);
        QCOMPARE(next->status(), Status::finished);
        QCOMPARE(recorder.named(AbstractTask::didUpdateStatusNotification, task.get()).size(), 2);
    }

    void postsProgressOnTheMainThread_data()
    {
        QTest::addColumn<int>("items");
        QTest::newRow("few items") << 4;
        QTest::newRow("many items") << 5000;
    }

    void postsProgressOnTheMainThread()
    {
        QFETCH(int, items);
        Journal journal;
        TaskManager manager;
        NoteRecorder recorder;
        auto task = makeTask("p", items, journal);
        QCOMPARE(task->progress(), 0.0);
        QVERIFY(task->isIndeterminate());
        manager.add(task);
        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 1);

        const auto progressNotes = recorder.named(AbstractTask::didProgressNotification, task.get());
        QVERIFY(progressNotes.size() >= 2);
        QVERIFY2(progressNotes.size() <= 102, "progress notes must not grow with the number of items");
        QList<double> seen;
        for (const auto& note : progressNotes) {
            QVERIFY(note.onMainThread);
            QCOMPARE(note.task, task);
            seen << note.progress;
        }
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QCOMPARE(seen.last(), 1.0);
        QCOMPARE(task->completedCount(), items);
        QCOMPARE(task->totalCount(), items);
        QVERIFY(!task->isIndeterminate());
        QCOMPARE(recorder.named(AbstractTask::didUpdateStatusNotification, task.get()).size(), 2);
    }

    void decodesTheTaskOfANote()
    {
        Journal journal;
        TaskPtr task = makeTask("n", 0, journal);
        QVERIFY(!TaskManager::task(brisa::Notification{}));
        QVERIFY(!TaskManager::task(
            brisa::Notification{TaskManager::didAddTaskNotification, nullptr,
                                {{TaskManager::taskUserInfoKey, QStringLiteral("not a task")}}}));
        QCOMPARE(TaskManager::task(brisa::Notification{TaskManager::didAddTaskNotification, nullptr,
                                                       {{TaskManager::taskUserInfoKey,
                                                         QVariant::fromValue(task)}}}),
                 task);
    }

    void tellsWhetherBusyAndEditing()
    {
        Journal journal;
        Gate gate;
        TaskManager manager;
        NoteRecorder recorder;
        QVERIFY(!manager.isBusy());
        QVERIFY(!manager.isEditing());

        auto save = makeTask("save", 1, journal);
        save->onItem = gate.holdItemsBelow(1);
        auto queuedEdit = makeTask("edit1", 1, journal, true);
        manager.add(save);
        manager.add(queuedEdit);
        gate.entered.acquire();
        QVERIFY(manager.isBusy());
        QVERIFY(manager.isEditing()); // queued

        queuedEdit->cancel();
        QVERIFY(manager.isBusy());
        QVERIFY(!manager.isEditing());

        auto runningEdit = makeTask("edit2", 1, journal, true);
        runningEdit->onItem = gate.holdItemsBelow(1);
        manager.add(runningEdit);
        gate.released.release();
        gate.entered.acquire();
        QCOMPARE(runningEdit->status(), Status::running);
        QVERIFY(manager.isEditing()); // running

        gate.released.release();
        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 3);
        QVERIFY(!manager.isBusy());
        QVERIFY(!manager.isEditing());
    }

    void collectsMessagesAndSurvivesFailures()
    {
        Journal journal;
        TaskManager manager;
        NoteRecorder recorder;
        auto reporting = makeTask("report", 3, journal);
        reporting->onItem = [](ScriptedTask& task, int index) {
            if (index == 0)
                task.report(TaskMessage::warning("/media/a.mov", "WarningKey", {"minor"}));
            if (index == 1)
                throw std::runtime_error("item failed");
            if (index == 2)
                task.report(TaskMessage::error("/media/c.mov", "ErrorKey", {"broken"}));
        };
        auto throwing = makeTask("throw", 2, journal);
        throwing->onRun = [](ScriptedTask&) { throw std::runtime_error("run failed"); };
        auto after = makeTask("after", 1, journal);
        manager.add(reporting);
        manager.add(throwing);
        manager.add(after);
        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 3);

        QCOMPARE(reporting->status(), Status::finished);
        QCOMPARE(reporting->messages(),
                 QList<TaskMessage>({TaskMessage::warning("/media/a.mov", "WarningKey", {"minor"}),
                                     TaskMessage::error({}, "TaskUnexpectedFailure", {"item failed"}),
                                     TaskMessage::error("/media/c.mov", "ErrorKey", {"broken"})}));
        QCOMPARE(journal.entriesOf("report"), QStringList({"report:start", "report:0", "report:2", "report:end"}));

        QCOMPARE(throwing->status(), Status::finished);
        QCOMPARE(throwing->messages(),
                 QList<TaskMessage>({TaskMessage::error({}, "TaskUnexpectedFailure", {"run failed"})}));
        QCOMPARE(after->status(), Status::finished);
        QVERIFY(after->messages().isEmpty());
    }

    void keepsDoneTasksListedUntilCleared()
    {
        Journal journal;
        Gate gate;
        TaskManager manager;
        NoteRecorder recorder;
        QList<TaskPtr> quick;
        for (int i = 0; i < 40; ++i) {
            quick << makeTask(QString::number(i), 1, journal);
            manager.add(quick.last());
        }
        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 40);
        QCOMPARE(manager.tasks(), quick.mid(8)); // the latest 32 done tasks

        auto running = makeTask("running", 1, journal);
        running->onItem = gate.holdItemsBelow(1);
        auto queued = makeTask("queued", 1, journal);
        manager.add(running);
        manager.add(queued);
        gate.entered.acquire();
        manager.clearFinishedTasks();
        QCOMPARE(manager.tasks(), QList<TaskPtr>({running, queued}));

        gate.released.release();
        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 42);
        QCOMPARE(manager.tasks(), QList<TaskPtr>({running, queued}));
        manager.clearFinishedTasks();
        QVERIFY(manager.tasks().isEmpty());
    }

    void cancelsAllAndGoesOn()
    {
        Journal journal;
        Gate gate;
        TaskManager manager;
        NoteRecorder recorder;
        auto running = makeTask("running", 3, journal);
        running->onItem = gate.holdItemsBelow(1);
        auto queued = makeTask("queued", 1, journal);
        manager.add(running);
        manager.add(queued);
        gate.entered.acquire();

        manager.cancelAll();
        QCOMPARE(queued->status(), Status::cancelled);
        gate.released.release();
        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 2);
        QCOMPARE(running->status(), Status::cancelled);
        QCOMPARE(journal.entriesOf("running"), QStringList({"running:start", "running:0", "running:end"}));

        auto later = makeTask("later", 1, journal);
        manager.add(later);
        QTRY_COMPARE(later->status(), Status::finished);
    }

    void shutdownWaitsForTheRunningTask()
    {
        Journal journal;
        QSemaphore entered;
        TaskManager manager;
        NoteRecorder recorder;
        auto running = makeTask("running", 3, journal);
        // An item that lasts until the task is cancelled: shutdown must let it complete.
        running->onItem = [&](ScriptedTask& task, int) {
            entered.release();
            while (!task.isCancelled())
                QThread::msleep(1);
        };
        auto queued = makeTask("queued", 1, journal);
        manager.add(running);
        manager.add(queued);
        entered.acquire();

        manager.shutdown();
        QCOMPARE(running->status(), Status::cancelled);
        QCOMPARE(journal.entriesOf("running"), QStringList({"running:start", "running:0", "running:end"}));
        QCOMPARE(queued->status(), Status::cancelled);
        QVERIFY(journal.entriesOf("queued").isEmpty());
        QVERIFY(!manager.isBusy());

        auto late = makeTask("late", 1, journal);
        manager.add(late);
        QCOMPARE(late->status(), Status::cancelled);
        QVERIFY(!manager.tasks().contains(late));
        QTRY_COMPARE(recorder.named(TaskManager::didRemoveTaskNotification, &manager).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TaskManagerTest)
#include "TaskManagerTest.moc"
