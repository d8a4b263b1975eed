#pragma once

#include "engine/halvex/tasks/AbstractTask.h"
#include "platform/brisa/core/Notification.h"

#include <QList>
#include <QString>

#include <memory>

namespace halvex {

// Runs tasks one at a time, in the order they were added, on a thread of its own (a task may
// work in parallel inside itself). A reload or a save queued after an edit therefore sees it.
//
// Notifications, posted on brisa::NotificationCenter::defaultCenter() with this manager as object
// and the task in the user info (decode with task()); they arrive on the main thread:
// - didAddTaskNotification when a task is added;
// - didRemoveTaskNotification when a task is done: finished, failed or cancelled (the task's own
//   completion handler runs just before it). Its result,
//   status and messages are final by then.
//
// tasks() keeps done tasks after their removal note, so that the tasks popover can show how they
// ended, until clearFinishedTasks() (only the 32 latest are kept, as they may hold whole results).
//
// shutdown(), also run when the application is about to quit and when the manager is destroyed,
// cancels the queued tasks, asks the running one to cancel and waits for it: the file in flight
// is completed, never cut off. Tasks must therefore never wait for the main thread.
class TaskManager {
public:
    static const QString didAddTaskNotification;
    static const QString didRemoveTaskNotification;
    static const QString taskUserInfoKey;

    static TaskManager& shared();

    TaskManager();
    ~TaskManager();
    TaskManager(const TaskManager&) = delete;
    TaskManager& operator=(const TaskManager&) = delete;

    // Queues a waiting task and returns at once. Safe from any thread. A task that is not
    // waiting, or already queued, is refused; after shutdown() a task is cancelled instead.
    void add(const std::shared_ptr<AbstractTask>& task);

    // A task is queued or running.
    bool isBusy() const;
    // An edition task is queued or running.
    bool isEditing() const;

    // Queued, running and done tasks not yet cleared, in the order they were added.
    QList<std::shared_ptr<AbstractTask>> tasks() const;
    void clearFinishedTasks();

    void cancelAll();
    void shutdown();

    // The task a manager or task notification carries; null for any other note.
    static std::shared_ptr<AbstractTask> task(const brisa::Notification& note);

private:
    struct State;
    std::shared_ptr<State> state_;
};

} // namespace halvex
