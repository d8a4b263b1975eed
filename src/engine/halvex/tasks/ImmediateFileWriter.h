#pragma once

#include "engine/halvex/tasks/TaskMessage.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace ostrak {
class ExifToolPool;
} // namespace ostrak

namespace halvex {

class TagEditor;

// Writes into a file at once, outside any save: the actions that delete, copy or remove tags in
// the files themselves. For one file, in order: the file is checked (it exists, is a file, it and
// its folder can be written, by their permission bits even for root); the original is copied
// into the backup folder before its first rewrite in the run (BackupStore); ExifTool writes a new
// copy that replaces the file in one rename (ExifToolWriter), so a failure at any point leaves the
// file as it was, and a write that changes nothing leaves it untouched, date included.
//
// Every problem is one message naming the file and the reason. Safe to use from any thread, one
// file by one writer at a time.
class ImmediateFileWriter {
public:
    enum class Result { rewritten, unchanged, failed };

    // `backupFolder` empty: no backups.
    ImmediateFileWriter(ostrak::ExifToolPool& pool, QString backupFolder);

    // Why the file cannot be written: none when it can. The keys name the action as `prefix`
    // followed by "FileMissingError", "NotAFileError", "FileReadOnlyError", "FolderReadOnlyError".
    static std::optional<TaskMessage> checkWritable(const QString& path, const QString& prefix);

    // Copies the file into the backup folder before its first rewrite in the run.
    bool backUp(const QString& path, QList<TaskMessage>& messages) const;
    // Writes the arguments ("-GROUP:all=", "-tagsFromFile", ...) into the file.
    Result write(const QString& path, const QStringList& arguments, QList<TaskMessage>& messages) const;
    // Reads the file again into its editor in place; the editor's staged edits stay staged.
    bool reread(const QString& path, TagEditor& editor, QList<TaskMessage>& messages) const;

    // ExifTool's options for the edition settings: -F repairs maker-note offsets, -m lets minor
    // errors pass.
    static QStringList options(bool fixInvalidOffsets, bool ignoreErrors);

private:
    ostrak::ExifToolPool& pool_;
    QString backupFolder_;
};

} // namespace halvex
