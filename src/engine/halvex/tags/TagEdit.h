#pragma once

#include "engine/ostrak/TagName.h"

#include <QStringList>

#include <optional>

namespace halvex {

// One staged change of one tag, kept apart from the stored value until saved.
struct TagEdit {
    ostrak::TagName tagName;
    // None deletes the tag; one item for a single value; the items of a list value.
    std::optional<QStringList> values;
    // Increases with every change staged in any editor: a saved edit that was staged again since
    // the save began has another revision and is kept.
    quint64 revision = 0;
    // Staged although it holds the stored value, so that a save writes the tag again.
    bool forced = false;

    bool isDeletion() const { return !values.has_value(); }
    // List items joined with ", "; none for a deletion.
    std::optional<QString> text() const
    {
        return values ? std::optional<QString>(values->join(QStringLiteral(", "))) : std::nullopt;
    }

    friend bool operator==(const TagEdit&, const TagEdit&) = default;
};

} // namespace halvex
