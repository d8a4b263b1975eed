#pragma once

#include "engine/halvex/tasks/AbstractTask.h"

#include <QList>
#include <QSet>
#include <QString>

#include <memory>

namespace ostrak {
class ExifToolPool;
}

namespace halvex {

class TagEditor;

// Gives the files of opened folders (or opened files) the positions of a GPS track log,
// matched by time, through ExifTool's geotagging. The files are written at once, each backed up
// first; the editors are then read again by whoever queued the task (see editors()).
//
// Stills are timed by DateTimeOriginal, a local time in the zone of the offset (GeotagOffset);
// movies by their QuickTime CreateDate, which is UTC, so the offset does not apply to them. A
// movie gets the position in XMP and in its Keys GPSCoordinates.
class FolderImportGeotagTask : public AbstractTask {
public:
    struct Settings {
        QList<std::shared_ptr<TagEditor>> editors;
        QString trackLogPath;
        // The zone of the camera clock, in the panel's text ("-03:30:00"; "-3:-30:00" is read
        // the same).
        QString timeOffsetText;
        bool errorsIgnored = true;
        bool recurseSubfolders = false;
        ostrak::ExifToolPool* pool = nullptr;
    };

    explicit FolderImportGeotagTask(Settings settings);

    // The track-log extensions ExifTool reads, lower case.
    static QSet<QString> supportedGeotagTypes();
    // The movie extensions timed by CreateDate.
    static QStringList movieExtensions();

    const QList<std::shared_ptr<TagEditor>>& editors() const { return settings_.editors; }

protected:
    void run() override;

private:
    Settings settings_;
};

} // namespace halvex
