#include "engine/ostrak/ExifToolProcess.h"

#include "engine/ostrak/ExifToolCommand.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace ostrak {

namespace {

using namespace std::chrono_literals;

// Long enough for a slow start, short enough that aborts and deaths are seen promptly.
constexpr auto waitSlice = 100ms;
constexpr auto startTimeout = 10s;
constexpr auto killTimeout = 5s;

int waitMilliseconds(const QDeadlineTimer& deadline)
{
    const qint64 remaining = deadline.remainingTime();
    return int(std::clamp<qint64>(remaining, 0, waitSlice.count()));
}

// Parses the last line of the error output when it is "{readyN STATUS}"; -1 otherwise.
int errorMarkerStatus(const QByteArray& error, const QByteArray& prefix)
{
    if (!error.endsWith("}\n"))
        return -1;
    const qsizetype start = error.lastIndexOf('\n', error.size() - 2) + 1;
    if (error.mid(start, prefix.size()) != prefix)
        return -1;
    bool ok = false;
    const int status = error.mid(start + prefix.size(), error.size() - 2 - start - prefix.size()).toInt(&ok);
    return ok ? status : -1;
}

} // namespace

ExifToolProcess::ExifToolProcess(QString program)
    : ExifToolProcess(std::move(program), startArguments())
{
}

ExifToolProcess::ExifToolProcess(QString program, QStringList startArguments)
    : program_(std::move(program))
    , startArguments_(std::move(startArguments))
{
}

ExifToolProcess::~ExifToolProcess()
{
    shutdown();
}

QString ExifToolProcess::defaultProgram()
{
    return QStringLiteral("exiftool");
}

QStringList ExifToolProcess::startArguments()
{
    return {QStringLiteral("-stay_open"), QStringLiteral("True"), QStringLiteral("-@"), QStringLiteral("-"),
            QStringLiteral("-common_args"), QStringLiteral("-charset"), QStringLiteral("filename=UTF8")};
}

QString ExifToolProcess::tagReaderProgram()
{
    return QStringLiteral("perl");
}

QStringList ExifToolProcess::tagReaderArguments()
{
    static const QStringList arguments = [] {
        QFile script(QStringLiteral(":/engine/tag-reader.pl"));
        if (!script.open(QIODevice::ReadOnly))
            return QStringList();
        return QStringList{QStringLiteral("-e"), QString::fromUtf8(script.readAll())};
    }();
    return arguments;
}

void ExifToolProcess::setProgram(const QString& program)
{
    if (program == program_)
        return;
    shutdown();
    program_ = program;
}

bool ExifToolProcess::isRunning() const
{
    return process_ && process_->state() == QProcess::Running;
}

qint64 ExifToolProcess::processId() const
{
    return isRunning() ? process_->processId() : 0;
}

void ExifToolProcess::abort()
{
    aborted_ = true;
}

bool ExifToolProcess::ensureStarted(ExifToolResult& failure)
{
    if (isRunning())
        return true;
    process_ = std::make_unique<QProcess>();
    process_->setProgram(program_);
    process_->setArguments(startArguments_);
#ifdef Q_OS_LINUX
    // At end of input a -stay_open ExifTool polls forever; if this program dies without
    // closing it, the child must die too rather than linger.
    const pid_t parent = getpid();
    process_->setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
    });
#endif
    process_->start();
    if (process_->waitForStarted(int(std::chrono::milliseconds(startTimeout).count())))
        return true;
    const QString reason = process_->errorString();
    process_.reset();
    failure = ExifToolResult::failure(ExifToolResult::State::FailedToStart,
                                      ExifToolMessage(QStringLiteral("ExifToolNotStartedError"), {program_, reason}));
    return false;
}

void ExifToolProcess::kill()
{
    if (!process_)
        return;
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(int(std::chrono::milliseconds(killTimeout).count()));
    }
    process_.reset();
}

ExifToolResult ExifToolProcess::execute(const ExifToolRequest& request)
{
    using State = ExifToolResult::State;
    if (aborted_)
        return ExifToolResult::failure(State::Cancelled, ExifToolMessage(QStringLiteral("ExifToolCancelledError")));

    const ExifToolCommand command(request, nextSequence_++);
    if (!command.isValid())
        return ExifToolResult::failure(State::InvalidRequest, command.error());

    ExifToolResult result;
    if (!ensureStarted(result))
        return result;

    const QDeadlineTimer deadline(request.timeout);
    const QByteArray outputMarker = command.outputMarker();
    const QByteArray errorPrefix = command.errorMarkerPrefix();
    QByteArray output;
    QByteArray error;
    int status = -1;
    // A failed request keeps what ExifTool said before it failed.
    const auto fail = [&](State state, ExifToolMessage message) {
        result = ExifToolResult::failure(state, std::move(message));
        result.output = output;
        result.errorOutput = QString::fromUtf8(error);
        return result;
    };
    process_->write(command.bytes());

    for (;;) {
        output += process_->readAllStandardOutput();
        error += process_->readAllStandardError();
        if (status < 0)
            status = errorMarkerStatus(error, errorPrefix);
        const bool outputDone = output.endsWith(outputMarker);
        if (outputDone && status >= 0)
            break;

        if (aborted_) {
            kill();
            return fail(State::Cancelled, ExifToolMessage(QStringLiteral("ExifToolCancelledError")));
        }
        if (process_->state() != QProcess::Running) {
            // Whatever it wrote before it died was read above.
            const bool crashed = process_->exitStatus() == QProcess::CrashExit;
            const int code = process_->exitCode();
            process_.reset();
            return crashed ? fail(State::Crashed, ExifToolMessage(QStringLiteral("ExifToolCrashedError")))
                           : fail(State::Crashed, ExifToolMessage(QStringLiteral("ExifToolExitedError"), {code}));
        }
        if (deadline.hasExpired()) {
            kill();
            const auto seconds = std::chrono::ceil<std::chrono::seconds>(request.timeout).count();
            return fail(State::TimedOut, ExifToolMessage(QStringLiteral("ExifToolTimedOutError"), {qlonglong(seconds)}));
        }
        if (process_->bytesToWrite() > 0) {
            process_->waitForBytesWritten(waitMilliseconds(deadline));
        } else {
            process_->setReadChannel(outputDone ? QProcess::StandardError : QProcess::StandardOutput);
            process_->waitForReadyRead(waitMilliseconds(deadline));
        }
    }

    output.chop(outputMarker.size());
    error.truncate(error.lastIndexOf('\n', error.size() - 2) + 1);
    result.state = State::Finished;
    result.exitStatus = status;
    result.output = std::move(output);
    result.errorOutput = QString::fromUtf8(error);
    result.parseSummary();
    return result;
}

void ExifToolProcess::shutdown(std::chrono::milliseconds grace)
{
    if (!process_)
        return;
    if (process_->state() == QProcess::Running) {
        process_->write("-stay_open\nFalse\n");
        process_->closeWriteChannel();
        if (process_->waitForFinished(int(grace.count())))
            process_.reset();
    }
    kill();
}

} // namespace ostrak
