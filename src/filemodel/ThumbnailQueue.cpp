#include "filemodel/ThumbnailQueue.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <cerrno>

#include <sys/resource.h>
#include <unistd.h>

namespace corvelle {

namespace {

// Pictures are made behind the window: a worker, and the decoder threads it starts, give way to
// the main thread, so that scrolling never waits for a core held by a thumbnail. Linux sets the
// niceness of the calling thread alone.
void yieldToTheMainThread()
{
    constexpr int lowered = 10;
    constexpr int lowest = 19;
    const auto thread = static_cast<id_t>(gettid());
    errno = 0;
    const int niceness = getpriority(PRIO_PROCESS, thread);
    if (errno == 0 && niceness < lowest)
        setpriority(PRIO_PROCESS, thread, std::min(lowest, niceness + lowered));
}

using Clock = std::chrono::steady_clock;

struct Job {
    ThumbnailQueue::Ticket ticket = 0;
    QPointer<QObject> context;
    std::function<std::function<void()>()> work;
    std::function<void()> fallback;
    Clock::time_point added;
    Clock::time_point deadline;
    std::atomic<bool> cancelled = false;
};

using JobPointer = std::shared_ptr<Job>;

} // namespace

struct ThumbnailQueue::State : std::enable_shared_from_this<State> {
    std::mutex mutex;
    std::condition_variable jobsAvailable;
    std::condition_variable watchdogWake;
    std::condition_variable jobFinished;
    std::deque<JobPointer> pending;
    // Started and within their time limit: these count against maximumRunning.
    std::vector<JobPointer> running;
    // Every job not yet delivered nor cancelled.
    QHash<Ticket, JobPointer> jobs;
    int maximumRunning = defaultMaximumRunning;
    std::chrono::milliseconds timeLimit = defaultTimeLimit;
    Ticket lastTicket = 0;
    int threads = 0;
    int idleThreads = 0;
    // Started and not yet looking for a job.
    int startingThreads = 0;
    // Threads inside a job's work, those past their time limit included.
    int busyThreads = 0;
    bool watchdogRunning = false;
    bool stopping = false;

    // A job past its time limit keeps its thread; these many may be stuck at once before the
    // queue stops starting threads for new jobs.
    int maximumThreads() const { return 2 * maximumRunning; }

    // Call with the lock held: wakes or starts a thread when a job can start.
    void startJobsIfPossible()
    {
        if (stopping || pending.empty() || int(running.size()) >= maximumRunning)
            return;
        if (idleThreads > 0) {
            jobsAvailable.notify_one();
        } else if (threads < maximumThreads()) {
            ++threads;
            ++startingThreads;
            std::thread([self = shared_from_this()] { self->runWorker(); }).detach();
        } else {
            // Jammed: the watchdog now also times the waiting jobs.
            watchdogWake.notify_one();
        }
        if (!watchdogRunning) {
            watchdogRunning = true;
            std::thread([self = shared_from_this()] { self->runWatchdog(); }).detach();
        }
    }

    // Results waiting for the main thread, and whether a call to hand them over is on its way:
    // results that finish close together reach the main thread in one wake-up, not one each.
    std::vector<std::pair<JobPointer, std::function<void()>>> finished;
    bool handOverPosted = false;

    // Queues the result for the main thread; `done` runs there unless the job was cancelled or
    // its context went away in the meantime. Call with the lock held.
    void deliver(const JobPointer& job, std::function<void()> delivery)
    {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app)
            return;
        finished.emplace_back(job, std::move(delivery));
        if (handOverPosted)
            return;
        handOverPosted = true;
        std::weak_ptr<State> weakSelf = shared_from_this();
        QMetaObject::invokeMethod(
            app,
            [weakSelf] {
                if (const std::shared_ptr<State> self = weakSelf.lock())
                    self->handOver();
            },
            Qt::QueuedConnection);
    }

    // On the main thread: every result finished since the last hand-over, in the order finished.
    void handOver()
    {
        std::vector<std::pair<JobPointer, std::function<void()>>> results;
        {
            std::lock_guard lock(mutex);
            results.swap(finished);
            handOverPosted = false;
            for (const auto& [job, delivery] : results)
                jobs.remove(job->ticket);
        }
        for (const auto& [job, delivery] : results) {
            if (!job->cancelled && job->context)
                delivery();
        }
    }

    void runWorker()
    {
        yieldToTheMainThread();
        std::unique_lock lock(mutex);
        --startingThreads;
        for (;;) {
            while (!stopping && (pending.empty() || int(running.size()) >= maximumRunning)) {
                // Threads beyond the limit were started while others were stuck; let them go.
                if (threads > maximumRunning) {
                    --threads;
                    return;
                }
                ++idleThreads;
                jobsAvailable.wait(lock);
                --idleThreads;
            }
            if (stopping) {
                --threads;
                return;
            }
            JobPointer job = pending.front();
            pending.pop_front();
            job->deadline = Clock::now() + timeLimit;
            running.push_back(job);
            ++busyThreads;
            watchdogWake.notify_one();
            lock.unlock();

            std::function<void()> delivery;
            try {
                delivery = job->work();
            } catch (...) {
                delivery = job->fallback;
            }
            // Whatever the work captured goes now, on this thread.
            job->work = nullptr;

            lock.lock();
            --busyThreads;
            const auto found = std::find(running.begin(), running.end(), job);
            // Not found: the watchdog gave the fallback already, and this result comes too late.
            if (found != running.end()) {
                running.erase(found);
                deliver(job, std::move(delivery));
            }
            jobFinished.notify_all();
        }
    }

