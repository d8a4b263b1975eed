#include "engine/ostrak/ExifToolPool.h"

#include "engine/ostrak/ExifToolProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPromise>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace ostrak {

namespace {

constexpr int processCountLimit = 8;
constexpr auto processQuitGrace = std::chrono::seconds(2);

ExifToolResult cancelled()
{
    return ExifToolResult::failure(ExifToolResult::State::Cancelled,
                                   ExifToolMessage(QStringLiteral("ExifToolCancelledError")));
}

} // namespace

struct ExifToolPool::Job {
    ExifToolRequest request;
    QPromise<ExifToolResult> promise;

    void finish(const ExifToolResult& result)
    {
        promise.addResult(result);
        promise.finish();
    }
};

struct ExifToolPool::Worker {
    std::unique_ptr<ExifToolProcess> process;
    // Started on the first read of every tag; the other process on the first other request.
    std::unique_ptr<ExifToolProcess> reader;
    std::unique_ptr<QThread> thread;
};

ExifToolPool::ExifToolPool(int maximumProcessCount)
    : maximumProcessCount_(std::max(1, maximumProcessCount))
    , program_(ExifToolProcess::defaultProgram())
{
}

ExifToolPool::~ExifToolPool()
{
    shutdown();
}

ExifToolPool& ExifToolPool::shared()
{
    // Never deleted, so a late caller cannot reach a destroyed pool; its processes stop with
    // the application object.
    static ExifToolPool* const pool = [] {
        auto* created = new ExifToolPool();
        qAddPostRoutine([] { ExifToolPool::shared().shutdown(); });
        return created;
    }();
    return *pool;
}

int ExifToolPool::defaultProcessCount()
{
    return std::clamp(QThread::idealThreadCount(), 1, processCountLimit);
}

int ExifToolPool::processCount() const
{
    QMutexLocker lock(&mutex_);
    return int(workers_.size());
}

void ExifToolPool::setExecutable(const QString& program)
{
    QMutexLocker lock(&mutex_);
    program_ = program;
    version_.clear();
}

QString ExifToolPool::executable() const
{
    QMutexLocker lock(&mutex_);
    return program_;
}

QFuture<ExifToolResult> ExifToolPool::submit(ExifToolRequest request)
{
    auto job = std::make_shared<Job>();
    job->request = std::move(request);
    job->promise.start();
    QFuture<ExifToolResult> future = job->promise.future();

    QMutexLocker lock(&mutex_);
    if (stopping_) {
        lock.unlock();
        job->finish(cancelled());
        return future;
    }
    queue_.push_back(job);
    if (std::size_t(idleWorkers_) < queue_.size() && workers_.size() < std::size_t(maximumProcessCount_))
        startWorker();
    jobsAvailable_.wakeOne();
    return future;
}

void ExifToolPool::prestart()
{
    // The first requests of a session read files: their processes are the ones started.
    for (int index = 0; index < maximumProcessCount_; ++index) {
        ExifToolRequest request;
        request.arguments = {QStringLiteral("-ver")};
        request.readsEveryTag = true;
        submit(std::move(request));
    }
}

ExifToolResult ExifToolPool::execute(ExifToolRequest request)
{
    return submit(std::move(request)).result();
}

QString ExifToolPool::version()
{
    {
        QMutexLocker lock(&mutex_);
        if (!version_.isEmpty())
            return version_;
    }
    ExifToolRequest request;
    request.arguments = {QStringLiteral("-ver")};
    const ExifToolResult result = execute(request);
    if (!result.succeeded())
        return {};
    QMutexLocker lock(&mutex_);
    version_ = QString::fromUtf8(result.output).trimmed();
    return version_;
}

void ExifToolPool::startWorker()
{
    auto worker = std::make_unique<Worker>();
    Worker* raw = worker.get();
    worker->process = std::make_unique<ExifToolProcess>(program_);
    worker->reader = std::make_unique<ExifToolProcess>(ExifToolProcess::tagReaderProgram(),
                                                       ExifToolProcess::tagReaderArguments());
    worker->thread.reset(QThread::create([this, raw] { runWorker(raw); }));
    worker->thread->setObjectName(QStringLiteral("ExifTool %1").arg(workers_.size() + 1));
    worker->thread->start();
    workers_.push_back(std::move(worker));
}

void ExifToolPool::runWorker(Worker* worker)
{
    for (;;) {
        std::shared_ptr<Job> job;
        QString program;
        {
            QMutexLocker lock(&mutex_);
            ++idleWorkers_;
            while (queue_.empty() && !stopping_)
                jobsAvailable_.wait(&mutex_);
            --idleWorkers_;
            if (queue_.empty())
                break;
            job = std::move(queue_.front());
            queue_.pop_front();
            program = program_;
        }
        // Another program in place of ExifTool (a test's stand-in) serves every request itself.
        // Without ExifTool on PATH the reader has no library either: ExifTool's own failure to
        // start says so in plain words.
        const bool byReader = job->request.readsEveryTag && program == ExifToolProcess::defaultProgram()
            && !ExifToolProcess::tagReaderArguments().isEmpty() && !QStandardPaths::findExecutable(program).isEmpty();
        ExifToolProcess& process = byReader ? *worker->reader : *worker->process;
        if (!byReader)
            process.setProgram(program);
        job->finish(process.execute(job->request));
    }
    worker->process->shutdown(processQuitGrace);
    worker->reader->shutdown(processQuitGrace);
}

void ExifToolPool::shutdown(std::chrono::milliseconds grace)
{
    std::vector<std::unique_ptr<Worker>> workers;
    std::deque<std::shared_ptr<Job>> queued;
    {
        QMutexLocker lock(&mutex_);
        if (stopping_ || (workers_.empty() && queue_.empty()))
            return;
        stopping_ = true;
        queued.swap(queue_);
        workers.swap(workers_);
        jobsAvailable_.wakeAll();
    }
    for (const auto& job : queued)
        job->finish(cancelled());

    const QDeadlineTimer deadline(grace);
    for (const auto& worker : workers) {
        if (!worker->thread->wait(deadline)) {
            worker->process->abort();
            worker->reader->abort();
            worker->thread->wait();
        }
    }
    workers.clear();

    QMutexLocker lock(&mutex_);
    stopping_ = false;
}

} // namespace ostrak
