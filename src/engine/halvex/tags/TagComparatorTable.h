#pragma once

#include "engine/halvex/tags/TagComparatorProvider.h"
#include "engine/halvex/tags/TagComparatorRow.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace halvex {

// The tags of several files side by side: column 0 names each tag, then one column per file.
// Tags are grouped by their family-1 group. Groups come in the order they first appear going
// through the files in order, each file's tags in the order ExifTool read them; the tags of a
// group likewise, so tags that only a later file holds come after the earlier files' tags.
//
// Immutable: built on any thread (usually off the main thread) and then only read.
class TagComparatorTable {
public:
    // `hidesStream`: each group gets a heading row and its tags are named without the group;
    // otherwise the rows are one list of full names.
    TagComparatorTable(const QList<std::shared_ptr<const TagComparatorProvider>>& providers, bool hidesStream);

    int numberOfColumns() const { return int(columnTitles_.size()); }
    // Column 0 has no title; the others are titled by their file.
    QString columnTitle(int column) const { return columnTitles_.value(column); }
    const QList<TagComparatorRow>& rows() const { return rows_; }
    bool hasTagRows() const;
    // Nothing to search in: there is no tag.
    bool disablesSearch() const { return !hasTagRows(); }

    // The rows in which the text occurs, ignoring case (in a tag's name, title or values), each
    // under its heading; a heading holding the text keeps its whole group. A blank text keeps all.
    TagComparatorTable narrowed(const QString& search) const;

private:
    TagComparatorTable(QStringList columnTitles, QList<TagComparatorRow> rows);

    QStringList columnTitles_;
    QList<TagComparatorRow> rows_;
};

} // namespace halvex
