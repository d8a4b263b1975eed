#pragma once

#include "engine/ostrak/TagName.h"

#include <QHash>
#include <QList>
#include <QMetaType>

#include <memory>

namespace halvex {

class TagEditor;

// What one applied edition changed: for each editor it touched, in the order first touched, the
// names of the tags whose value or edit state changed, in the order they changed. Editors are
// matched by identity. A value: copies are independent and may cross threads.
class HistoryEdition {
public:
    struct Entry {
        // Identity only; `editor` keeps it alive (null for an editor not held by a shared_ptr).
        const TagEditor* identity = nullptr;
        std::shared_ptr<const TagEditor> editor;
        QList<ostrak::TagName> tagNames;
    };

    bool isEmpty() const { return entries_.isEmpty(); }
    const QList<Entry>& entries() const { return entries_; }

    // Adds the names to the editor's entry (each name once).
    void add(const TagEditor& editor, const QList<ostrak::TagName>& tagNames);

    // The names changed in any of the editors, each once, in the order first changed.
    QList<ostrak::TagName> tagNames(const QList<std::shared_ptr<TagEditor>>& editors) const;
    bool hasEditions(const QList<std::shared_ptr<TagEditor>>& editors) const;
    // One of the names changed in one of the editors.
    bool hasEditions(const QList<std::shared_ptr<TagEditor>>& editors, const QList<ostrak::TagName>& tagNames) const;
    // One of the location tags (LocationTagNames::locationTagNames()) changed in one of the editors.
    bool hasLocationEditions(const QList<std::shared_ptr<TagEditor>>& editors) const;

private:
    const Entry* entryOf(const TagEditor* editor) const;

    QList<Entry> entries_;
    // Where each editor's entry stands in entries_: an edition may touch thousands of editors.
    QHash<const TagEditor*, qsizetype> entryIndexes_;
};

} // namespace halvex

Q_DECLARE_METATYPE(halvex::HistoryEdition)
