#pragma once

#include "engine/ostrak/ExifToolResult.h"

#include <QString>
#include <QStringList>

#include <chrono>

namespace ostrak {

class ExifToolPool;

// Runs one write command on one file through the ExifTool pool: tag assignments
// ("-GROUP:TAG=VALUE"), deletions ("-GROUP:TAG=") and options, then the file. Values may hold
// any character. The result carries the updated, unchanged and failed counts and ExifTool's
// error output. Backups are the caller's business.
//
// The file is never written in place: ExifTool rewrites a second name of it (a hard link, or a
// copy where the file system has none) made under temporaryName() in the file's folder, and the
// new copy, given the file's permission bits and owner, then replaces the file in one rename. A
// write stopped at any moment leaves the old file or the new one, and the name is short and
// hidden whatever the file's. What a killed write left is removed by the next write of the same
// file. With "-P" the file keeps its modification date to the nanosecond. ("-overwrite_original"
// is what the writer does anyway and is passed over.)
//
// Safe to use from any thread, though one file must not be written by two writers at once.
class ExifToolWriter {
public:
    explicit ExifToolWriter(ExifToolPool& pool);
    ExifToolWriter();

    ExifToolResult write(const QString& path, const QStringList& arguments,
                         std::chrono::milliseconds timeout = std::chrono::minutes(10)) const;

    // The name of the copy written for the file named `fileName`, in the same folder.
    static QString temporaryName(const QString& fileName);
    // True for a name that temporaryName() gives: a folder listing passes over such files.
    static bool isTemporaryName(const QString& fileName);

private:
    ExifToolPool& pool_;
};

} // namespace ostrak
