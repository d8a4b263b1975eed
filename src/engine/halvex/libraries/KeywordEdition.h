#pragma once

#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/core/Notification.h"

#include <QMetaType>
#include <QVariantMap>

#include <optional>

namespace halvex {

// One change of the keyword library, carried by its change notifications so that the views
// animate exactly the rows that changed: the top-level list of the manager
// (KeywordManager::ItemEdition) or the children of one item (KeywordItem::ChildrenEdition).
class KeywordEdition {
public:
    // In case order. `selection` is only posted by the manager: only its current item changed.
    enum class Kind { insertion, removal, reload, selection };

    // The positions after the insertion.
    static KeywordEdition insertion(const brisa::IndexSet& indexes);
    // The positions before the removal.
    static KeywordEdition removal(const brisa::IndexSet& indexes);
    static KeywordEdition reload();
    static KeywordEdition selection();

    // A reload.
    KeywordEdition() = default;

    Kind kind() const { return kind_; }
    // Insertion and removal: the rows; empty for the other kinds.
    const brisa::IndexSet& indexes() const { return indexes_; }

    friend bool operator==(const KeywordEdition&, const KeywordEdition&) = default;

    QVariantMap userInfo() const;
    // None when the note carries no keyword edition.
    static std::optional<KeywordEdition> from(const brisa::Notification& note);

private:
    KeywordEdition(Kind kind, const brisa::IndexSet& indexes) : kind_(kind), indexes_(indexes) {}

    Kind kind_ = Kind::reload;
    brisa::IndexSet indexes_;
};

} // namespace halvex

Q_DECLARE_METATYPE(halvex::KeywordEdition)
