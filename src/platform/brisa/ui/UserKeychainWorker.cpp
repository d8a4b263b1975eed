#include "platform/brisa/ui/UserKeychainWorker.h"

#include <QThread>

#include <qt6keychain/keychain.h>

namespace brisa {

// Owns the worker and its thread for the life of the process.
struct UserKeychainWorkerHolder {
    UserKeychainWorkerHolder()
        : worker(new UserKeychainWorker)
    {
        thread.setObjectName(QStringLiteral("UserKeychain"));
        worker->moveToThread(&thread);
        thread.start();
    }

    ~UserKeychainWorkerHolder()
    {
        // A call the keychain never answers is left behind: its job belongs to a thread that
        // no longer runs, so nothing can call back into freed memory.
        thread.quit();
        thread.wait();
        delete worker;
    }

    QThread thread;
    UserKeychainWorker* worker;
};

namespace {

QString failureText(UserKeychainWorker::Operation operation, const QString& service, const QString& name,
                    const QString& reason)
{
    QString what;
    switch (operation) {
    case UserKeychainWorker::Operation::Read:
        what = QStringLiteral("read");
        break;
    case UserKeychainWorker::Operation::Save:
        what = QStringLiteral("saved");
        break;
    case UserKeychainWorker::Operation::Remove:
        what = QStringLiteral("removed");
        break;
    }
    return QStringLiteral("The keychain item \"%1\" of \"%2\" could not be %3: %4")
        .arg(name, service, what, reason.isEmpty() ? QStringLiteral("no reason given") : reason);
}

} // namespace

UserKeychainWorker& UserKeychainWorker::shared()
{
    static UserKeychainWorkerHolder holder;
    return *holder.worker;
}

void UserKeychainWorker::submit(Request request)
{
    // Posted events reach the worker in the order they were posted.
    QMetaObject::invokeMethod(
        this,
        [this, request = std::move(request)]() mutable {
            pending_.push_back(std::move(request));
            startNext();
        },
        Qt::QueuedConnection);
}

bool UserKeychainWorker::isWorkerThread() const
{
    return QThread::currentThread() == thread();
}

void UserKeychainWorker::startNext()
{
    if (running_ || pending_.empty())
        return;
    running_ = std::move(pending_.front());
    pending_.pop_front();

    QKeychain::Job* job = nullptr;
    switch (running_->operation) {
    case Operation::Read:
        job = new QKeychain::ReadPasswordJob(running_->service);
        break;
    case Operation::Save: {
        auto* write = new QKeychain::WritePasswordJob(running_->service);
        write->setTextData(running_->password);
        job = write;
        break;
    }
    case Operation::Remove:
        job = new QKeychain::DeletePasswordJob(running_->service);
        break;
    }
    job->setKey(running_->name);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    connect(job, &QKeychain::Job::finished, this, [this](QKeychain::Job* finished) { finish(finished); });
    job->start();
}

void UserKeychainWorker::finish(QKeychain::Job* job)
{
    if (!running_)
        return;
    Request request = std::move(*running_);
    running_.reset();

    KeychainResult result;
    switch (job->error()) {
    case QKeychain::NoError:
        result.status = KeychainResult::Status::Success;
        if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(job))
            result.password = read->textData();
        break;
    case QKeychain::EntryNotFound:
        result.status = KeychainResult::Status::NotFound;
        break;
    default:
        result.status = KeychainResult::Status::Failed;
        result.errorText = failureText(request.operation, request.service, request.name, job->errorString());
        break;
    }
    if (request.deliver)
        request.deliver(result);
    startNext();
}

} // namespace brisa
