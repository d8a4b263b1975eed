#pragma once

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSemaphore>
#include <QThread>

#include <atomic>
#include <memory>

namespace halvex::test {

// An editor over values held in memory ("Group:Name" to text), for a file that is never read.
inline std::shared_ptr<TagEditor> memoryEditor(const QString& fileName, const QList<std::pair<QString, QString>>& values = {})
{
    TagStorage storage(TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/nowhere/") + fileName)));
    for (const auto& [name, value] : values)
        storage.setValue(ostrak::TagName::fromRawValue(name), TagValue(value));
    return std::make_shared<TagEditor>(std::move(storage));
}

// Processes events until the shared task manager is idle and its notes have been delivered.
inline void waitForSharedTasks()
{
    QDeadlineTimer deadline(std::chrono::minutes(5));
    while (TaskManager::shared().isBusy() && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    if (TaskManager::shared().isBusy())
        qFatal("the shared task manager did not become idle");
    QCoreApplication::processEvents();
}

// Queues an edition on the shared task manager and waits until it has run.
inline std::shared_ptr<EditionTask> runEdition(EditionTask::Edition edition)
{
    auto task = std::make_shared<EditionTask>(std::move(edition));
    TaskManager::shared().add(task);
    waitForSharedTasks();
    return task;
}

// Holds the shared task manager's thread until released, so that the tasks queued meanwhile are
// all waiting when it goes on.
class GateTask : public AbstractTask {
public:
    void open() { gate_.release(); }
    // Blocks until the task holds the thread.
    void waitUntilHeld() { held_.acquire(); }

protected:
    void run() override
    {
        held_.release();
        gate_.acquire();
    }

private:
    QSemaphore gate_;
    QSemaphore held_;
};

// Collects the history flushes delivered on the main thread while it lives.
class FlushRecorder {
public:
    FlushRecorder()
    {
        token_ = brisa::NotificationCenter::defaultCenter().addObserver(
            EditionManager::didFlushHistoryNotification, nullptr, [this](const brisa::Notification& note) {
                if (QThread::currentThread() != QCoreApplication::instance()->thread())
                    offMainThread_ = true;
                if (const auto history = EditionManager::history(note))
                    editions_.append(*history);
                else
                    undecodable_ = true;
            });
    }
    ~FlushRecorder() { brisa::NotificationCenter::defaultCenter().removeObserver(token_); }
    FlushRecorder(const FlushRecorder&) = delete;
    FlushRecorder& operator=(const FlushRecorder&) = delete;

    const QList<HistoryEdition>& editions() const { return editions_; }
    // Every flush arrived on the main thread and carried an edition.
    bool allWell() const { return !offMainThread_ && !undecodable_; }
    void clear() { editions_.clear(); }

private:
    brisa::NotificationCenter::Token token_ = 0;
    QList<HistoryEdition> editions_;
    bool offMainThread_ = false;
    bool undecodable_ = false;
};

} // namespace halvex::test
