#pragma once

#include "engine/halvex/tags/TagComparatorSearchValue.h"
#include "engine/halvex/tags/TagValue.h"
#include "engine/ostrak/TagName.h"

#include <QList>
#include <QString>

#include <optional>

namespace halvex {

// One tag of a tag comparison with its value in each file. Column 0 names the tag; column i
// holds the value of file i - 1.
class TagComparatorGroupEntry {
public:
    // `hidesStream`: the row stands under its group's heading, so its name leaves the group out.
    TagComparatorGroupEntry(ostrak::TagName tagName, QString title, QList<std::optional<TagValue>> values,
                            bool hidesStream);

    const ostrak::TagName& tagName() const { return tagName_; }
    // The tag database's title of the tag, or its name when the database does not list it.
    const QString& title() const { return title_; }
    // One per file, none where the file lacks the tag.
    const QList<std::optional<TagValue>>& values() const { return values_; }
    // Not every file holds the same value (a file lacking the tag differs).
    bool valuesDiffer() const { return valuesDiffer_; }

    // The name shown with showName: without its group when the group is the heading.
    QString displayedName() const;

    // The cell at `column` for this search text. Column 0 shows the title, or the name with
    // `showName`. A column past the files gives an empty cell.
    TagComparatorSearchValue search(int column, const std::optional<QString>& search, bool showName) const;

    // The text occurs, ignoring case, in the tag's name, its title or one of its values.
    bool matches(const QString& search) const;

private:
    ostrak::TagName tagName_;
    QString title_;
    QList<std::optional<TagValue>> values_;
    bool hidesStream_;
    bool valuesDiffer_;
};

} // namespace halvex
