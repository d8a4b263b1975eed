#pragma once

#include <QString>

#include <optional>

namespace brisa {

// The outcome of one keychain call.
class KeychainResult {
public:
    enum class Status {
        Success,  // done; a read carries the password
        NotFound, // a read found no item of that name: not an error
        TimedOut, // the keychain did not answer within the time limit
        Failed,   // the keychain refused or could not be reached; see errorText
    };

    Status status = Status::Success;
    // The password read; none for every other call and outcome.
    std::optional<QString> password;
    // What went wrong, naming the item and the reason; empty unless TimedOut or Failed.
    QString errorText;

    bool succeeded() const { return status == Status::Success; }
    bool isError() const { return status == Status::TimedOut || status == Status::Failed; }
};

} // namespace brisa
