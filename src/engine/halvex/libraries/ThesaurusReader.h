#pragma once

#include "engine/halvex/libraries/KeywordItem.h"

namespace halvex {

// Reads keyword ("txt") files as ThesaurusWriter writes them:
//
//   Animals {Fauna} {Wildlife}
//   <TAB>Cat {Feline}
//   [Places]
//   <TAB>Paris, France
//   @Ada Lovelace {Ada}
//
// One keyword per line; each tab at the start of a line puts the keyword one level deeper, below
// the nearest keyword above it. A keyword is written as its name, in [brackets] for a header,
// after "@" for a person, followed by its synonyms, each in {braces}. Commas have no meaning, so
// "Paris, France" is one keyword. A name or synonym is written in "double quotes" when it is
// empty or starts or ends with a space. In names and synonyms, \\ \[ \] \{ \} \" \@ \t \n \r
// stand for the character after the backslash, a tab, a line feed and a carriage return.
// Blank lines are skipped.
//
// Pure functions, safe on any thread.
class ThesaurusReader {
public:
    // Deeper keywords would not fit in the stored library.
    static constexpr int maximumDepth = 256;

    // The top-level keywords with their subtrees. Throws LibraryError for text that does not
    // follow the format; its arguments start with the line and the column.
    static QList<KeywordItemPtr> read(const QString& string);

    // The same for a file: UTF-8, or UTF-16 or UTF-32 with a byte-order mark. Errors name
    // the file (a syntax error comes after "KeywordFileError").
    static QList<KeywordItemPtr> readFile(const QString& path);
};

} // namespace halvex
