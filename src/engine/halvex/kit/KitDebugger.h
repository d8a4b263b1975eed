#pragma once

#include <QFile>
#include <QMutex>
#include <QString>

#include <atomic>
#include <optional>

namespace halvex {

// The engine's debugging log. While on, log() appends one timestamped line per line of text,
// to the log file when one was given and could be opened, else to the standard error output.
// Safe to use from any thread.
class KitDebugger {
public:
    static KitDebugger& shared();

    KitDebugger();
    ~KitDebugger();
    KitDebugger(const KitDebugger&) = delete;
    KitDebugger& operator=(const KitDebugger&) = delete;

    // Switches debugging on (again), appending to `logFilePath` when given. Returns false when
    // that file cannot be opened: debugging is on all the same and errorString() tells why.
    bool start(const std::optional<QString>& logFilePath = std::nullopt);
    void stop();

    bool isEnabled() const { return enabled_; }
    // The open log file, empty when lines go to the standard error output.
    QString logFilePath() const;
    // Why the last start() could not open its log file; empty when it could.
    QString errorString() const;

    void log(const QString& text);

private:
    mutable QMutex mutex_;
    std::atomic<bool> enabled_ = false;
    QFile file_;
    QString errorString_;
};

} // namespace halvex
