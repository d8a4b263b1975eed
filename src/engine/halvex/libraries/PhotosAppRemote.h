#pragma once

#include <QJsonObject>
#include <QVariantMap>

#include <functional>
#include <optional>

namespace halvex {

// Applies a remote profile's edits to photos through the Photos application. There is no
// Photos library on this system (PhotosAppAuthorizer refuses first), so nothing is applied: the
// completion reports the refusal.
class PhotosAppRemote {
public:
    // The result: none when the edits were applied, else {"errorKey": <localisation key>}.
    using Completion = std::function<void(const std::optional<QVariantMap>& result)>;

    // `version` 1; `editions` from PhotosRemoteProfile::editionsDescription().
    PhotosAppRemote(int version, const QJsonObject& editions);

    int version() const { return version_; }
    const QJsonObject& editions() const { return editions_; }

    // Returns at once; `completion` runs later on the main thread.
    void performInBackground(Completion completion) const;

private:
    int version_;
    QJsonObject editions_;
};

} // namespace halvex
