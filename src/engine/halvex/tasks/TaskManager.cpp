#include "engine/halvex/tasks/TaskManager.h"

#include "engine/halvex/kit/KitDebugger.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QCoreApplication>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <thread>

namespace halvex {

const QString TaskManager::didAddTaskNotification = QStringLiteral("TaskManagerDidAddTaskNotification");
const QString TaskManager::didRemoveTaskNotification = QStringLiteral("TaskManagerDidRemoveTaskNotification");
const QString TaskManager::taskUserInfoKey = QStringLiteral("task");

namespace {

constexpr int kKeptDoneTasks = 32;

bool onMainThread()
{
    const auto* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

const char* statusName(AbstractTask::Status status)
{
    switch (status) {
    case AbstractTask::Status::waiting: return "waiting";
    case AbstractTask::Status::running: return "running";
    case AbstractTask::Status::finished: return "finished";
    case AbstractTask::Status::cancelled: return "cancelled";
    }
    return "";
}

} // namespace

// Lock order: the manager's mutex, then a task's. Notes posted from another thread than the main
// one are posted while the mutex is held, so that an add note is always queued before the remove
// note of the same task; on the main thread they are delivered synchronously, after unlocking,
// so that observers may call back into the manager.
struct TaskManager::State : std::enable_shared_from_this<State> {
    explicit State(const TaskManager* owner) : owner(owner) {}

    const TaskManager* owner;
    mutable QMutex mutex;
    QWaitCondition wake;
    QList<std::shared_ptr<AbstractTask>> queue;
    std::shared_ptr<AbstractTask> running;
    QList<std::shared_ptr<AbstractTask>> listed;
    bool stopping = false;
    std::thread worker;
    QMetaObject::Connection quitConnection;

    void post(const QString& name, const std::shared_ptr<AbstractTask>& task) const
    {
        if (!QCoreApplication::instance())
            return;
        brisa::NotificationCenter::defaultCenter().post(
            name, owner, {{taskUserInfoKey, QVariant::fromValue(task)}});
    }

    // With the mutex held: posts now off the main thread, else after unlocking.
    void postAndUnlock(const QString& name, const std::shared_ptr<AbstractTask>& task,
                       QMutexLocker<QMutex>& lock) const
    {
        if (onMainThread()) {
            lock.unlock();
            post(name, task);
        } else {
            post(name, task);
            lock.unlock();
        }
    }

    // With the mutex held: the task's completion, then its remove note, on the main thread and
    // in that order (both are queued there, in order, when posted from another thread).
    void finishAndUnlock(const std::shared_ptr<AbstractTask>& task, QMutexLocker<QMutex>& lock) const
    {
        if (onMainThread()) {
            lock.unlock();
            task->complete();
            post(didRemoveTaskNotification, task);
            return;
        }
        if (auto* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [task] { task->complete(); }, Qt::QueuedConnection);
        post(didRemoveTaskNotification, task);
        lock.unlock();
    }

    void add(const std::shared_ptr<AbstractTask>& task)
    {
        QMutexLocker lock(&mutex);
        if (stopping) {
            lock.unlock();
            task->cancel();
            return;
        }
        if (task->status() != AbstractTask::Status::waiting || task->hasWaitingCancelHandler()) {
            qWarning("TaskManager: task %llu was added twice or after it ran", task->identifier());
            return;
        }
        task->setWaitingCancelHandler([weak = weak_from_this()](AbstractTask* cancelled) {
            if (auto state = weak.lock())
                state->removeQueued(cancelled);
        });
        queue.append(task);
        listed.append(task);
        startWorkerIfNeeded();
        wake.wakeOne();
        postAndUnlock(didAddTaskNotification, task, lock);
    }

    void startWorkerIfNeeded()
    {
        if (worker.joinable())
            return;
        worker = std::thread([this] { work(); });
        if (auto* app = QCoreApplication::instance()) {
            quitConnection = QObject::connect(app, &QCoreApplication::aboutToQuit, app,
                                              [weak = weak_from_this()] {
                                                  if (auto state = weak.lock())
                                                      state->shutdown();
                                              });
        }
    }

    void removeQueued(AbstractTask* task)
    {
        QMutexLocker lock(&mutex);
        const auto it = std::find_if(queue.begin(), queue.end(),
                                     [task](const auto& queued) { return queued.get() == task; });
        if (it == queue.end())
            return; // the worker took it first and reports it
        const auto removed = *it;
        queue.erase(it);
        trimDoneTasks();
        finishAndUnlock(removed, lock);
    }

