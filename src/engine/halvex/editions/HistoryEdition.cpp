#include "engine/halvex/editions/HistoryEdition.h"

#include "engine/halvex/places/LocationTagNames.h"
#include "engine/halvex/tags/TagEditor.h"

#include <QSet>

#include <algorithm>

namespace halvex {

void HistoryEdition::add(const TagEditor& editor, const QList<ostrak::TagName>& tagNames)
{
    auto found = entryIndexes_.constFind(&editor);
    if (found == entryIndexes_.constEnd()) {
        entries_.append(Entry{&editor, editor.weak_from_this().lock(), {}});
        found = entryIndexes_.insert(&editor, entries_.size() - 1);
    }
    Entry& entry = entries_[*found];
    for (const ostrak::TagName& name : tagNames) {
        if (!entry.tagNames.contains(name))
            entry.tagNames.append(name);
    }
}

const HistoryEdition::Entry* HistoryEdition::entryOf(const TagEditor* editor) const
{
    const auto found = entryIndexes_.constFind(editor);
    return found == entryIndexes_.constEnd() ? nullptr : &entries_.at(*found);
}

QList<ostrak::TagName> HistoryEdition::tagNames(const QList<std::shared_ptr<TagEditor>>& editors) const
{
    QList<ostrak::TagName> names;
    QSet<ostrak::TagName> seen;
    for (const Entry& entry : entries_) {
        const bool asked = std::any_of(editors.begin(), editors.end(),
                                       [&](const auto& editor) { return editor.get() == entry.identity; });
        if (!asked)
            continue;
        for (const ostrak::TagName& name : entry.tagNames) {
            if (!seen.contains(name)) {
                seen.insert(name);
                names.append(name);
            }
        }
    }
    return names;
}

bool HistoryEdition::hasEditions(const QList<std::shared_ptr<TagEditor>>& editors) const
{
    return std::any_of(editors.begin(), editors.end(),
                       [this](const auto& editor) { return entryOf(editor.get()) != nullptr; });
}

bool HistoryEdition::hasEditions(const QList<std::shared_ptr<TagEditor>>& editors,
                                 const QList<ostrak::TagName>& tagNames) const
{
    for (const auto& editor : editors) {
        const Entry* entry = entryOf(editor.get());
        if (!entry)
            continue;
        const bool any = std::any_of(tagNames.begin(), tagNames.end(),
                                     [entry](const ostrak::TagName& name) { return entry->tagNames.contains(name); });
        if (any)
            return true;
    }
    return false;
}

bool HistoryEdition::hasLocationEditions(const QList<std::shared_ptr<TagEditor>>& editors) const
{
    return hasEditions(editors, LocationTagNames::locationTagNames());
}

} // namespace halvex
