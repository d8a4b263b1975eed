#include "engine/halvex/tasks/FolderImportGeotagTask.h"

#include "engine/halvex/places/GeotagOffset.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/BackupStore.h"
#include "engine/halvex/tasks/FolderListing.h"
#include "engine/ostrak/ETSettings.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QFile>
#include <QFileInfo>

namespace halvex {

namespace {

ostrak::ExifToolPool& poolOf(ostrak::ExifToolPool* pool)
{
    return pool ? *pool : ostrak::ExifToolPool::shared();
}

// ExifTool's reason, first line, without its "Error: " or "Warning: " opening.
QString reasonOf(const ostrak::ExifToolResult& result)
{
    if (!result.isFinished())
        return result.error.text();
    for (QString line : result.errorOutput.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        line = line.trimmed();
        if (line.startsWith(QLatin1String("Error:")))
            return line.mid(6).trimmed();
    }
    QString first = result.errorOutput.trimmed().section(QLatin1Char('\n'), 0, 0);
    if (first.startsWith(QLatin1String("Warning:")))
        first = first.mid(8).trimmed();
    return first;
}

} // namespace

FolderImportGeotagTask::FolderImportGeotagTask(Settings settings)
    : settings_(std::move(settings))
{
    setTitle({QStringLiteral("FolderImportGeotagTaskTitle"), {}});
}

QSet<QString> FolderImportGeotagTask::supportedGeotagTypes()
{
    return {QStringLiteral("gpx"), QStringLiteral("kml"), QStringLiteral("nmea"), QStringLiteral("log"),
            QStringLiteral("txt"), QStringLiteral("igc"), QStringLiteral("tcx"), QStringLiteral("csv"),
            QStringLiteral("xml")};
}

QStringList FolderImportGeotagTask::movieExtensions()
{
    return {QStringLiteral("mov"), QStringLiteral("mp4"), QStringLiteral("m4v"), QStringLiteral("3gp")};
}

void FolderImportGeotagTask::run()
{
    const QString track = settings_.trackLogPath;
    QFile trackFile(track);
    if (!trackFile.open(QIODevice::ReadOnly)) {
        addMessage(TaskMessage::error(track, QStringLiteral("GeotagTrackUnreadableError"), {trackFile.errorString()}));
        return;
    }
    trackFile.close();
    const int offset = GeotagOffset::seconds(settings_.timeOffsetText).value_or(0);

    // Every file the command may write, backed up first.
    QStringList targets;
    for (const std::shared_ptr<TagEditor>& editor : settings_.editors) {
        if (!editor)
            continue;
        const QString path = editor->source().url().toLocalFile();
        if (editor->isFolder())
            targets += FolderListing::list(path, settings_.recurseSubfolders).files();
        else
            targets << path;
    }
    const QStringList movies = movieExtensions();
    QStringList stills;
    QStringList films;
    for (const QString& path : std::as_const(targets)) {
        (movies.contains(QFileInfo(path).suffix().toLower()) ? films : stills) << path;
    }
    setTotalCount(int(targets.size()));
    const QString backupFolder = ostrak::ETSettings::shared().backupFolder();
    QStringList writable;
    for (const QString& path : std::as_const(targets)) {
        const BackupStore::Outcome backup = BackupStore::shared().backUp(path, backupFolder);
        if (!backup.succeeded()) {
            addMessage(TaskMessage::error(path, QStringLiteral("GeotagBackupError"), {backup.error}));
            if (!settings_.errorsIgnored)
                return;
            continue;
        }
        writable << path;
    }

    ostrak::ExifToolPool& pool = poolOf(settings_.pool);
    const auto geotag = [&](const QStringList& files, const QStringList& timing) -> bool {
        QStringList chosen;
        for (const QString& file : files) {
            if (writable.contains(file))
                chosen << file;
        }
        if (chosen.isEmpty() || isCancelled())
            return true;
        ostrak::ExifToolRequest request;
        request.arguments = QStringList{QStringLiteral("-overwrite_original"), QStringLiteral("-geotag"), track} + timing;
        request.files = chosen;
        request.timeout = std::chrono::minutes(10);
        const ostrak::ExifToolResult result = pool.execute(request);
        advanceProgress(int(chosen.size()));
        // A track without a single timed point reads as a warning: nothing can be matched.
        const bool noPoints = result.errorOutput.contains(QLatin1String("No track points"));
        if (result.isFinished() && result.failed == 0 && !noPoints && (result.updated > 0 || result.unchanged > 0))
            return true;
        // ExifTool names no file when the track itself is wrong ("No track points found").
        addMessage(TaskMessage::error(chosen.size() == 1 ? chosen.first() : track, QStringLiteral("GeotagImportError"),
                                      {reasonOf(result)}));
        return settings_.errorsIgnored;
    };
    if (!geotag(stills, {QStringLiteral("-geotime<${DateTimeOriginal}") + GeotagOffset::zone(offset)}))
        return;
    if (!geotag(films, {QStringLiteral("-api"), QStringLiteral("QuickTimeUTC"), QStringLiteral("-geotime<CreateDate")}))
        return;
    // Movies are read by their QuickTime position too.
    QStringList placed;
    for (const QString& film : std::as_const(films)) {
        if (writable.contains(film))
            placed << film;
    }
    if (!placed.isEmpty() && !isCancelled()) {
        ostrak::ExifToolRequest request;
        request.arguments = {QStringLiteral("-overwrite_original"), QStringLiteral("-if"), QStringLiteral("$XMP:GPSLatitude"),
                             QStringLiteral("-Keys:GPSCoordinates<GPSPosition")};
        request.files = placed;
        const ostrak::ExifToolResult result = pool.execute(request);
        if (!result.isFinished() || result.failed > 0)
            addMessage(TaskMessage::error(placed.first(), QStringLiteral("GeotagImportError"), {reasonOf(result)}));
    }
}

} // namespace halvex
