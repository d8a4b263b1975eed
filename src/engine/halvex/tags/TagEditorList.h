#pragma once

#include "engine/ostrak/TagName.h"
#include "engine/ostrak/TagStream.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>

namespace halvex {

class TagEditor;
class TagPasteboard;

// Tag editors edited together: one call applies to every editor of the list. A value; it holds
// each editor once, in the order first given (null editors are dropped).
//
// Each edit is one edition (EditionManager): called inside an EditionTask it joins the task's
// edition; called directly it flushes once when it returns. Edits are meant to run inside edition
// tasks; pasteTags(tagNames) is also called directly on the main thread.
//
// Streams are ExifTool groups (TagStream): a tag belongs to a stream named after its family-0
// group ("EXIF", "XMP") or after the first part of its family-1 group ("GPS", "Keys").
class TagEditorList {
public:
    using Editors = QList<std::shared_ptr<TagEditor>>;
    // A value per tag: a text, none (deletes the tag), TagValueRestore or TagValueClear.
    using Values = QHash<ostrak::TagName, std::optional<QString>>;
    using Block = std::function<void(const std::shared_ptr<TagEditor>& editor)>;

    TagEditorList() = default;
    TagEditorList(const Editors& editors);
    TagEditorList(std::initializer_list<std::shared_ptr<TagEditor>> editors);

    const Editors& editors() const { return editors_; }
    operator const Editors&() const { return editors_; }
    bool isEmpty() const { return editors_.isEmpty(); }
    qsizetype size() const { return editors_.size(); }

    // --- Edits

    // The same value (or marker) for every named tag.
    void setValue(const std::optional<QString>& value, const QList<ostrak::TagName>& tagNames) const;
    void setValue(const std::optional<QString>& value, const ostrak::TagName& tagName) const;
    void setValues(const Values& values) const;
    // Each editor's stored value of each tag is staged again, so that a save writes it anew (into
    // the tag's current form and character set). Absent and binary tags are left alone.
    void forceValues(const QList<ostrak::TagName>& tagNames) const;
    // Drops the edits of the streams' tags.
    void restoreValues(const QList<ostrak::TagStream>& tagStreams) const;
    // Stages the deletion of the streams' tags that a stream copy takes (see copyTags), less the
    // permanent ones, which cannot be deleted; edits that added tags are dropped. Tags that only
    // make sense in their own file (the IPTC character set, the EXIF layout) stay.
    void clearValues(const QList<ostrak::TagStream>& tagStreams) const;

    // Puts the tags on TagPasteboard::shared(), replacing what it held: for each tag, the current
    // value of the first editor that has one. Only writable tags with a text value are copied;
    // by stream, also only those ExifTool itself copies (not unsafe or protected).
    void copyTags(const QList<ostrak::TagStream>& tagStreams) const;
    void copyTags(const QList<ostrak::TagName>& tagNames) const;
    // Writes the copied tags into every editor, read from the pasteboard when the call runs.
    // clearOther: first clears, as clearValues() does, the other tags of the streams that the
    // copied tags belong to, so those streams end up holding the copied tags alone.
    void pasteTags(bool clearOther) const;
    // Writes the copied tags of those names; nothing without copied tags. Called outside any
    // edition while an edition task is queued or running on TaskManager::shared(), the paste is
    // queued behind it as an edition task, so that it pastes what a queued copy copies;
    // otherwise it pastes at once.
    void pasteTags(const QList<ostrak::TagName>& tagNames) const;

    // Runs the block once per editor, several editors at a time, and returns when all are done.
    // Each block must touch only its editor. All of it is one edition. An exception thrown by a
    // block is thrown again once every block has ended.
    void editConcurrently(const Block& block) const;

    // --- Reads

    // The distinct current values, in editor order; a missing tag counts as "".
    QStringList currentOrEmptyValues(const ostrak::TagName& tagName) const;
    // Some editor holds a value, or a staged edit, for one of the tags: there is something to
    // clear or to restore.
    bool haveWrittenValues(const QList<ostrak::TagName>& tagNames) const;

    // --- The pasteboard's form of a value

    // The items of a list value, kept apart by a noncharacter that no real value holds.
    static std::optional<QString> copiedValue(const std::optional<QStringList>& items);
    static std::optional<QStringList> copiedItems(const std::optional<QString>& value);

private:
    void copyTags(const QList<ostrak::TagName>& tagNames, bool likeExifTool) const;
    void paste(const Values& copied, const QList<ostrak::TagName>& tagNames, bool clearOther) const;

    Editors editors_;
};

} // namespace halvex
