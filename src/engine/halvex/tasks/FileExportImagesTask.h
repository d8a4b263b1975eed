#pragma once

#include "engine/halvex/tasks/AbstractTask.h"

#include <QList>
#include <QUrl>

#include <memory>

namespace ostrak {
class ExifToolPool;
} // namespace ostrak

namespace halvex {

class TagEditor;

// Saves an image embedded in each editor's file into a folder, as the file holds it:
// the EXIF thumbnail ("photo_thumb.jpg"), or the JPEG of a raw file ("photo.jpg": the full-size
// JpgFromRaw, else the PreviewImage). A file without that image, or whose image name is taken
// in the folder, is reported (an existing file is never replaced); the others go on.
class FileExportImagesTask : public AbstractTask {
public:
    enum class Kind : quint8 { thumbnail = 0, rawPreview = 1 };

    struct Settings {
        QList<std::shared_ptr<TagEditor>> editors;
        Kind kind = Kind::thumbnail;
        QUrl folder;
        // Runs ExifTool; null: ExifToolPool::shared().
        ostrak::ExifToolPool* pool = nullptr;
    };

    explicit FileExportImagesTask(Settings settings);

    const Settings& settings() const { return settings_; }

    // The name the image of `mediaPath` takes in the folder.
    static QString imageFileName(const QString& mediaPath, Kind kind);

protected:
    void run() override;

private:
    const Settings settings_;
};

} // namespace halvex
