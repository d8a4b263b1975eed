#pragma once

#include <QObject>
#include <QtGlobal>

#include <chrono>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace corvelle {

// The queue that thumbnails and previews are made on. Jobs block their thread (decoders,
// ExifTool, file reads), so each runs on a thread of the queue, at most maximumRunning() at once,
// in the order they were added.
//
// No caller waits for ever: a job still running after the time limit gives its fallback (the
// file's icon) instead, its late result is dropped, and it no longer counts against the limit
// of running jobs, so one file that hangs (a pipe, a dead network share) does not hold up the
// others. The queue starts at most twice maximumRunning() threads; while stuck work holds every
// thread it may start, waiting jobs get their fallback once they have waited the time limit.
// Results and fallbacks reach `done` on the main thread, and only while `context` lives.
//
// Cancelling removes jobs that have not started and drops the result of running ones; a
// cancelled job never calls `done`. Add and cancel on the main thread.
class ThumbnailQueue {
public:
    using Ticket = quint64;

    static constexpr int defaultMaximumRunning = 8;
    static constexpr std::chrono::milliseconds defaultTimeLimit{10000};

    explicit ThumbnailQueue(int maximumRunning = defaultMaximumRunning,
                            std::chrono::milliseconds timeLimit = defaultTimeLimit);
    // Cancels every job and waits up to the time limit for running ones to return; threads
    // still busy after that are left to finish on their own.
    ~ThumbnailQueue();
    ThumbnailQueue(const ThumbnailQueue&) = delete;
    ThumbnailQueue& operator=(const ThumbnailQueue&) = delete;

    // The queue of the file thumbnails, made on first use and kept until the application
    // object goes away.
    static ThumbnailQueue& shared();

    int maximumRunning() const;
    std::chrono::milliseconds timeLimit() const;
    // For jobs that start after the change.
    void setTimeLimit(std::chrono::milliseconds limit);

    // Runs `work()` on a queue thread and hands its result to `done(result)` on the main
    // thread. When the work takes longer than the time limit (or throws), `fallback()` runs on
    // the main thread instead and its result goes to `done`.
    template<class Work, class Fallback, class Done>
    Ticket add(QObject* context, Work work, Fallback fallback, Done done)
    {
        using Result = std::invoke_result_t<Work&>;
        static_assert(std::is_convertible_v<std::invoke_result_t<Fallback&>, Result>,
                      "the fallback gives the work's kind of result");
        auto deliver = std::make_shared<Done>(std::move(done));
        return addJob(
            context,
            [work = std::move(work), deliver]() mutable -> Delivery {
                auto result = std::make_shared<Result>(work());
                return [result, deliver] { (*deliver)(std::move(*result)); };
            },
            [fallback = std::move(fallback), deliver]() mutable { (*deliver)(Result(fallback())); });
    }

    void cancel(Ticket ticket);
    void cancelAll();
    // Cancels every job, starts no other, and waits up to the time limit for the running ones to
    // return: work still running would otherwise outlive what it uses (the application's thread
    // pools, which image scaling borrows, go away with the application object).
    void stop();

    // Jobs waiting to start.
    int pendingCount() const;
    // Jobs running within their time limit.
    int runningCount() const;

    struct State;

private:
    using Delivery = std::function<void()>;

    Ticket addJob(QObject* context, std::function<Delivery()> work, Delivery fallback);

    std::shared_ptr<State> state_;
};

} // namespace corvelle
