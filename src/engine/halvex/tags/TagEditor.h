#pragma once

#include "engine/halvex/tags/TagEdit.h"
#include "engine/halvex/tags/TagStorage.h"
#include "engine/halvex/tags/TagStorageSource.h"
#include "engine/halvex/tags/TagValue.h"
#include "engine/ostrak/ExifToolMessage.h"
#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/TagName.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QReadWriteLock>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace ostrak {
class ExifToolPool;
}

namespace halvex {

// One opened file: the values read from it (its storage) and the edits staged on them, kept
// apart until a save writes them. Held by std::shared_ptr; files are compared by identity.
//
// Every member is safe to call from any thread: readers (the interface, thumbnailers, search
// queues) share a read-write lock with the tasks that edit or reload the editor.
//
// Tag names: the storage's, in ExifTool's order, followed by the tags that only edits added, in
// the order they were first staged. Repeated tags are distinct names (see TagStorage).
//
// Every edit records the names of the tags it changed into the edition open on its thread
// (EditionManager), so that the edition's history flush reports them; an edit made outside any
// edition is one by itself and flushes at once. Reloading and changing the source are not edits.
//
// didChangeSourceNotification is posted on brisa::NotificationCenter::defaultCenter() with the
// editor (as const TagEditor*) for object when setSource() changes the source; it arrives on the
// main thread.
class TagEditor : public std::enable_shared_from_this<TagEditor> {
public:
    static const QString didChangeSourceNotification;

    // `pool` serves binary values read on demand; null: ExifToolPool::shared().
    explicit TagEditor(TagStorage storage, ostrak::ExifToolPool* pool = nullptr);
    virtual ~TagEditor();
    TagEditor(const TagEditor&) = delete;
    TagEditor& operator=(const TagEditor&) = delete;

    // --- Identity and stored values

    TagStorageSource source() const;
    // Posts didChangeSourceNotification when the source differs.
    void setSource(const TagStorageSource& source);
    // The last path component of the source's file (a folder's name for a folder).
    QString fileName() const;
    virtual bool isFolder() const;

    // A copy of the stored values (without edits).
    TagStorage storage() const;
    QList<ostrak::TagName> tagNames() const;
    // The database's item, under this name; a read-only fallback item for a tag it does not know.
    static ostrak::TagItem tagItem(const ostrak::TagName& tagName);

    std::optional<TagValue> originalValue(const ostrak::TagName& tagName) const;
    // Names with a stored value, in storage order.
    QList<ostrak::TagName> originalTags() const;
    // Names with a staged edit, in the order first staged.
    QList<ostrak::TagName> editedTags() const;

    // The edited value when one is staged (none for a deletion), else the stored printed value.
    std::optional<QString> currentValue(const ostrak::TagName& tagName) const;
    // The same as items: list items stay apart.
    std::optional<QStringList> currentValues(const ostrak::TagName& tagName) const;

    // The bytes of a binary tag (cover art, preview, thumbnail), read from the file on first use
    // and kept. Empty when the tag holds none, and for a folder; `error` tells why the file could
    // not be read.
    QByteArray binaryValue(const ostrak::TagName& tagName, ostrak::ExifToolMessage* error = nullptr) const;

    // --- Orientation (values read from the file, edits aside)

    // The file keeps its orientation in the QuickTime track matrix rather than in EXIF.
    bool prefersQuicktime() const;
    // EXIF Orientation, 1 to 8; 1 when the file has none.
    int originalExifOrientationValue() const;
    // The QuickTime rotation (Composite:Rotation 0, 90, 180, 270) as the EXIF orientation that
    // turns the same way (1, 6, 3, 8); 1 when the file has none.
    int originalQuicktimeOrientationValue() const;

    // --- Edits. Each returns whether the editor changed.

    // None deletes the tag; TagValueRestore restores it and TagValueClear clears it. A value
    // equal to the stored one (or deleting an absent tag) drops the staged edit instead, as there
    // is nothing to write. Unicode noncharacters are taken out of values, so that no value is
    // ever mistaken for a marker.
    bool setValue(const std::optional<QString>& value, const ostrak::TagName& tagName);
    // A list value, one item per element; a lone marker item acts as the marker.
    bool setValues(const QStringList& values, const ostrak::TagName& tagName);
    // Stages the deletion of the tag.
    bool clearValue(const ostrak::TagName& tagName);
    // Drops the staged edit: the stored value is current again.
    bool restoreValue(const ostrak::TagName& tagName);
    bool restoreAllValues();
    // Stages the stored value as it is, so that a save writes the tag again. Nothing for a tag
    // that is absent, binary or already edited.
    bool forceValue(const ostrak::TagName& tagName);

    bool hasEdits() const;
    bool isEdited(const ostrak::TagName& tagName) const;
    std::optional<TagEdit> edit(const ostrak::TagName& tagName) const;
    // Staged edits in the order first staged: what a save writes.
    QList<TagEdit> edits() const;

    // --- Reloading

    // The stored values become `storage` (and the source its source). `written` are the edits a
    // save has just written: each is dropped unless it was staged again since (another
    // revision). Edits staged meanwhile are kept; an edit that now equals the stored value is
    // dropped. A reload without a save passes no `written`: every edit is kept.
    void reload(TagStorage storage, const QList<TagEdit>& written = {});

private:
    // Callers hold the write lock.
    bool stageLocked(const ostrak::TagName& tagName, const std::optional<QStringList>& values);
    bool dropEditLocked(const ostrak::TagName& tagName);
    bool matchesStoredLocked(const ostrak::TagName& tagName, const std::optional<QStringList>& values) const;
    bool stage(const ostrak::TagName& tagName, const std::optional<QStringList>& values);

    mutable QReadWriteLock lock_;
    ostrak::ExifToolPool* pool_;
    TagStorage storage_;
    QList<ostrak::TagName> editOrder_;
    QHash<ostrak::TagName, TagEdit> edits_;

    mutable QMutex binaryMutex_;
    mutable QHash<ostrak::TagName, QByteArray> binaryValues_;
};

} // namespace halvex
