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

// Brings each editor's file and its sidecar together, the sidecar lying beside the file under
// the same base name with the given extension ("photo.jpg" and "photo.xmp").
//
// Export writes the sidecars at once: a new one is made from the file's tags, an existing one
// is backed up and updated (see SidecarWriter).
//
// Import stages the sidecar's values in the editor, as if typed in: the file changes only when
// the user saves, the editor's other unsaved edits stay, and the history can undo it. Without an
// extension, the values come from a copy of the file in `folder` under the same name
// ("folder/photo.jpg"). A file without a sidecar or copy, or with one that cannot be read, is
// reported and the others go on; with ignoreErrors off, the first failure stops the batch.
class SyncSidecarFilesTask : public AbstractTask {
public:
    struct Settings {
        QList<std::shared_ptr<TagEditor>> editors;
        // False imports, true exports.
        bool exports = false;
        std::optional<QString> extension;
        // Where the copies are; only without an extension.
        std::optional<QUrl> folder;
        bool fixInvalidOffsets = true;
        bool ignoreErrors = true;
        // Runs ExifTool; null: ExifToolPool::shared().
        ostrak::ExifToolPool* pool = nullptr;
    };

    explicit SyncSidecarFilesTask(Settings settings);

    const Settings& settings() const { return settings_; }
    bool isEdition() const override { return !settings_.exports; }

    // Where the sidecar (or the copy) of a media file is looked for and written.
    static QString sidecarPath(const QString& mediaPath, const Settings& settings);

protected:
    void run() override;

private:
    std::optional<TaskMessage> importInto(TagEditor& editor, const QString& sidecar) const;

    const Settings settings_;
    ostrak::ExifToolPool* pool_;
};

} // namespace halvex
