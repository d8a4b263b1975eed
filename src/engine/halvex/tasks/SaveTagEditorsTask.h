#pragma once

#include "engine/halvex/kit/IPTCDigestUpdate.h"
#include "engine/halvex/tags/TagEdit.h"
#include "engine/halvex/tasks/AbstractTask.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace ostrak {
class ExifToolPool;
struct TagRecordSet;
} // namespace ostrak

namespace halvex {

class TagEditor;

// Writes the staged edits of tag editors into their files: only the edited tags, so whatever
// another program changed in a file meanwhile survives. A folder editor's edits go into each
// file its folder holds (see ETTagEditor).
//
// For each file, in order: the file is checked (it exists, is a file, it and its folder can be
// written, by their permission bits even for root); the original is copied into ETSettings'
// backup folder before its first rewrite in the run (BackupStore); ExifToolWriter writes a new
// copy and renames it over the original, so a failure at any point leaves the file as it was;
// the file is read again and every edit is looked for. Files are saved in parallel over the
// pool, one file never by two processes at once. A folder editor whose folder holds no file to
// write, or a file whose name is not UTF-8, saves nothing and keeps its edits, and says so. The editor then holds the values read; edits that did not land, and edits staged
// since the task began, stay staged.
//
// Each problem is a message naming the file and the reason: a file that could not be written,
// edits the file did not take (a value its format cannot hold: ExifTool then reports the file
// "unchanged"), ExifTool's warnings. With ignoreErrors the other files go on; without, the first
// failed file stops the batch and each file left is reported unsaved.
class SaveTagEditorsTask : public AbstractTask {
public:
    struct Settings {
        // Editors without edits are passed over.
        QList<std::shared_ptr<TagEditor>> editors;
        // ExifTool's -F: repairs maker-note offsets that another program broke.
        bool fixInvalidOffsets = true;
        // Writes IPTC as UTF-8 and marks it so.
        bool iptcAsUTF8 = true;
        IPTCDigestUpdate iptcDigestUpdate = IPTCDigestUpdate::updateIfExists;
        bool ignoreErrors = true;
        // Off: the file keeps its modification date (-P).
        bool updateFileModifyDate = false;
        // Runs ExifTool; null: ExifToolPool::shared().
        ostrak::ExifToolPool* pool = nullptr;
    };

    explicit SaveTagEditorsTask(Settings settings);
    ~SaveTagEditorsTask() override;

    const Settings& settings() const { return settings_; }

protected:
    void run() override;

private:
    struct Target;
    struct Written;

    // True when every edit is in the file.
    bool save(const Target& target, const QString& backupFolder);
    // Checks, backs up and writes the file; none when it could not be written.
    std::optional<Written> write(const Target& target, const QString& backupFolder);
    // Looks for the edits in the file read again, and gives the editor the values read.
    bool finish(const Target& target, const Written& written, const ostrak::TagRecordSet& reread);

    const Settings settings_;
    ostrak::ExifToolPool* pool_;
};

} // namespace halvex
