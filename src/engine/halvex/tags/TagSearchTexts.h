#pragma once

#include "engine/ostrak/TagItem.h"

#include <QString>

namespace halvex {

// The folded texts a word search reads of a tag item: its display title and its full tag name
// (SearchWords::fold). Folded once per tag and kept for the run; safe from any thread.
class TagSearchTexts {
public:
    QString title;
    QString tagName;

    static TagSearchTexts of(const ostrak::TagItem& item);
};

} // namespace halvex
