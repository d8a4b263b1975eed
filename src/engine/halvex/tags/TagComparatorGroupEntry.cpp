#include "engine/halvex/tags/TagComparatorGroupEntry.h"

#include <algorithm>

namespace halvex {

TagComparatorGroupEntry::TagComparatorGroupEntry(ostrak::TagName tagName, QString title,
                                                 QList<std::optional<TagValue>> values, bool hidesStream)
    : tagName_(std::move(tagName)), title_(std::move(title)), values_(std::move(values)), hidesStream_(hidesStream)
{
    const auto text = [](const std::optional<TagValue>& value) {
        return value ? std::optional<QString>(value->text()) : std::nullopt;
    };
    valuesDiffer_ = std::any_of(values_.begin(), values_.end(), [&](const std::optional<TagValue>& value) {
        return text(value) != text(values_.first());
    });
}

QString TagComparatorGroupEntry::displayedName() const
{
    return hidesStream_ ? tagName_.name() : tagName_.rawValue();
}

TagComparatorSearchValue TagComparatorGroupEntry::search(int column, const std::optional<QString>& search,
                                                         bool showName) const
{
    TagComparatorSearchValue cell;
    if (search && !search->isEmpty())
        cell.searchText = search;
    if (column == 0) {
        cell.isBold = true;
        cell.text = showName ? displayedName() : title_;
        return cell;
    }
    cell.keepsLeftAlignment = true;
    if (column < 0 || column > values_.size() || !values_.at(column - 1))
        return cell;
    const TagValue& value = *values_.at(column - 1);
    cell.text = value.text();
    // ExifTool's placeholder for data left in the file, not a value to read.
    cell.isFaded = value.isBinary();
    cell.isAccented = valuesDiffer_;
    return cell;
}

bool TagComparatorGroupEntry::matches(const QString& search) const
{
    if (tagName_.rawValue().contains(search, Qt::CaseInsensitive) || title_.contains(search, Qt::CaseInsensitive))
        return true;
    return std::any_of(values_.begin(), values_.end(), [&search](const std::optional<TagValue>& value) {
        return value && value->text().contains(search, Qt::CaseInsensitive);
    });
}

} // namespace halvex
