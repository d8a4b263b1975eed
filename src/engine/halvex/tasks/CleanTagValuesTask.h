#pragma once

#include "engine/halvex/tasks/ImmediateWriteTask.h"
#include "engine/ostrak/TagStream.h"

#include <QList>

#include <memory>

namespace halvex {

class TagEditor;

// Deletes whole tag streams (every EXIF, IPTC, XMP or QuickTime tag) from the editors' files at
// once (ImmediateWriteTask), ExifTool's "-<stream>:all=" for each chosen stream. Tags that a
// format cannot lose (a movie's duration) stay. A file holding nothing to delete is left
// untouched, date included.
class CleanTagValuesTask : public ImmediateWriteTask {
public:
    struct Settings {
        explicit Settings(QList<std::shared_ptr<TagEditor>> editors = {}) : editors(std::move(editors)) {}

        QList<std::shared_ptr<TagEditor>> editors;
        // The streams to delete; an empty choice deletes nothing.
        QList<ostrak::TagStream> tagStreams;
        // Every stream (TagStream::allCases()), whatever tagStreams holds.
        bool allStreams = false;
        // ExifTool's -F: repairs maker-note offsets that another program broke.
        bool fixInvalidOffsets = true;
        bool ignoreErrors = true;
        // Null: ExifToolPool::shared().
        ostrak::ExifToolPool* pool = nullptr;
    };

    explicit CleanTagValuesTask(Settings settings);

    const Settings& settings() const { return settings_; }
    // The streams deleted, in order.
    QList<ostrak::TagStream> streams() const;

protected:
    void run() override;

private:
    const Settings settings_;
};

} // namespace halvex
