#pragma once

#include "platform/brisa/core/IndexSet.h"

#include <optional>

namespace halvex {

// What changed in a value table's content, as its reload notification tells. Reached as
// TagValueTable::ReloadType.
class TagValueTableReloadType {
public:
    enum class Kind {
        // Only the rows at changedEntryIndexes() changed (all of them when it is none); the
        // entries and the selection are as they were.
        changedEntries,
        // Anything may have changed: entries, rows and selection.
        reloadAll,
        // Only the selection changed.
        reselect,
    };

    static TagValueTableReloadType changedEntries(std::optional<brisa::IndexSet> indexes)
    {
        return TagValueTableReloadType(Kind::changedEntries, std::move(indexes));
    }
    static TagValueTableReloadType reloadAll() { return TagValueTableReloadType(Kind::reloadAll, std::nullopt); }
    static TagValueTableReloadType reselect() { return TagValueTableReloadType(Kind::reselect, std::nullopt); }

    Kind kind() const { return kind_; }
    const std::optional<brisa::IndexSet>& changedEntryIndexes() const { return changedEntryIndexes_; }

    friend bool operator==(const TagValueTableReloadType&, const TagValueTableReloadType&) = default;

private:
    TagValueTableReloadType(Kind kind, std::optional<brisa::IndexSet> indexes)
        : kind_(kind), changedEntryIndexes_(std::move(indexes))
    {
    }

    Kind kind_;
    std::optional<brisa::IndexSet> changedEntryIndexes_;
};

} // namespace halvex
