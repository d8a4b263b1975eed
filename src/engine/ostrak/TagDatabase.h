#pragma once

#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/TagName.h"
#include "engine/ostrak/TagStream.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace ostrak {

struct TagDatabaseContents;

// Every tag ExifTool knows, built from `exiftool -listx` and kept in a cache file keyed by
// ExifTool's version. Immutable once loaded: any thread may look items up.
class TagDatabase {
public:
    struct Options {
        QString exifToolProgram = QStringLiteral("exiftool");
        QString cacheFilePath; // empty: defaultCacheFilePath()
    };

    enum class Origin {
        Cache,       // read from the cache file
        ExifTool,    // built from ExifTool's tag list (and cached for the next start)
        Unavailable, // neither worked: the database is empty and every lookup falls back
    };

    TagDatabase();

    // Loaded on first use, from the cache when it fits the installed ExifTool, else from ExifTool.
    static const TagDatabase& shared();
    // The cache when it belongs to this ExifTool (same program file, or same version); otherwise a
    // fresh build, which replaces the cache. A missing or damaged cache is rebuilt, never fatal.
    static TagDatabase load();
    static TagDatabase load(const Options& options);
    // Always from ExifTool; leaves the cache alone.
    static TagDatabase build(const Options& options);
    static QString defaultCacheFilePath();

    Origin origin() const;
    // Why ExifTool or the cache could not be used, when one of them failed; empty otherwise.
    QString errorString() const;
    QString exifToolVersion() const;
    int tableCount() const;

    const QList<TagItem>& allItems() const;
    // The item of a tag. Tags that ExifTool reports in numbered or compound groups ("Track2",
    // "IFD1", "Track1:Copy1") or with a language suffix ("Title-fr") find the item they repeat,
    // under the name asked for. None when the database does not know the tag.
    std::optional<TagItem> item(const TagName& name) const;
    TagItem itemOrFallback(const TagName& name) const;
    // Items of a stream, matched by family-0 or family-1 group, in database order.
    QList<TagItem> items(const TagStream& stream) const;
    QList<TagItem> itemsInGroup(const QString& family1Group) const;

private:
    struct Index;
    static TagDatabase fromContents(TagDatabaseContents contents, Origin origin, QString error);

    std::shared_ptr<const Index> index_;
};

} // namespace ostrak
