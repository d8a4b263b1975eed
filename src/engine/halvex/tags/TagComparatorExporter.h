#pragma once

#include "engine/halvex/tags/TagComparatorTable.h"

#include <QString>

#include <memory>

namespace halvex {

// Writes a tag comparison to a file: a header of the files' names, then one line per tag with
// its full name ("Group:Name") and its value in each file (empty where a file lacks it).
//
// - TXT: UTF-8, tab-separated, the group headings in brackets; tabs and line breaks inside
//   values become spaces.
// - RTF: the same lines as a document, the header and the headings in bold.
// - CSV: UTF-8, comma-separated with RFC 4180 quoting, without headings. A value a spreadsheet
//   would run as a formula (it starts with "=", "@", or "+" or "-" without being a number) gets
//   a leading apostrophe, since the values come from files of unknown origin.
//
// Each export replaces the file only once it is completely written. Throws LibraryError naming
// the file and the reason; the old file, if any, is then intact.
class TagComparatorExporter {
public:
    explicit TagComparatorExporter(std::shared_ptr<const TagComparatorTable> table);

    void exportAsTXT(const QString& path) const;
    void exportAsRTF(const QString& path) const;
    void exportAsCSV(const QString& path) const;

private:
    std::shared_ptr<const TagComparatorTable> table_;
};

} // namespace halvex
