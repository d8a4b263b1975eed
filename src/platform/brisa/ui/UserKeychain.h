#pragma once

#include "platform/brisa/ui/KeychainResult.h"
#include "platform/brisa/ui/UserKeychainWorker.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

namespace brisa {

// Passwords kept in the user's keychain (the freedesktop secret service, through QtKeychain),
// one item per name under the keychain's service.
//
// Every call runs on one worker thread, one at a time in the order of the calls, so writes
// keep their order. The synchronous calls block the calling thread, at most for the time
// limit; the asynchronous ones call their completion on the main thread. A keychain that is
// missing, locked or refusing gives a result with an error text; one that does not answer in
// time gives TimedOut, while the call itself still runs in its turn.
class UserKeychain {
public:
    using Completion = std::function<void(const KeychainResult& result)>;

    static const QString standardService; // "Corvelle"
    static constexpr std::chrono::milliseconds defaultTimeLimit {10000};

    static UserKeychain& standard();

    explicit UserKeychain(const QString& service, std::chrono::milliseconds timeLimit = defaultTimeLimit);
    ~UserKeychain();
    UserKeychain(const UserKeychain&) = delete;
    UserKeychain& operator=(const UserKeychain&) = delete;

    QString service() const { return service_; }

    // The password, or none when there is no such item (or on error, see the result).
    KeychainResult read(const QString& name);
    // Creates the item or replaces its password.
    KeychainResult save(const QString& password, const QString& name);
    KeychainResult remove(const QString& name);

    // The completion runs on the main thread, unless `context` is destroyed first.
    void readAsync(const QString& name, const QObject* context, Completion completion);
    void saveAsync(const QString& password, const QString& name, const QObject* context, Completion completion);
    void removeAsync(const QString& name, const QObject* context, Completion completion);

private:
    KeychainResult call(UserKeychainWorker::Request request);
    void callAsync(UserKeychainWorker::Request request, const QObject* context, Completion completion);
    UserKeychainWorker::Request request(UserKeychainWorker::Operation operation, const QString& name,
                                        const QString& password = {}) const;
    KeychainResult timedOut(const QString& name) const;

    QString service_;
    std::chrono::milliseconds timeLimit_;
    // Lives on the main thread, where asynchronous results and time limits are handled; it
    // outlives us as long as a call still needs it.
    std::shared_ptr<QObject> relay_;
};

} // namespace brisa
