#pragma once

#include "engine/halvex/tags/TagComparatorGroupEntry.h"

#include <QString>

#include <variant>

namespace halvex {

// One row of a tag comparison: a group heading (the family-1 group's name) or a tag.
class TagComparatorRow {
public:
    TagComparatorRow(QString heading) : value_(std::move(heading)) {}
    TagComparatorRow(TagComparatorGroupEntry entry) : value_(std::move(entry)) {}

    bool isHeading() const { return std::holds_alternative<QString>(value_); }
    // Only for a heading.
    const QString& heading() const { return std::get<QString>(value_); }
    // Only for a tag.
    const TagComparatorGroupEntry& entry() const { return std::get<TagComparatorGroupEntry>(value_); }

private:
    std::variant<QString, TagComparatorGroupEntry> value_;
};

} // namespace halvex
