#pragma once

#include "engine/halvex/tags/MediaKind.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace halvex {

// A file type the engine can read with ExifTool, or the folder type. Values compare by
// identifier (ExifTool's file type name, "Folder" for folders).
class MediaType {
public:
    const QString& identifier() const;
    MediaKind kind() const;
    // Lower case, without the dot, the usual one first; empty for the folder type.
    const QStringList& extensions() const;
    QString preferredExtension() const;
    // ExifTool can write tags into files of this type.
    bool isWritable() const;
    bool isFolder() const;

    // Every type, the folder type last.
    static const QList<MediaType>& all();
    // The types of the given kinds; the folder type is of kind `other`.
    static QSet<MediaType> types(const QList<MediaKind>& kinds);
    static MediaType typeFolder();
    // An existing folder is the folder type; a file goes by its extension (case-insensitive),
    // and an existing file whose extension names no type goes by its content. None otherwise.
    static std::optional<MediaType> type(const QUrl& url);
    // By extension, case-insensitive, with or without a leading dot.
    static std::optional<MediaType> type(const QString& extension);

    friend bool operator==(const MediaType& a, const MediaType& b) { return a.entry_ == b.entry_; }
    friend size_t qHash(const MediaType& type, size_t seed = 0) { return qHash(type.identifier(), seed); }

    struct Entry;

private:
    explicit MediaType(const Entry* entry) : entry_(entry) {}

    const Entry* entry_;
};

} // namespace halvex
