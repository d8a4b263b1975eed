#pragma once

#include "engine/halvex/dates/DateEdition.h"
#include "engine/ostrak/TagName.h"

namespace halvex {

class TagEditor;

// Edits every date tag of one file at once, walking its tag names in order.
//
// Only tags whose type holds a date, a time or a part of a date are touched: text, numbers and
// every other tag keep their values whatever the edition. Synchronising copies the chosen tag
// into the others; a file that lacks the chosen tag (or holds no date in it) is left as it is,
// and the chosen tag is never copied onto itself.
class AllDatesEdition {
public:
    // Returns whether the editor changed.
    static bool update(TagEditor& editor, const DateEdition& edition);
    static bool sync(TagEditor& editor, const ostrak::TagName& chosen);
};

} // namespace halvex
