// What the opening and saving benchmarks share: fixture copies, memory readings, a started pool,
// and a second run of the same program on two cores.
#pragma once

#include "engine/ostrak/ExifToolPool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFuture>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <QThread>
#include <QElapsedTimer>

#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

#include <sys/resource.h>

namespace bench {

// N mixed copies of the movie, audio and photo fixtures, named by number; copies already there
// are kept.
inline QStringList makeCopies(const QDir& dir, int count, const QString& prefix = QString())
{
    const QStringList fixtures{QStringLiteral("movie.mp4"), QStringLiteral("movie.mov"), QStringLiteral("audio.m4a"),
                               QStringLiteral("photo.jpg")};
    QStringList files;
    files.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QString fixture = fixtures[i % fixtures.size()];
        const QString path = dir.filePath(prefix + QStringLiteral("%1-%2").arg(i, 5, 10, QLatin1Char('0')).arg(fixture));
        if (!QFile::exists(path) && !QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/") + fixture, path))
            return {};
        files.append(path);
    }
    return files;
}

// A field of /proc/self/status in KiB ("VmRSS:", "VmHWM:").
inline qint64 statusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// CPU seconds (user and system) of this process, or of its children that have ended.
inline double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Starts the pool's processes as the application does after launching, and waits until each
// has answered once.
inline void prestartAndWait(ostrak::ExifToolPool& pool)
{
    pool.prestart();
    QList<QFuture<ostrak::ExifToolResult>> answers;
    for (int index = 0; index < pool.maximumProcessCount(); ++index)
        answers.append(pool.submit({{QStringLiteral("-ver")}, {}}));
    for (auto& answer : answers)
        answer.waitForFinished();
}

// Seconds one ExifTool process takes over every file with `arguments`, as it is run by hand; -1
// when it fails or, with `needsOutput`, prints nothing.
inline double runExifTool(const QStringList& arguments, const QStringList& files, bool needsOutput)
{
    QTemporaryFile argfile;
    if (!argfile.open())
        return -1;
    argfile.write(files.join(QLatin1Char('\n')).toUtf8() + '\n');
    argfile.flush();
    QProcess exiftool;
    QElapsedTimer timer;
    timer.start();
    exiftool.start(QStringLiteral("exiftool"), arguments + QStringList{QStringLiteral("-@"), argfile.fileName()});
    // Keep the pipe drained: the output of 2,000 files is megabytes.
    QByteArray output;
    while (!exiftool.waitForFinished(10)) {
        if (exiftool.state() == QProcess::NotRunning)
            return -1;
        output += exiftool.readAllStandardOutput();
    }
    output += exiftool.readAllStandardOutput();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (exiftool.exitStatus() != QProcess::NormalExit || exiftool.exitCode() != 0 || (needsOutput && output.isEmpty()))
        return -1;
    return seconds;
}

// CPU seconds (user and system) of this process, all threads.
inline double ownCpuSeconds()
{
    struct rusage usage = {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds of the children that ended and were waited for (a reference ExifTool run).
inline double endedChildrenCpuSeconds()
{
    struct rusage usage = {};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds so far of the running children of this process (the pool's ExifTool processes),
// from /proc.
inline double runningChildrenCpuSeconds()
{
    const qint64 self = ::getpid();
    const double ticks = double(::sysconf(_SC_CLK_TCK));
    double seconds = 0;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        // Fields after the command name, which is in parentheses and may hold spaces.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        // state ppid ... utime is field 14 of the line, 12th after the name.
        if (fields.size() > 12 && fields[1].toLongLong() == self)
            seconds += (fields[11].toLongLong() + fields[12].toLongLong()) / ticks;
    }
    return seconds;
}

// The goal for the cores at hand: `many` on 8 cores or more, `two` on 2 or fewer, interpolated
// between.
inline double goalForCores(int cores, double two, double many)
{
    if (cores >= 8)
        return many;
    if (cores <= 2)
        return two;
    return two + (cores - 2) * (many - two) / 6;
}

// Runs this program again with the same arguments on the first two cores only, so that the
// figures of a small machine print beside those of this one. Nothing when this run already has
// two cores or fewer, when taskset is missing, or when `--cores-as-given` is among the arguments.
inline int runOnTwoCores()
{
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (QThread::idealThreadCount() <= 2 || arguments.contains(QStringLiteral("--cores-as-given")))
        return 0;
    const QString taskset = QStandardPaths::findExecutable(QStringLiteral("taskset"));
    if (taskset.isEmpty()) {
        std::printf("(taskset is missing: no figures on 2 cores)\n");
        return 0;
    }
    std::printf("-- the same on 2 cores (taskset -c 0,1)\n");
    std::fflush(stdout);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(taskset, QStringList{QStringLiteral("-c"), QStringLiteral("0,1"), QCoreApplication::applicationFilePath()}
                             + arguments + QStringList{QStringLiteral("--cores-as-given")});
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit)
        return 1;
    return child.exitCode();
}

// The numbers among the arguments; options are left out.
inline QList<int> countArguments()
{
    QList<int> counts;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        bool ok = false;
        const int count = argument.toInt(&ok);
        if (ok && count > 0)
            counts.append(count);
    }
    return counts;
}

} // namespace bench
