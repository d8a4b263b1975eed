#include "platform/brisa/ui/UserKeychain.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <future>

namespace brisa {

const QString UserKeychain::standardService = QStringLiteral("Corvelle");

namespace {

// One asynchronous call: finished once, by its result or by its time limit.
struct PendingCall {
    QPointer<const QObject> context;
    bool hasContext = false;
    UserKeychain::Completion completion;
    bool done = false; // main thread only

    void finish(const KeychainResult& result)
    {
        if (done)
            return;
        done = true;
        if (hasContext && !context)
            return;
        if (completion)
            completion(result);
    }
};

} // namespace

UserKeychain& UserKeychain::standard()
{
    static UserKeychain keychain(standardService);
    return keychain;
}

UserKeychain::UserKeychain(const QString& service, std::chrono::milliseconds timeLimit)
    : service_(service)
    , timeLimit_(timeLimit)
    , relay_(new QObject, [](QObject* relay) { relay->deleteLater(); })
{
    if (QCoreApplication* app = QCoreApplication::instance())
        relay_->moveToThread(app->thread());
}

UserKeychain::~UserKeychain() = default;

KeychainResult UserKeychain::read(const QString& name)
{
    return call(request(UserKeychainWorker::Operation::Read, name));
}

KeychainResult UserKeychain::save(const QString& password, const QString& name)
{
    return call(request(UserKeychainWorker::Operation::Save, name, password));
}

KeychainResult UserKeychain::remove(const QString& name)
{
    return call(request(UserKeychainWorker::Operation::Remove, name));
}

void UserKeychain::readAsync(const QString& name, const QObject* context, Completion completion)
{
    callAsync(request(UserKeychainWorker::Operation::Read, name), context, std::move(completion));
}

void UserKeychain::saveAsync(const QString& password, const QString& name, const QObject* context,
                             Completion completion)
{
    callAsync(request(UserKeychainWorker::Operation::Save, name, password), context, std::move(completion));
}

void UserKeychain::removeAsync(const QString& name, const QObject* context, Completion completion)
{
    callAsync(request(UserKeychainWorker::Operation::Remove, name), context, std::move(completion));
}

KeychainResult UserKeychain::call(UserKeychainWorker::Request request)
{
    UserKeychainWorker& worker = UserKeychainWorker::shared();
    if (worker.isWorkerThread()) {
        KeychainResult refused;
        refused.status = KeychainResult::Status::Failed;
        refused.errorText = QStringLiteral("The keychain item \"%1\" was asked for from the keychain's own thread")
                                .arg(request.name);
        return refused;
    }
    const QString name = request.name;
    auto promise = std::make_shared<std::promise<KeychainResult>>();
    std::future<KeychainResult> future = promise->get_future();
    request.deliver = [promise](const KeychainResult& result) { promise->set_value(result); };
    worker.submit(std::move(request));
    if (future.wait_for(timeLimit_) != std::future_status::ready)
        return timedOut(name);
    return future.get();
}

void UserKeychain::callAsync(UserKeychainWorker::Request request, const QObject* context, Completion completion)
{
    auto pending = std::make_shared<PendingCall>();
    pending->context = context;
    pending->hasContext = context != nullptr;
    pending->completion = std::move(completion);

    std::shared_ptr<QObject> relay = relay_;
    request.deliver = [relay, pending](const KeychainResult& result) {
        QMetaObject::invokeMethod(relay.get(), [pending, result] { pending->finish(result); }, Qt::QueuedConnection);
    };
    const KeychainResult late = timedOut(request.name);
    const auto limit = timeLimit_;
    auto startClock = [relay, pending, late, limit] {
        QTimer::singleShot(limit, relay.get(), [pending, late] { pending->finish(late); });
    };
    // The clock has to run on the relay's thread.
    if (QThread::currentThread() == relay->thread())
        startClock();
    else
        QMetaObject::invokeMethod(relay.get(), startClock, Qt::QueuedConnection);
    UserKeychainWorker::shared().submit(std::move(request));
}

UserKeychainWorker::Request UserKeychain::request(UserKeychainWorker::Operation operation, const QString& name,
                                                  const QString& password) const
{
    UserKeychainWorker::Request request;
    request.operation = operation;
    request.service = service_;
    request.name = name;
    request.password = password;
    return request;
}

KeychainResult UserKeychain::timedOut(const QString& name) const
{
    KeychainResult result;
    result.status = KeychainResult::Status::TimedOut;
    result.errorText = QStringLiteral("The keychain did not answer within %1 s about the item \"%2\" of \"%3\"")
                           .arg(double(timeLimit_.count()) / 1000.0)
                           .arg(name, service_);
    return result;
}

} // namespace brisa
