#include "engine/halvex/dates/AllDatesEdition.h"

#include "engine/halvex/dates/TagEditorDates.h"
#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/SaveArguments.h"

namespace halvex {

namespace {

// The date tags of the editor, by their written names (without ExifTool's copy numbers), once each.
QList<ostrak::TagItem> dateItems(const TagEditor& editor)
{
    QList<ostrak::TagItem> items;
    QSet<ostrak::TagName> seen;
    for (const ostrak::TagName& stored : editor.tagNames()) {
        const ostrak::TagName name = SaveArguments::withoutCopyNumber(stored);
        if (seen.contains(name))
            continue;
        seen.insert(name);
        const auto item = name.item();
        if (item && isEditableDateTag(*item))
            items.append(*item);
    }
    return items;
}

} // namespace

bool AllDatesEdition::update(TagEditor& editor, const DateEdition& edition)
{
    const EditionManager::Scope oneEdition;
    bool changed = false;
    for (const ostrak::TagItem& item : dateItems(editor))
        changed = editDate(editor, edition, item) || changed;
    return changed;
}

bool AllDatesEdition::sync(TagEditor& editor, const ostrak::TagName& chosen)
{
    const EditionManager::Scope oneEdition;
    const ostrak::TagName source = SaveArguments::withoutCopyNumber(chosen);
    if (!editor.currentValue(source))
        return false;
    bool changed = false;
    for (const ostrak::TagItem& item : dateItems(editor)) {
        if (item.tagName() != source)
            changed = copyDate(editor, source, item.tagName()) || changed;
    }
    return changed;
}

} // namespace halvex