    // Every thread is stuck in work past its time limit while places to run are free: waiting
    // jobs cannot start until one of them returns, which may be never.
    bool isJammed() const
    {
        return !pending.empty() && int(running.size()) < maximumRunning && idleThreads == 0
               && startingThreads == 0 && threads >= maximumThreads();
    }

    void runWatchdog()
    {
        std::unique_lock lock(mutex);
        while (!stopping) {
            const auto earliest = std::min_element(running.begin(), running.end(),
                [](const JobPointer& a, const JobPointer& b) { return a->deadline < b->deadline; });
            const bool jammed = isJammed();
            std::optional<Clock::time_point> wake;
            if (earliest != running.end())
                wake = (*earliest)->deadline;
            if (jammed)
                wake = std::min(wake.value_or(Clock::time_point::max()), pending.front()->added + timeLimit);
            if (!wake) {
                watchdogWake.wait(lock);
                continue;
            }
            if (Clock::now() < *wake) {
                watchdogWake.wait_until(lock, *wake);
                continue;
            }
            if (earliest != running.end() && (*earliest)->deadline <= *wake) {
                JobPointer late = *earliest;
                running.erase(earliest);
                deliver(late, late->fallback);
                startJobsIfPossible();
            } else {
                JobPointer waiting = pending.front();
                pending.pop_front();
                deliver(waiting, waiting->fallback);
            }
        }
        watchdogRunning = false;
    }
};

ThumbnailQueue::ThumbnailQueue(int maximumRunning, std::chrono::milliseconds timeLimit)
    : state_(std::make_shared<State>())
{
    state_->maximumRunning = std::max(1, maximumRunning);
    state_->timeLimit = timeLimit;
}

ThumbnailQueue::~ThumbnailQueue()
{
    stop();
}

void ThumbnailQueue::stop()
{
    std::unique_lock lock(state_->mutex);
    for (const JobPointer& job : std::as_const(state_->jobs))
        job->cancelled = true;
    state_->jobs.clear();
    state_->pending.clear();
    state_->stopping = true;
    state_->jobsAvailable.notify_all();
    state_->watchdogWake.notify_all();
    // Work still running may use what its owner is about to destroy.
    state_->jobFinished.wait_for(lock, state_->timeLimit, [this] { return state_->busyThreads == 0; });
}

ThumbnailQueue& ThumbnailQueue::shared()
{
    // Never deleted, so a late caller cannot reach a destroyed queue; it stops with the
    // application object, while what its running jobs use still exists.
    static ThumbnailQueue* const queue = [] {
        auto* created = new ThumbnailQueue();
        qAddPostRoutine([] { ThumbnailQueue::shared().stop(); });
        return created;
    }();
    return *queue;
}

int ThumbnailQueue::maximumRunning() const
{
    return state_->maximumRunning;
}

std::chrono::milliseconds ThumbnailQueue::timeLimit() const
{
    std::lock_guard lock(state_->mutex);
    return state_->timeLimit;
}

void ThumbnailQueue::setTimeLimit(std::chrono::milliseconds limit)
{
    std::lock_guard lock(state_->mutex);
    state_->timeLimit = limit;
}

ThumbnailQueue::Ticket ThumbnailQueue::addJob(QObject* context, std::function<Delivery()> work, Delivery fallback)
{
    auto job = std::make_shared<Job>();
    job->context = context;
    job->work = std::move(work);
    job->fallback = std::move(fallback);
    job->added = Clock::now();
    std::lock_guard lock(state_->mutex);
    job->ticket = ++state_->lastTicket;
    state_->jobs.insert(job->ticket, job);
    state_->pending.push_back(job);
    state_->startJobsIfPossible();
    return job->ticket;
}

void ThumbnailQueue::cancel(Ticket ticket)
{
    std::lock_guard lock(state_->mutex);
    const JobPointer job = state_->jobs.take(ticket);
    if (!job)
        return;
    job->cancelled = true;
    const auto waiting = std::find(state_->pending.begin(), state_->pending.end(), job);
    if (waiting != state_->pending.end())
        state_->pending.erase(waiting);
}

void ThumbnailQueue::cancelAll()
{
    std::lock_guard lock(state_->mutex);
    for (const JobPointer& job : std::as_const(state_->jobs))
        job->cancelled = true;
    state_->jobs.clear();
    state_->pending.clear();
}

int ThumbnailQueue::pendingCount() const
{
    std::lock_guard lock(state_->mutex);
    return int(state_->pending.size());
}

int ThumbnailQueue::runningCount() const
{
    std::lock_guard lock(state_->mutex);
    return int(state_->running.size());
}

} // namespace corvelle
