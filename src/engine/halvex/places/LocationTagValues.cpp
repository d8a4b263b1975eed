#include "engine/halvex/places/LocationTagValues.h"

#include "engine/halvex/places/TagEditorLocation.h"
#include "engine/halvex/places/TypedValue.h"
#include "engine/halvex/tags/TagEditor.h"

#include <algorithm>

namespace halvex {

QList<std::pair<ostrak::TagName, QString>> locationTagValues(const Location& location)
{
    // An editor over an empty storage with no file behind it: a file of no known type takes
    // every family, and nothing is ever read or written.
    TagEditor editor{TagStorage()};
    setLocation(editor, TypedValue(location));
    QList<std::pair<ostrak::TagName, QString>> values;
    for (const TagEdit& edit : editor.edits()) {
        if (const std::optional<QString> text = edit.text())
            values.append({edit.tagName, *text});
    }
    std::stable_sort(values.begin(), values.end(), [](const auto& a, const auto& b) {
        if (a.first.group() != b.first.group())
            return a.first.group() < b.first.group();
        return a.first.name() < b.first.name();
    });
    return values;
}

} // namespace halvex
