#pragma once

#include "engine/ostrak/TagDatabaseContents.h"

#include <QString>

#include <optional>

namespace ostrak {

// The tag database as one compact binary file: a table of distinct strings, then fixed-size item
// records that point into it. Read back in a few milliseconds; any damage is detected (checksum,
// bounds) and reported, never trusted.
class TagDatabaseCache {
public:
    struct Entry {
        QString programStamp; // identifies the ExifTool installation the contents came from
        TagDatabaseContents contents;
    };

    static bool write(const QString& path, const Entry& entry, QString* error);
    static std::optional<Entry> read(const QString& path, QString* error);

    // Raised whenever the records, or the rules that derive them, change.
    static constexpr quint32 formatVersion = 1;
};

} // namespace ostrak
