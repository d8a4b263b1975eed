#pragma once

#include "engine/halvex/tasks/AbstractTask.h"

#include <QList>
#include <QString>

#include <memory>

namespace ostrak {
class ExifToolPool;
}

namespace halvex {

class TagEditor;

// Writes the positions of the files of opened folders (or opened files) as one GPX track or one
// set of KML placemarks, in time order, into one destination: several folders give one file
// with all their positions. Files without a position are left out. Nothing is written when
// ExifTool cannot read them or no file has a position; the destination is replaced whole.
class FolderExportGeotagTask : public AbstractTask {
public:
    struct Settings {
        QList<std::shared_ptr<TagEditor>> editors;
        QString destinationPath;
        bool kml = false;
        bool errorsIgnored = true;
        bool recurseSubfolders = false;
        ostrak::ExifToolPool* pool = nullptr;
    };

    explicit FolderExportGeotagTask(Settings settings);

    // The ExifTool print formats of the two kinds.
    static QString gpxFormat();
    static QString kmlFormat();

protected:
    void run() override;

private:
    Settings settings_;
};

} // namespace halvex
