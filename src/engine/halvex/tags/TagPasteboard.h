#pragma once

#include "engine/halvex/places/Coordinate.h"
#include "engine/ostrak/TagName.h"

#include <QHash>
#include <QMutex>
#include <QString>

#include <functional>
#include <optional>

namespace halvex {

// The engine's store of copied tags (tag name to value) and of one copied text value, shared by
// the tag views, the Tags menu and the location actions.
//
// Thread-safe: copies write it inside tasks on the task thread while menus read it on the main
// thread; every read sees one whole copy.
//
// Ordering: a paste must read the pasteboard when its task runs, never when the paste action
// builds the task. Tasks run in the order they were added, so a copy queued before the paste has
// written the pasteboard by then, while a value read when the action runs may predate that copy
// (a cut queues its copy as a task too). pasteTextWhenRun() and pasteTagsWhenRun() make such a
// deferred read; the plain reads are for menu validation and for code already inside a task.
class TagPasteboard {
public:
    // A value is the tag's text, none for a tag without value, or a TagValueRestore or
    // TagValueClear marker.
    using CopiedTags = QHash<ostrak::TagName, std::optional<QString>>;

    static TagPasteboard& shared();

    TagPasteboard() = default;
    TagPasteboard(const TagPasteboard&) = delete;
    TagPasteboard& operator=(const TagPasteboard&) = delete;

    // Replaces the copied tags as a whole.
    void setCopiedTags(const CopiedTags& tags);
    CopiedTags copiedTags() const;
    bool hasCopiedTags() const;

    // Replaces the copied text; the empty text is a text.
    void setText(const QString& text);
    // None until a text is copied.
    std::optional<QString> text() const;

    // A closure for an edition task: when it runs, it reads the copied text and hands it to
    // `paste`, or does nothing when no text is held. The pasteboard must outlive it.
    std::function<void()> pasteTextWhenRun(std::function<void(const QString& text)> paste) const;
    // The same for the copied tags; nothing happens when none are held.
    std::function<void()> pasteTagsWhenRun(std::function<void(const CopiedTags& tags)> paste) const;

    // The one copied GPS coordinate of the location actions; none until one is copied.
    void setCoordinate(const Coordinate& coordinate);
    std::optional<Coordinate> coordinate() const;

private:
    mutable QMutex mutex_;
    CopiedTags copiedTags_;
    std::optional<QString> text_;
    std::optional<Coordinate> coordinate_;
};

} // namespace halvex
