#include "engine/halvex/tasks/AbstractTask.h"

#include "engine/halvex/tasks/TaskManager.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <algorithm>
#include <exception>

namespace halvex {

const QString AbstractTask::didProgressNotification = QStringLiteral("AbstractTaskDidProgressNotification");
const QString AbstractTask::didUpdateStatusNotification =
    QStringLiteral("AbstractTaskDidUpdateStatusNotification");

namespace {

std::atomic<quint64> nextIdentifier{1};

const QString unexpectedFailureKey = QStringLiteral("TaskUnexpectedFailure");

} // namespace

AbstractTask::AbstractTask() : identifier_(nextIdentifier++) {}

AbstractTask::~AbstractTask() = default;

LocalizedText AbstractTask::title() const
{
    QMutexLocker lock(&mutex_);
    return title_;
}

LocalizedText AbstractTask::description() const
{
    QMutexLocker lock(&mutex_);
    return description_;
}

void AbstractTask::setTitle(const LocalizedText& title)
{
    QMutexLocker lock(&mutex_);
    title_ = title;
}

void AbstractTask::setDescription(const LocalizedText& description)
{
    QMutexLocker lock(&mutex_);
    description_ = description;
}

AbstractTask::Status AbstractTask::status() const
{
    QMutexLocker lock(&mutex_);
    return status_;
}

bool AbstractTask::isDone() const
{
    const Status current = status();
    return current == Status::finished || current == Status::cancelled;
}

double AbstractTask::progress() const
{
    QMutexLocker lock(&mutex_);
    if (totalCount_ <= 0)
        return 0.0;
    return std::min(1.0, double(completedCount_) / double(totalCount_));
}

int AbstractTask::completedCount() const
{
    QMutexLocker lock(&mutex_);
    return completedCount_;
}

int AbstractTask::totalCount() const
{
    QMutexLocker lock(&mutex_);
    return totalCount_;
}

bool AbstractTask::isIndeterminate() const
{
    QMutexLocker lock(&mutex_);
    return totalCount_ <= 0;
}

QList<TaskMessage> AbstractTask::messages() const
{
    QMutexLocker lock(&mutex_);
    return messages_;
}

void AbstractTask::addMessage(const TaskMessage& message)
{
    QMutexLocker lock(&mutex_);
    messages_.append(message);
}

void AbstractTask::setTotalCount(int total)
{
    {
        QMutexLocker lock(&mutex_);
        totalCount_ = std::max(0, total);
        postedPercent_ = totalCount_ > 0 ? int(qint64(completedCount_) * 100 / totalCount_) : -1;
    }
    post(didProgressNotification);
}

void AbstractTask::advanceProgress(int items)
{
    bool moved = false;
    {
        QMutexLocker lock(&mutex_);
        completedCount_ += items;
        if (totalCount_ > 0) {
            // Large batches would otherwise flood the main thread with one note per file.
            const int percent = int(std::min<qint64>(100, qint64(completedCount_) * 100 / totalCount_));
            moved = percent != postedPercent_;
            postedPercent_ = percent;
        }
    }
    if (moved)
        post(didProgressNotification);
}

void AbstractTask::cancel()
{
    std::function<void(AbstractTask*)> handler;
    {
        QMutexLocker lock(&mutex_);
        if (status_ == Status::finished || status_ == Status::cancelled)
            return;
        cancelRequested_ = true;
        if (status_ != Status::waiting)
            return;
        status_ = Status::cancelled;
        handler = waitingCancelHandler_;
    }
    post(didUpdateStatusNotification);
    if (handler)
        handler(this);
}

bool AbstractTask::begin()
{
    {
        QMutexLocker lock(&mutex_);
        if (status_ != Status::waiting)
            return false;
        status_ = Status::running;
    }
    post(didUpdateStatusNotification);
    return true;
}

void AbstractTask::execute()
{
    runGuarded([this] { run(); });
    {
        QMutexLocker lock(&mutex_);
        status_ = cancelRequested_ ? Status::cancelled : Status::finished;
    }
    post(didUpdateStatusNotification);
}

void AbstractTask::setWaitingCancelHandler(std::function<void(AbstractTask*)> handler)
{
    QMutexLocker lock(&mutex_);
    waitingCancelHandler_ = std::move(handler);
}

bool AbstractTask::hasWaitingCancelHandler() const
{
    QMutexLocker lock(&mutex_);
    return bool(waitingCancelHandler_);
}

void AbstractTask::setCompletionHandler(std::function<void()> handler)
{
    QMutexLocker lock(&mutex_);
    completionHandler_ = std::move(handler);
}

void AbstractTask::complete()
{
    std::function<void()> handler;
    {
        QMutexLocker lock(&mutex_);
        std::swap(handler, completionHandler_);
    }
    if (handler)
        handler();
}

void AbstractTask::runGuarded(const std::function<void()>& work)
{
    // One failing task must neither stop the task thread nor the tasks queued after it.
    try {
        work();
    } catch (const std::exception& error) {
        addMessage(TaskMessage::error({}, unexpectedFailureKey, {QString::fromLocal8Bit(error.what())}));
    } catch (...) {
        addMessage(TaskMessage::error({}, unexpectedFailureKey, {QString()}));
    }
}

int AbstractTask::forEachItem(int count, int parallelism, const std::function<void(int)>& work)
{
    std::atomic<int> next = 0;
    std::atomic<int> done = 0;
    auto worker = [&] {
        for (;;) {
            if (isCancelled())
                return;
            const int index = next++;
            if (index >= count)
                return;
            runGuarded([&] { work(index); });
            ++done;
            advanceProgress();
        }
    };

    const int threads = std::clamp(parallelism, 1, std::max(1, count));
    if (threads == 1) {
        worker();
    } else {
        QThreadPool pool;
        pool.setMaxThreadCount(threads);
        for (int i = 0; i < threads; ++i)
            pool.start(worker);
        pool.waitForDone();
    }
    return done;
}

void AbstractTask::post(const QString& name)
{
    // Without an application there is no main thread to deliver to (the engine is shutting down).
    if (!QCoreApplication::instance())
        return;
    QVariantMap userInfo;
    if (auto self = weak_from_this().lock())
        userInfo.insert(TaskManager::taskUserInfoKey, QVariant::fromValue(self));
    brisa::NotificationCenter::defaultCenter().post(name, static_cast<const AbstractTask*>(this), userInfo);
}

} // namespace halvex
