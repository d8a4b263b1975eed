#pragma once

#include "engine/halvex/libraries/KeywordItem.h"

namespace halvex {

// Writes keywords with their subtrees as keyword ("txt") text, in the form ThesaurusReader
// describes, which reads it back exactly. Safe on any thread.
class ThesaurusWriter {
public:
    static QString string(const QList<KeywordItemPtr>& items);

    // Writes the text as UTF-8. The file is replaced only once the new text is completely
    // written, so a failure (LibraryError naming the file and the reason) leaves it as it was.
    static void write(const QList<KeywordItemPtr>& items, const QString& path);
};

} // namespace halvex
