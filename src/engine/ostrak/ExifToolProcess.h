#pragma once

#include "engine/ostrak/ExifToolRequest.h"
#include "engine/ostrak/ExifToolResult.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <memory>

class QProcess;

namespace ostrak {

// One persistent `exiftool -stay_open True -@ -` process, started on the first request.
//
// Requests run one at a time and block the calling thread (no event loop needed). Every
// request is numbered; its output ends with "{readyN}" and its error output with a line that
// also carries ExifTool's status, so each answer is delimited on both channels. A request
// that passes its time limit, or whose process dies, fails alone: the process is killed and
// reaped, and the next request starts a fresh one.
//
// The object and its process belong to the thread that calls execute(); only abort() may be
// called from another thread.
class ExifToolProcess {
public:
    explicit ExifToolProcess(QString program = defaultProgram());
    // Any program that speaks the same protocol, started with `startArguments`.
    ExifToolProcess(QString program, QStringList startArguments);
    ~ExifToolProcess();
    ExifToolProcess(const ExifToolProcess&) = delete;
    ExifToolProcess& operator=(const ExifToolProcess&) = delete;

    static QString defaultProgram();
    // The arguments the process is started with.
    static QStringList startArguments();
    // The tag reader: a Perl program of ours over ExifTool's library that serves the read of
    // every tag (ExifToolRequest::readsEveryTag) with ExifTool's exact output and errors, without
    // the command-line program's general machinery. Empty arguments when it cannot be found.
    static QString tagReaderProgram();
    static QStringList tagReaderArguments();

    QString program() const { return program_; }
    // Takes effect at the next request; a running process of another program is stopped.
    void setProgram(const QString& program);

    bool isRunning() const;
    // The operating system's id of the running process, 0 when none runs.
    qint64 processId() const;

    ExifToolResult execute(const ExifToolRequest& request);

    // Makes the running request and every later one fail as cancelled (any thread).
    void abort();

    // Asks ExifTool to quit after its current command, waits up to `grace`, then kills it.
    void shutdown(std::chrono::milliseconds grace = std::chrono::seconds(5));

private:
    bool ensureStarted(ExifToolResult& failure);
    void kill();

    QString program_;
    QStringList startArguments_;
    std::unique_ptr<QProcess> process_;
    quint64 nextSequence_ = 1;
    std::atomic<bool> aborted_ {false};
};

} // namespace ostrak
