#pragma once

#include <QJsonObject>
#include <QVariantMap>

#include <functional>
#include <optional>

namespace halvex {

// Applies a remote profile's edits to the files PhotosAppAuthorizer names (the editor window's
// selection) as one PhotosRemoteEditionTask on the shared task manager: the files are edited in
// memory, and saving writes them.
class PhotosAppRemote {
public:
    // The outcome, on the main thread:
    // - {"errorKey": <localisation key>} when there was nothing to apply to;
    // - otherwise {"fileCount": <files the task went over>, "failures": [{"path": <file>,
    //   "reasonKey": <localisation key>, "arguments": [...]}, ...], "cancelled": <bool>}, the
    //   failures empty when every file took the edits.
    using Completion = std::function<void(const std::optional<QVariantMap>& result)>;

    // `version` 1; `editions` from PhotosRemoteProfile::editionsDescription().
    PhotosAppRemote(int version, const QJsonObject& editions);

    int version() const { return version_; }
    const QJsonObject& editions() const { return editions_; }

    // Returns at once; `completion` runs later on the main thread. Main thread only.
    void performInBackground(Completion completion) const;

private:
    int version_;
    QJsonObject editions_;
};

} // namespace halvex
