// Reading throughput of the ExifTool pool: M copies of a small JPEG read with 1..N processes.
// Usage: bench_exiftool_pool [copies] [largest process count]
#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace ostrak;

namespace {

// What eight processes reached on an 8-core machine with plain reads of small files.
constexpr double goalFilesPerSecond = 800;

QStringList makeCopies(const QDir& dir, int copies)
{
    const QString source = dir.filePath(QStringLiteral("source.jpg"));
    QProcess convert;
    convert.start(QStringLiteral("convert"), {QStringLiteral("-size"), QStringLiteral("64x48"),
                                              QStringLiteral("xc:red"), source});
    if (!convert.waitForFinished(30000) || convert.exitCode() != 0)
        return {};
    ExifToolPool pool(1);
    ExifToolRequest tag;
    tag.arguments = {QStringLiteral("-overwrite_original"), QStringLiteral("-XMP-dc:Title=Bench"),
                     QStringLiteral("-EXIF:Artist=Bench"), QStringLiteral("-IPTC:Keywords=one"),
                     QStringLiteral("-IPTC:Keywords=two")};
    tag.files = {source};
    if (!pool.execute(tag).succeeded())
        return {};
    QStringList files;
    for (int i = 0; i < copies; ++i) {
        const QString path = dir.filePath(QStringLiteral("copy-%1.jpg").arg(i));
        if (!QFile::copy(source, path))
            return {};
        files.append(path);
    }
    return files;
}

// Files per second reading every file, the best of a few rounds (the machine may be busy with
// other work), after a warm-up that starts the processes.
double measure(const QStringList& files, int processes)
{
    constexpr int rounds = 3;
    ExifToolPool pool(processes);
    const ETTagStorageReader reader(pool);
    reader.read(files.mid(0, processes * 8));
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const QList<TagRecordSet> sets = reader.read(files);
        best = std::max(best, files.size() / (timer.nsecsElapsed() / 1e9));
        for (const TagRecordSet& set : sets) {
            if (!set.isRead())
                std::fprintf(stderr, "not read: %s\n", qPrintable(set.error.text()));
        }
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int copies = args.size() > 1 ? args.at(1).toInt() : 1000;
    const int largest = args.size() > 2 ? args.at(2).toInt() : 8;

    QTemporaryDir dir;
    const QStringList files = makeCopies(QDir(dir.path()), copies);
    if (files.isEmpty()) {
        std::printf("BENCH exiftool-pool-throughput: could not make test files (goal: >= %.0f files/s) missed\n",
                    goalFilesPerSecond);
        return 1;
    }

    const int standard = ExifToolPool::defaultProcessCount();
    double standardRate = 0;
    for (int processes = 1; processes <= std::max(largest, standard); ++processes) {
        const double rate = measure(files, processes);
        std::printf("%2d processes: %7.0f files/s\n", processes, rate);
        std::fflush(stdout);
        if (processes == standard)
            standardRate = rate;
    }
    std::printf("BENCH exiftool-pool-throughput: %.0f files/s with %d processes, %d files "
                "(goal: >= %.0f files/s) %s\n",
                standardRate, standard, copies, goalFilesPerSecond,
                standardRate >= goalFilesPerSecond ? "met" : "missed");
    return 0;
}
