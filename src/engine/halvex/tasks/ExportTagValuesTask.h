#pragma once

#include "engine/halvex/tasks/AbstractTask.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

namespace ostrak {
class ExifToolPool;
} // namespace ostrak

namespace halvex {

class TagEditor;

// Writes the tags of each editor's file into a new file of one kind in a chosen folder, named
// after the media file ("photo.jpg" gives "photo.xmp"); see SidecarWriter for the kinds. A file
// of that name already in the folder is reported and kept. Folders are passed over. Each file
// goes on whatever happened to the others.
class ExportTagValuesTask : public AbstractTask {
public:
    struct Settings {
        QList<std::shared_ptr<TagEditor>> editors;
        std::optional<QUrl> folder;
        QString extension;
        // Runs ExifTool; null: ExifToolPool::shared().
        ostrak::ExifToolPool* pool = nullptr;
    };

    explicit ExportTagValuesTask(Settings settings);

    const Settings& settings() const { return settings_; }

protected:
    void run() override;

private:
    const Settings settings_;
};

} // namespace halvex