    void work()
    {
        for (;;) {
            std::shared_ptr<AbstractTask> task;
            {
                QMutexLocker lock(&mutex);
                while (queue.isEmpty() && !stopping)
                    wake.wait(&mutex);
                if (queue.isEmpty())
                    return;
                task = queue.takeFirst();
                running = task;
            }
            if (task->begin()) {
                log(task, "started");
                task->execute();
                log(task, statusName(task->status()));
            }
            QMutexLocker lock(&mutex);
            running.reset();
            trimDoneTasks();
            finishAndUnlock(task, lock);
        }
    }

    void log(const std::shared_ptr<AbstractTask>& task, const char* what) const
    {
        auto& debugger = KitDebugger::shared();
        if (!debugger.isEnabled())
            return;
        QString text = QStringLiteral("Task %1 (%2) %3")
                           .arg(task->identifier())
                           .arg(task->title().key, QLatin1String(what));
        for (const auto& message : task->messages()) {
            QStringList arguments;
            for (const auto& argument : message.reason.arguments)
                arguments << argument.toString();
            const bool error = message.severity == TaskMessage::Severity::error;
            text += QStringLiteral("\n  %1 %2: %3 (%4)")
                        .arg(error ? QLatin1String("error") : QLatin1String("warning"), message.filePath,
                             message.reason.key, arguments.join(QLatin1String(", ")));
        }
        debugger.log(text);
    }

    bool isDoneAndIdle(const std::shared_ptr<AbstractTask>& task) const
    {
        return task != running && task->isDone();
    }

    void trimDoneTasks()
    {
        qsizetype done = std::count_if(listed.cbegin(), listed.cend(),
                                       [this](const auto& task) { return isDoneAndIdle(task); });
        for (auto it = listed.begin(); it != listed.end() && done > kKeptDoneTasks;) {
            if (isDoneAndIdle(*it)) {
                it = listed.erase(it);
                --done;
            } else {
                ++it;
            }
        }
    }

    void shutdown()
    {
        QList<std::shared_ptr<AbstractTask>> toCancel;
        {
            QMutexLocker lock(&mutex);
            stopping = true;
            toCancel = queue;
            if (running)
                toCancel.append(running);
            wake.wakeAll();
        }
        for (const auto& task : toCancel)
            task->cancel();
        if (worker.joinable() && worker.get_id() != std::this_thread::get_id())
            worker.join();
    }
};

TaskManager& TaskManager::shared()
{
    // Made first, so that it outlives the manager, whose thread logs to it until joined.
    KitDebugger::shared();
    static TaskManager manager;
    return manager;
}

TaskManager::TaskManager() : state_(std::make_shared<State>(this)) {}

TaskManager::~TaskManager()
{
    state_->shutdown();
    QObject::disconnect(state_->quitConnection);
}

void TaskManager::add(const std::shared_ptr<AbstractTask>& task)
{
    if (task)
        state_->add(task);
}

bool TaskManager::isBusy() const
{
    QMutexLocker lock(&state_->mutex);
    return state_->running || !state_->queue.isEmpty();
}

bool TaskManager::isEditing() const
{
    QMutexLocker lock(&state_->mutex);
    if (state_->running && state_->running->isEdition())
        return true;
    return std::any_of(state_->queue.cbegin(), state_->queue.cend(), [](const auto& task) {
        return task->isEdition() && task->status() == AbstractTask::Status::waiting;
    });
}

QList<std::shared_ptr<AbstractTask>> TaskManager::tasks() const
{
    QMutexLocker lock(&state_->mutex);
    return state_->listed;
}

void TaskManager::clearFinishedTasks()
{
    QMutexLocker lock(&state_->mutex);
    state_->listed.removeIf([this](const auto& task) { return state_->isDoneAndIdle(task); });
}

void TaskManager::cancelAll()
{
    QList<std::shared_ptr<AbstractTask>> toCancel;
    {
        QMutexLocker lock(&state_->mutex);
        toCancel = state_->queue;
        if (state_->running)
            toCancel.append(state_->running);
    }
    for (const auto& task : toCancel)
        task->cancel();
}

void TaskManager::shutdown()
{
    state_->shutdown();
}

std::shared_ptr<AbstractTask> TaskManager::task(const brisa::Notification& note)
{
    return note.userInfo.value(taskUserInfoKey).value<std::shared_ptr<AbstractTask>>();
}

} // namespace halvex
