// Sidecar and CSV export of N photo copies (default 1000) by the engine's tasks against one
// ExifTool process doing the same over the same files: "exiftool -o %d%f.xmp" and "exiftool -csv".
// The files are opened first (not timed): the window exports from open files.
// Usage: bench_import_export [N]
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/ExportCSVTableTask.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/SyncSidecarFilesTask.h"
#include "engine/halvex/tasks/TaskManager.h"
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

double runTask(const std::shared_ptr<AbstractTask>& task, int* messages = nullptr)
{
    TaskManager manager;
    QElapsedTimer timer;
    timer.start();
    manager.add(task);
    while (!task->isDone())
        QThread::usleep(200);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (messages)
        *messages = int(task->messages().size());
    QCoreApplication::processEvents();
    return seconds;
}

// One ExifTool process over every file; its output, when `output` is given, is kept.
double runExifTool(const QStringList& options, const QStringList& files, QByteArray* output = nullptr)
{
    QTemporaryFile argfile;
    if (!argfile.open())
        return -1;
    argfile.write(files.join(QLatin1Char('\n')).toUtf8() + '\n');
    argfile.flush();
    QProcess exiftool;
    QElapsedTimer timer;
    timer.start();
    exiftool.start(QStringLiteral("exiftool"), options + QStringList{QStringLiteral("-@"), argfile.fileName()});
    QByteArray bytes;
    while (!exiftool.waitForFinished(10))
        bytes += exiftool.readAllStandardOutput();
    bytes += exiftool.readAllStandardOutput();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (exiftool.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = bytes;
    return seconds;
}

void removeSidecars(QDir dir)
{
    for (const QString& name : dir.entryList({QStringLiteral("*.xmp")}, QDir::Files))
        dir.remove(name);
}

void report(const char* name, double engine, double exifTool, int messages)
{
    const double ratio = exifTool / engine;
    std::printf("BENCH %s: engine %.2f s, one exiftool %.2f s, %.2fx, %d message(s) (goal: no slower than one exiftool run on 2 cores) %s\n",
                name, engine, exifTool, ratio, messages, ratio >= 1.0 && messages == 0 ? "met" : "missed");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int count = app.arguments().size() > 1 ? app.arguments().at(1).toInt() : 1000;
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString path = QDir(dir.path()).filePath(QStringLiteral("%1-photo.jpg").arg(i, 5, 10, QLatin1Char('0')));
        if (!QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/photo.jpg"), path)) {
            std::printf("BENCH sidecar-export: could not copy the fixtures missed\n");
            return 1;
        }
        files << path;
    }

    ostrak::ExifToolPool pool;
    QList<TagStorageSource> sources;
    for (const QString& file : files)
        sources << TagStorageSource(QUrl::fromLocalFile(file));
    ImportTagEditorsTask::Settings openSettings(sources);
    openSettings.pool = &pool;
    auto opening = std::make_shared<ImportTagEditorsTask>(openSettings);
    runTask(opening);
    const QList<std::shared_ptr<TagEditor>> editors = opening->editors();
    if (editors.size() != count) {
        std::printf("BENCH sidecar-export: only %lld of %d files opened missed\n", qlonglong(editors.size()), count);
        return 1;
    }

    double engineSidecars = 0, exifToolSidecars = 0, engineTable = 0, exifToolTable = 0;
    int sidecarMessages = 0, tableMessages = 0;
    QList<ostrak::TagItem> columns;
    for (const ostrak::TagName& name : editors.front()->tagNames()) {
        if (const auto item = name.item())
            columns << *item;
    }
    for (int round = 0; round < rounds; ++round) {
        removeSidecars(QDir(dir.path()));
        SyncSidecarFilesTask::Settings sidecars;
        sidecars.editors = editors;
        sidecars.exports = true;
        sidecars.extension = QStringLiteral("xmp");
        sidecars.pool = &pool;
        int messages = 0;
        const double engine = runTask(std::make_shared<SyncSidecarFilesTask>(sidecars), &messages);
        sidecarMessages = std::max(sidecarMessages, messages);
        removeSidecars(QDir(dir.path()));
        const double single = runExifTool({QStringLiteral("-o"), QStringLiteral("%d%f.xmp")}, files);

        ExportCSVTableTask::Settings table(editors);
        table.tagItems = columns;
        table.destination = QUrl::fromLocalFile(QDir(dir.path()).filePath(QStringLiteral("table.csv")));
        QFile::remove(table.destination->toLocalFile());
        const double engineCsv = runTask(std::make_shared<ExportCSVTableTask>(table), &messages);
        tableMessages = std::max(tableMessages, messages);
        QByteArray csv;
        const double singleCsv = runExifTool({QStringLiteral("-csv"), QStringLiteral("-G1"), QStringLiteral("-a")}, files, &csv);
        if (single < 0 || singleCsv < 0 || csv.isEmpty()) {
            std::printf("BENCH sidecar-export: ExifTool could not be run missed\n");
            return 1;
        }
        engineSidecars = round == 0 ? engine : std::min(engineSidecars, engine);
        exifToolSidecars = round == 0 ? single : std::min(exifToolSidecars, single);
        engineTable = round == 0 ? engineCsv : std::min(engineTable, engineCsv);
        exifToolTable = round == 0 ? singleCsv : std::min(exifToolTable, singleCsv);
    }
    std::printf("%d files, %d cores, %d ExifTool processes, %lld CSV columns\n", count, QThread::idealThreadCount(),
                pool.maximumProcessCount(), qlonglong(columns.size()));
    report("sidecar-export", engineSidecars, exifToolSidecars, sidecarMessages);
    report("csv-export", engineTable, exifToolTable, tableMessages);
    return 0;
}
