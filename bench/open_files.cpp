// Opening files through the import task against one ExifTool process reading the same files.
// N mixed copies of the movie, audio and photo fixtures, for each N given (default 200 and 2000).
// Usage: bench_open_files [N ...]
#include "engine/halvex/ImportTagEditorsTask.h"
#include "engine/halvex/TaskManager.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThread>

#include <algorithm>
#include <cstdio>

using namespace halvex;

namespace {

constexpr int rounds = 3;

// The goal scales with the cores: 4 times on 8 cores or more, no slower on 2 or fewer.
double goalRatio(int cores)
{
    if (cores >= 8)
        return 4.0;
    if (cores <= 2)
        return 1.0;
    return 1.0 + (cores - 2) * 0.5;
}

QStringList makeCopies(const QDir& dir, int count)
{
    const QStringList fixtures{QStringLiteral("movie.mp4"), QStringLiteral("movie.mov"), QStringLiteral("audio.m4a"),
                               QStringLiteral("photo.jpg")};
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString fixture = fixtures[i % fixtures.size()];
        const QString path = dir.filePath(QStringLiteral("%1-%2").arg(i, 5, 10, QLatin1Char('0')).arg(fixture));
        if (!QFile::exists(path) && !QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/") + fixture, path))
            return {};
        files.append(path);
    }
    return files;
}

qint64 statusKiB(const char* field)
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

// Forgets the peak so far, so that the next peak is this run's.
void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

struct EngineRun {
    double seconds = 0;
    int opened = 0;
    int messages = 0;
    qint64 peakKiB = 0;
};

// A fresh pool each time: its processes' start is part of opening.
EngineRun openWithEngine(const QStringList& files)
{
    QList<TagStorageSource> sources;
    for (const QString& file : files)
        sources.append(TagStorageSource(QUrl::fromLocalFile(file)));

    ostrak::ExifToolPool pool;
    ImportTagEditorsTask::Settings settings(sources);
    settings.pool = &pool;
    TaskManager manager;
    resetPeakMemory();
    const qint64 before = statusKiB("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    auto task = std::make_shared<ImportTagEditorsTask>(settings);
    manager.add(task);
    while (!task->isDone())
        QThread::usleep(200);
    EngineRun run;
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.opened = int(task->editors().size());
    run.messages = int(task->messages().size());
    run.peakKiB = std::max<qint64>(0, statusKiB("VmHWM:") - before);
    QCoreApplication::processEvents();
    return run;
}

// One process over every file, as ExifTool is run by hand.
double readWithExifTool(const QStringList& files)
{
    QTemporaryFile argfile;
    if (!argfile.open())
        return -1;
    argfile.write(files.join(QLatin1Char('\n')).toUtf8() + '\n');
    argfile.flush();
    QProcess exiftool;
    QElapsedTimer timer;
    timer.start();
    exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-j"), QStringLiteral("-G1:4"), QStringLiteral("-a"),
                                                QStringLiteral("-@"), argfile.fileName()});
    // Keep the pipe drained: the output of 2,000 files is megabytes.
    QByteArray output;
    while (!exiftool.waitForFinished(10))
        output += exiftool.readAllStandardOutput();
    output += exiftool.readAllStandardOutput();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (exiftool.exitStatus() != QProcess::NormalExit || output.isEmpty())
        return -1;
    return seconds;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> counts;
    for (const QString& argument : app.arguments().mid(1))
        counts.append(argument.toInt());
    if (counts.isEmpty())
        counts = {200, 2000};

    const int cores = QThread::idealThreadCount();
    const double goal = goalRatio(cores);
    QTemporaryDir dir;
    bool allMet = true;
    for (int count : counts) {
        const QStringList files = makeCopies(QDir(dir.path()), count);
        if (files.isEmpty()) {
            std::printf("BENCH open-vs-exiftool: could not copy the fixtures (goal: >= 4x on 8 cores, >= 1x on 2 cores) missed\n");
            return 1;
        }
        EngineRun best;
        double exifTool = 0;
        for (int round = 0; round < rounds; ++round) {
            const EngineRun run = openWithEngine(files);
            if (round == 0 || run.seconds < best.seconds)
                best = run;
            const double single = readWithExifTool(files);
            if (single < 0) {
                std::printf("BENCH open-vs-exiftool: ExifTool could not be run (goal: >= 4x on 8 cores, >= 1x on 2 cores) missed\n");
                return 1;
            }
            exifTool = round == 0 ? single : std::min(exifTool, single);
        }
        const double ratio = exifTool / best.seconds;
        const bool met = ratio >= goal && best.opened == count;
        allMet = allMet && met;
        std::printf("BENCH open-files-%d: %.0f ms through the import task, %d opened, %d messages, %d ExifTool processes\n",
                    count, best.seconds * 1000, best.opened, best.messages, ostrak::ExifToolPool::defaultProcessCount());
        std::printf("BENCH exiftool-single-%d: %.0f ms for exiftool -j -G1:4 -a in one process\n", count, exifTool * 1000);
        std::printf("BENCH open-vs-exiftool: %.2fx (goal: >= 4x on 8 cores, >= 1x on 2 cores) %s [N=%d, %d cores, goal here %.1fx]\n",
                    ratio, met ? "met" : "missed", count, cores, goal);
        std::printf("BENCH open-memory-per-file: %.1f KiB peak per opened file [N=%d]\n",
                    best.opened > 0 ? double(best.peakKiB) / best.opened : 0.0, count);
        std::fflush(stdout);
    }
    return allMet ? 0 : 1;
}
