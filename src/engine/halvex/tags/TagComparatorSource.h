#pragma once

#include "engine/halvex/tags/TagComparatorTable.h"

#include <QString>

#include <memory>

namespace halvex {

// What the comparison view shows of a table for its search text. Answers before any table is
// set: no rows, no columns, empty. Used on the main thread.
class TagComparatorSource {
public:
    const QString& search() const { return search_; }
    void setSearch(const QString& search);

    std::shared_ptr<const TagComparatorTable> table() const { return table_; }
    void setTable(std::shared_ptr<const TagComparatorTable> table);

    // The rows shown for the search; null when they hold no tag.
    std::shared_ptr<const TagComparatorTable> exportTable() const;
    // There is no table, or it holds no tag: nothing to show, whatever the search.
    bool isEmpty() const;

    int numberOfRows() const;
    int numberOfColumns() const;
    QString columnTitle(int column) const;
    // A row past the end is an empty heading.
    TagComparatorRow row(int index) const;

private:
    void narrow();

    QString search_;
    std::shared_ptr<const TagComparatorTable> table_;
    std::shared_ptr<const TagComparatorTable> shown_;
};

} // namespace halvex
