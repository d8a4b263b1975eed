#pragma once

#include "engine/ostrak/ExifToolMessage.h"
#include "engine/ostrak/TagRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ostrak {

// The tags read from one file, or why it could not be read.
struct TagRecordSet {
    QString path;             // absolute path as passed to ExifTool
    QList<TagRecord> records; // in ExifTool's order
    // Names the file and the reason; empty when the file was read. A file that ExifTool
    // opened but could not parse has both records (file system tags) and an error.
    ExifToolMessage error;
    QStringList warnings;     // ExifTool's "Warning" tags: the file was read

    bool isRead() const { return error.isEmpty(); }
    // The first record of that group and name, or null.
    const TagRecord* find(const QString& group, const QString& name, int copy = 0) const;
};

} // namespace ostrak
