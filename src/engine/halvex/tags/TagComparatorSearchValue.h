#pragma once

#include <QMetaType>
#include <QString>

#include <optional>
#include <utility>

namespace halvex {

// How one cell of a tag comparison shows: the tag column in bold on the right, values on the
// left, binary placeholders faded, and values that differ from file to file accented.
struct TagComparatorSearchValue {
    bool isBold = false;
    // None: the cell is empty (the file lacks the tag).
    std::optional<QString> text;
    // The search text to mark in `text`, when there is one.
    std::optional<QString> searchText;
    // Left alignment for bold text; with isFaded, drawn at half opacity.
    bool keepsLeftAlignment = false;
    bool isFaded = false;
    bool isAccented = false;

    // The first place of `search` in `text`, ignoring case, as (start, length) in UTF-16 units;
    // none for an empty search or none found.
    static std::optional<std::pair<qsizetype, qsizetype>> rangeOf(const QString& search, const QString& text);

    friend bool operator==(const TagComparatorSearchValue&, const TagComparatorSearchValue&) = default;
};

} // namespace halvex

Q_DECLARE_METATYPE(halvex::TagComparatorSearchValue)
