#pragma once

#include "engine/halvex/tasks/TaskMessage.h"

#include <QString>

#include <optional>

namespace ostrak {
class ExifToolPool;
} // namespace ostrak

namespace halvex {

// Writes the tags of one media file into a file of another kind, named by its lower-case
// extension: "xmp", "exif", "mie", "exv", "vrd" (ExifTool makes them from the file's tags),
// "icc" (the embedded colour profile as it is), "csv" and "json" (ExifTool's listing of every
// tag with its group).
//
// A new sidecar is written whole or not at all. An existing one is never replaced silently:
// with `update`, it is backed up first and takes the file's tags, keeping what the file lacks;
// without, it is reported and left as it is.
class SidecarWriter {
public:
    explicit SidecarWriter(ostrak::ExifToolPool& pool, QString backupFolder = {});

    static bool isSupportedExtension(const QString& extension);

    // None when all went well; otherwise the message naming the file and the reason.
    std::optional<TaskMessage> write(const QString& mediaPath, const QString& sidecarPath, const QString& extension,
                                     bool update) const;

private:
    std::optional<TaskMessage> create(const QString& mediaPath, const QString& sidecarPath,
                                      const QString& extension) const;
    std::optional<TaskMessage> update(const QString& mediaPath, const QString& sidecarPath) const;

    ostrak::ExifToolPool& pool_;
    QString backupFolder_;
};

} // namespace halvex
