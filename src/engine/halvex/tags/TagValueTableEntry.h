#pragma once

#include "engine/halvex/libraries/TagSection.h"
#include "engine/halvex/tags/TagValueTableRowValue.h"

#include <QVariant>

#include <optional>
#include <variant>

namespace halvex {

// One entry of a value table's content: a section heading, or a tag row with its value and the
// display content that the request's row provider made for it. Reached as TagValueTable::Entry.
class TagValueTableEntry {
public:
    TagValueTableEntry(TagSection section) : value_(std::move(section)) {}
    TagValueTableEntry(TagValueTableRowValue rowValue, QVariant content = {})
        : value_(Row{std::move(rowValue), std::move(content)})
    {
    }

    bool isSection() const { return std::holds_alternative<TagSection>(value_); }
    bool isRow() const { return !isSection(); }
    // Only for a section. Its heading is the section's localizedName().
    const TagSection& section() const { return std::get<TagSection>(value_); }
    // Only for a tag row.
    const TagValueTableRowValue& rowValue() const { return std::get<Row>(value_).rowValue; }
    // Invalid for a section, or when the request has no row provider.
    QVariant content() const
    {
        const Row* row = std::get_if<Row>(&value_);
        return row ? row->content : QVariant();
    }
    // None for a section.
    std::optional<ostrak::TagName> tagName() const
    {
        const Row* row = std::get_if<Row>(&value_);
        return row ? std::optional<ostrak::TagName>(row->rowValue.tagItem().tagName()) : std::nullopt;
    }

private:
    struct Row {
        TagValueTableRowValue rowValue;
        QVariant content;
    };

    std::variant<TagSection, Row> value_;
};

} // namespace halvex
