#pragma once

#include "engine/halvex/kit/LocalizedText.h"
#include "engine/halvex/tasks/TaskMessage.h"

#include <QList>
#include <QMetaType>
#include <QMutex>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

namespace halvex {

// A unit of file work run by the TaskManager on its thread. Held by std::shared_ptr; every
// member is safe to call from any thread.
//
// Subclasses take their settings in the constructor and do the work in run(). A batch goes
// through forEachItem(), which stops before the next item once the task is cancelled (the item
// in flight completes) and advances the progress. Problems are reported with addMessage().
//
// The task posts, on brisa::NotificationCenter::defaultCenter() with the task (as AbstractTask*)
// for object and the task in the user info (TaskManager::task() decodes it):
// - didProgressNotification when its progress moves (at most once per percent);
// - didUpdateStatusNotification when its status changes.
// Both arrive on the main thread.
class AbstractTask : public std::enable_shared_from_this<AbstractTask> {
public:
    enum class Status { waiting = 0, running = 1, finished = 2, cancelled = 3 };

    static const QString didProgressNotification;
    static const QString didUpdateStatusNotification;

    AbstractTask();
    virtual ~AbstractTask();
    AbstractTask(const AbstractTask&) = delete;
    AbstractTask& operator=(const AbstractTask&) = delete;

    // Unique within the run, increasing in creation order.
    quint64 identifier() const { return identifier_; }

    LocalizedText title() const;
    LocalizedText description() const;

    Status status() const;
    // Finished or cancelled: the task will not change any more.
    bool isDone() const;

    // Completed items over total items; 0 while the total is unknown (indeterminate).
    double progress() const;
    int completedCount() const;
    int totalCount() const;
    bool isIndeterminate() const;

    // Errors and warnings in the order reported; empty when all went well.
    QList<TaskMessage> messages() const;

    // A waiting task is cancelled at once and never runs. A running task stops before its next
    // item; its status becomes cancelled when run() returns. Nothing once the task is done.
    void cancel();
    bool isCancelled() const { return cancelRequested_; }

    // Edits tag editors in memory: saving waits until no edition is queued or running.
    virtual bool isEdition() const { return false; }

    // Called once, on the main thread, when the task manager is done with the task (finished,
    // failed or cancelled), just before its remove note: the result reaches whoever queued the
    // task without watching the manager. Set it before adding the task; the handler is dropped
    // once called, so it may hold the task.
    void setCompletionHandler(std::function<void()> handler);

protected:
    // Runs on the task manager's thread. An exception that escapes is reported as a message.
    virtual void run() = 0;

    void setTitle(const LocalizedText& title);
    void setDescription(const LocalizedText& description);

    void setTotalCount(int total);
    void advanceProgress(int items = 1);

    void addMessage(const TaskMessage& message);

    // Calls work(i) for i in [0, count), at most `parallelism` calls at a time (in index order
    // when 1), starting none once the task is cancelled. Advances the progress by one per item
    // and reports an exception from an item as a message. Returns the number of items done.
    int forEachItem(int count, int parallelism, const std::function<void(int index)>& work);

private:
    friend class TaskManager;

    // Waiting to running; false when the task was cancelled first.
    bool begin();
    // Runs the work, then settles the final status.
    void execute();
    void setWaitingCancelHandler(std::function<void(AbstractTask*)> handler);
    bool hasWaitingCancelHandler() const;
    // Runs and drops the completion handler; main thread.
    void complete();

    void runGuarded(const std::function<void()>& work);
    void post(const QString& name);

    const quint64 identifier_;
    mutable QMutex mutex_;
    LocalizedText title_;
    LocalizedText description_;
    Status status_ = Status::waiting;
    std::atomic<bool> cancelRequested_ = false;
    int completedCount_ = 0;
    int totalCount_ = 0;
    int postedPercent_ = -1;
    QList<TaskMessage> messages_;
    std::function<void(AbstractTask*)> waitingCancelHandler_;
    std::function<void()> completionHandler_;
};

} // namespace halvex

Q_DECLARE_METATYPE(std::shared_ptr<halvex::AbstractTask>)
