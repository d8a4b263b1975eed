#pragma once

#include "engine/halvex/tags/SearchWords.h"
#include "engine/ostrak/TagItem.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace halvex {

// What a tag item search looks for: the typed text (none or blank: every item), the items to
// search in the order results come back, and an extra predicate a kept item must also pass.
// The predicate runs on the search thread: give it a copy of what it needs, never a window.
struct TagItemSearchRequest {
    using Element = ostrak::TagItem;

    std::optional<QString> string;
    QList<ostrak::TagItem> tagItems = ostrak::TagItem::allCases();
    std::function<bool(const ostrak::TagItem&)> filter;

    const QList<ostrak::TagItem>& elements() const { return tagItems; }
    // The words in order within the display title, or else within the full tag name.
    static bool matches(const ostrak::TagItem& item, const SearchWords& words);
};

} // namespace halvex
