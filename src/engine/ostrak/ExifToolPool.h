#pragma once

#include "engine/ostrak/ExifToolRequest.h"
#include "engine/ostrak/ExifToolResult.h"

#include <QFuture>
#include <QMutex>
#include <QString>
#include <QWaitCondition>

#include <chrono>
#include <deque>
#include <memory>
#include <vector>

namespace ostrak {

class ExifToolProcess;

// The shared pool of ExifTool processes.
//
// Requests wait in one queue and go to whichever worker is free, one request per worker at a
// time, so a short request never waits behind a long one while a worker is idle. Workers start
// only when requests outnumber the idle ones, up to maximumProcessCount(). Each worker is driven
// by its own thread and runs ExifTool for most requests and the tag reader for reads of every
// tag (each process started on its first request); callers on any thread either keep the future
// of submit() or block in execute().
class ExifToolPool {
public:
    explicit ExifToolPool(int maximumProcessCount = defaultProcessCount());
    ~ExifToolPool();
    ExifToolPool(const ExifToolPool&) = delete;
    ExifToolPool& operator=(const ExifToolPool&) = delete;

    // The pool the application uses; shut down when the application object is destroyed.
    static ExifToolPool& shared();

    // min(ideal thread count, 8): reading scales with processes up to the number of cores,
    // and beyond eight the gain is small against the memory of another Perl process.
    static int defaultProcessCount();

    int maximumProcessCount() const { return maximumProcessCount_; }
    // Workers started so far and not shut down.
    int processCount() const;

    // The program to run ("exiftool" through PATH by default). Processes pick it up at their
    // next request.
    void setExecutable(const QString& program);
    QString executable() const;

    QFuture<ExifToolResult> submit(ExifToolRequest request);
    // Starts every process now, without waiting, so that the first files opened do not wait for
    // them (a process's first request also loads ExifTool's modules).
    void prestart();
    // Blocks until the request ran. Never call it from inside a pool's own thread.
    ExifToolResult execute(ExifToolRequest request);

    // ExifTool's version ("12.57"); empty when ExifTool cannot be run.
    QString version();

    // Fails the queued requests, lets running ones finish within `grace` and cancels them
    // after it, then stops every process. A later request starts processes again.
    void shutdown(std::chrono::milliseconds grace = std::chrono::seconds(10));

private:
    struct Job;
    struct Worker;

    void startWorker();
    void runWorker(Worker* worker);

    const int maximumProcessCount_;
    mutable QMutex mutex_;
    QWaitCondition jobsAvailable_;
    std::deque<std::shared_ptr<Job>> queue_;
    std::vector<std::unique_ptr<Worker>> workers_;
    int idleWorkers_ = 0;
    bool stopping_ = false;
    QString program_;
    QString version_;
};

} // namespace ostrak
