#pragma once

#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/core/Notification.h"

#include <QMetaType>
#include <QString>
#include <QVariantMap>

#include <optional>

namespace brisa {

// One change of a list with a selection, as announced to the views that show the list so that
// they animate exactly the rows that changed.
class SelectableArrayEdition {
public:
    // In case order.
    enum class Kind { Insertion, Replacement, Removal, Move, Selection, Reload };

    // `count` elements inserted, the first of them at `index`.
    static SelectableArrayEdition insertion(int count, int index);
    static SelectableArrayEdition replacement(int index);
    // The removed positions, as they were before the removal.
    static SelectableArrayEdition removal(const IndexSet& indexes);
    // The moved positions before the move, and the destination given to the move (a position
    // before the move; see brisa::move).
    static SelectableArrayEdition move(const IndexSet& indexes, int destination);
    static SelectableArrayEdition selection(const IndexSet& selection);
    // Everything may have changed; the selection after the change.
    static SelectableArrayEdition reload(const IndexSet& selection);

    // A reload with an empty selection.
    SelectableArrayEdition() = default;

    Kind kind() const { return kind_; }
    // Insertion: the number of inserted elements; 0 for the other kinds.
    int count() const { return count_; }
    // Insertion, replacement: the index; move: the destination; -1 for the other kinds.
    int index() const { return index_; }
    int destination() const { return index_; }
    // Removal, move: the positions; selection, reload: the selection; empty for the others.
    const IndexSet& indexes() const { return indexes_; }

    friend bool operator==(const SelectableArrayEdition&, const SelectableArrayEdition&) = default;

    // The user-info key under which an edition travels in a notification.
    static const QString editionKey;

    // Puts the edition under editionKey.
    void putInto(QVariantMap& userInfo) const;
    QVariantMap userInfo() const;
    // The edition under editionKey; none when it is missing or holds something else.
    static std::optional<SelectableArrayEdition> from(const QVariantMap& userInfo);
    static std::optional<SelectableArrayEdition> from(const Notification& note);

private:
    SelectableArrayEdition(Kind kind, int count, int index, const IndexSet& indexes);

    Kind kind_ = Kind::Reload;
    int count_ = 0;
    int index_ = -1;
    IndexSet indexes_;
};

} // namespace brisa

Q_DECLARE_METATYPE(brisa::SelectableArrayEdition)
