#pragma once

#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/halvex/tasks/TaskManager.h"

#include <QSemaphore>
#include <QStringList>
#include <QtTest>

#include <memory>

namespace corvelle::test {

// A task of four items that does its first item, then waits until the test opens its gate (or
// cancels it), then does the other three and reports the given problems.
class GateTask : public halvex::AbstractTask {
public:
    explicit GateTask(QStringList problems = {}, bool edition = false)
        : problems_(std::move(problems))
        , edition_(edition)
    {
        setTitle({QStringLiteral("GateTaskTitle"), {}});
        setDescription({QStringLiteral("GateTaskDescription"), {}});
    }

    void open() { gate_.release(); }
    bool isEdition() const override { return edition_; }

    static constexpr int itemCount = 4;

protected:
    void run() override
    {
        setTotalCount(itemCount);
        advanceProgress();
        while (!gate_.tryAcquire(1, 10)) {
            if (isCancelled())
                return;
        }
        for (const QString& problem : problems_)
            addMessage(halvex::TaskMessage::error(QString(), QStringLiteral("TaskUnexpectedFailure"), {problem}));
        advanceProgress(itemCount - 1);
    }

private:
    const QStringList problems_;
    const bool edition_;
    QSemaphore gate_;
};

// Adds the task to the shared manager.
inline std::shared_ptr<GateTask> addGateTask(QStringList problems = {}, bool edition = false)
{
    auto task = std::make_shared<GateTask>(std::move(problems), edition);
    halvex::TaskManager::shared().add(task);
    return task;
}

// Lets the tasks run to their end and waits until the manager is idle and every note of theirs
// has reached the main thread.
inline bool finishAll(const QList<std::shared_ptr<GateTask>>& tasks)
{
    for (const auto& task : tasks)
        task->open();
    const bool idle = QTest::qWaitFor([] { return !halvex::TaskManager::shared().isBusy(); }, 30000);
    QCoreApplication::processEvents();
    return idle;
}

} // namespace corvelle::test
