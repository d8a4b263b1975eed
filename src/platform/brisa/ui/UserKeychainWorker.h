#pragma once

#include "platform/brisa/ui/KeychainResult.h"

#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

namespace QKeychain {
class Job;
}

namespace brisa {

// The one thread on which every keychain call of the process runs, one call at a time in the
// order the calls were made, so the last password saved is the one the keychain keeps. The
// secret-service library behind QtKeychain keeps process-wide state, which is a second reason
// for a single thread.
class UserKeychainWorker : public QObject {
    Q_OBJECT
public:
    enum class Operation { Read, Save, Remove };

    struct Request {
        Operation operation = Operation::Read;
        QString service;
        QString name;
        QString password;
        // Runs on the worker's thread with the result, once.
        std::function<void(const KeychainResult&)> deliver;
    };

    static UserKeychainWorker& shared();

    // From any thread.
    void submit(Request request);
    bool isWorkerThread() const;

private:
    UserKeychainWorker() = default;
    friend struct UserKeychainWorkerHolder;

    void startNext();
    void finish(QKeychain::Job* job);

    std::deque<Request> pending_;
    std::optional<Request> running_;
};

} // namespace brisa
