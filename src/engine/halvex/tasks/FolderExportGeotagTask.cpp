#include "engine/halvex/tasks/FolderExportGeotagTask.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QSaveFile>
#include <QTemporaryFile>

namespace halvex {

FolderExportGeotagTask::FolderExportGeotagTask(Settings settings)
    : settings_(std::move(settings))
{
    setTitle({QStringLiteral("FolderExportGeotagTaskTitle"), {}});
}

QString FolderExportGeotagTask::gpxFormat()
{
    return QStringLiteral(
        "#[HEAD]<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "#[HEAD]<gpx version=\"1.1\" creator=\"Corvelle\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
        "#[HEAD]<trk><trkseg>\n"
        "#[IF]  $gpslatitude $gpslongitude\n"
        "#[BODY]<trkpt lat=\"$gpslatitude#\" lon=\"$gpslongitude#\">\n"
        "#[BODY]  <ele>$gpsaltitude#</ele>\n"
        "#[BODY]  <time>${gpsdatetime#;s/^(\\d+):(\\d+):(\\d+) (\\d+:\\d+:\\d+(?:\\.\\d+)?).*/$1-$2-$3T$4Z/}</time>\n"
        "#[BODY]  <name>$filename</name>\n"
        "#[BODY]</trkpt>\n"
        "#[TAIL]</trkseg></trk>\n"
        "#[TAIL]</gpx>\n");
}

QString FolderExportGeotagTask::kmlFormat()
{
    return QStringLiteral(
        "#[HEAD]<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "#[HEAD]<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document>\n"
        "#[IF]  $gpslatitude $gpslongitude\n"
        "#[BODY]<Placemark><name>$filename</name>\n"
        "#[BODY]  <TimeStamp><when>${gpsdatetime#;s/^(\\d+):(\\d+):(\\d+) (\\d+:\\d+:\\d+(?:\\.\\d+)?).*/$1-$2-$3T$4Z/}</when></TimeStamp>\n"
        "#[BODY]  <Point><coordinates>$gpslongitude#,$gpslatitude#,0</coordinates></Point></Placemark>\n"
        "#[TAIL]</Document></kml>\n");
}

void FolderExportGeotagTask::run()
{
    QStringList paths;
    for (const std::shared_ptr<TagEditor>& editor : settings_.editors) {
        if (editor)
            paths << editor->source().url().toLocalFile();
    }
    const QString destination = settings_.destinationPath;
    if (paths.isEmpty())
        return;
    QTemporaryFile format;
    if (!format.open() || format.write((settings_.kml ? kmlFormat() : gpxFormat()).toUtf8()) < 0 || !format.flush()) {
        addMessage(TaskMessage::error(destination, QStringLiteral("GeotagExportError"), {format.errorString()}));
        return;
    }
    ostrak::ExifToolRequest request;
    request.arguments = {QStringLiteral("-p"), format.fileName(), QStringLiteral("-E"), QStringLiteral("-fileOrder"),
                         QStringLiteral("gpsdatetime")};
    if (!settings_.kml)
        request.arguments << QStringLiteral("-ee3");
    if (settings_.recurseSubfolders)
        request.arguments << QStringLiteral("-r");
    request.files = paths;
    request.timeout = std::chrono::minutes(10);
    ostrak::ExifToolPool& pool = settings_.pool ? *settings_.pool : ostrak::ExifToolPool::shared();
    const ostrak::ExifToolResult result = pool.execute(request);
    if (!result.isFinished()) {
        addMessage(TaskMessage::error(destination, QStringLiteral("GeotagExportError"), {result.error.text()}));
        return;
    }
    // Only the head and tail: no file had a position.
    if (!result.output.contains(settings_.kml ? "<Placemark>" : "<trkpt")) {
        addMessage(TaskMessage::warning(paths.first(), QStringLiteral("GeotagExportNothingWarning")));
        return;
    }
    QSaveFile file(destination);
    if (!file.open(QIODevice::WriteOnly) || file.write(result.output) != result.output.size() || !file.commit())
        addMessage(TaskMessage::error(destination, QStringLiteral("GeotagExportError"), {file.errorString()}));
}

} // namespace halvex
