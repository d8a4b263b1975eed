#pragma once

#include "engine/halvex/tags/MediaType.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagStorageSource.h"
#include "engine/halvex/tasks/AbstractTask.h"

#include <QList>
#include <QMutex>
#include <QSet>

#include <memory>
#include <optional>

namespace ostrak {
class ExifToolPool;
struct TagRecordSet;
} // namespace ostrak

namespace halvex {

// Opens files and folders as tag editors, or reads opened editors again in place.
//
// Files are read in batches spread over every process of the ExifTool pool; cancelling stops
// before the next batch. Each file that cannot be opened becomes a message naming it and the
// reason, and the others are opened all the same: a file ExifTool cannot read, a truncated one
// ("Truncated ..." warning), one whose content is of another kind than its extension says (a
// text file named .jpg), one of a type the engine does not handle, a folder that is gone.
// Progress counts files.
class ImportTagEditorsTask : public AbstractTask {
public:
    struct Settings {
        explicit Settings(QList<TagStorageSource> sources);

        QList<TagStorageSource> sources;
        // Go on after a file that cannot be opened; otherwise stop after the batch holding it.
        bool errorsIgnored = true;
        // A folder opens as the files in it rather than as a folder editor,
        bool unfoldFolders = false;
        // with the files in its subfolders too.
        bool unfoldSubfolders = false;
        // The types an unfolded folder's files must have; none: supportedTypes().
        std::optional<QSet<MediaType>> supportedTypes;
        // Reload these editors in place, editor i from source i, instead of opening new ones.
        // Staged edits are kept; folders are never unfolded.
        QList<std::shared_ptr<TagEditor>> editorsToReload;
        // Null: ExifToolPool::shared().
        ostrak::ExifToolPool* pool = nullptr;
    };

    explicit ImportTagEditorsTask(Settings settings);

    // The openable types: the engine's supported media types (KitSettings), each with an extension.
    static QSet<MediaType> supportedTypes();

    const Settings& settings() const { return settings_; }
    // Once done: one editor per file opened (or reloaded), in source order, an unfolded folder's
    // files in place of the folder, sorted by path.
    QList<std::shared_ptr<TagEditor>> editors() const;

protected:
    void run() override;

private:
    struct Item;

    QList<Item> collectItems(ostrak::ExifToolPool& pool) const;
    void unfold(const TagStorageSource& folder, const QString& path, QList<Item>& items) const;
    static void readBatch(const QList<Item*>& batch, ostrak::ExifToolPool& pool);
    static void settle(Item& item, const ostrak::TagRecordSet& records, ostrak::ExifToolPool& pool);

    const Settings settings_;
    mutable QMutex resultMutex_;
    QList<std::shared_ptr<TagEditor>> editors_;
};

} // namespace halvex
