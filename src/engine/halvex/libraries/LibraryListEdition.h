#pragma once

#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/core/Notification.h"

#include <QMetaType>
#include <QVariantMap>

#include <optional>

namespace halvex {

// One change of a flat library list with a selection (locations, remote profiles), carried by
// the list's change notification so that the views animate exactly the rows that changed.
class LibraryListEdition {
public:
    // In case order. `selection`: only the selection changed.
    enum class Kind { insertion, removal, move, reload, selection };

    // The positions after the insertion.
    static LibraryListEdition insertion(const brisa::IndexSet& indexes);
    // The positions before the removal.
    static LibraryListEdition removal(const brisa::IndexSet& indexes);
    // The positions before the move, and the row they were dropped at (see brisa::move).
    static LibraryListEdition move(const brisa::IndexSet& indexes, int destination);
    static LibraryListEdition reload();
    static LibraryListEdition selection();

    // A reload.
    LibraryListEdition() = default;

    Kind kind() const { return kind_; }
    // Insertion, removal and move: the rows; empty for the other kinds.
    const brisa::IndexSet& indexes() const { return indexes_; }
    // Move: the drop row; -1 for the other kinds.
    int destination() const { return destination_; }

    friend bool operator==(const LibraryListEdition&, const LibraryListEdition&) = default;

    QVariantMap userInfo() const;
    // None when the note carries no list edition.
    static std::optional<LibraryListEdition> from(const brisa::Notification& note);

private:
    LibraryListEdition(Kind kind, const brisa::IndexSet& indexes, int destination)
        : kind_(kind), indexes_(indexes), destination_(destination)
    {
    }

    Kind kind_ = Kind::reload;
    brisa::IndexSet indexes_;
    int destination_ = -1;
};

} // namespace halvex

Q_DECLARE_METATYPE(halvex::LibraryListEdition)
