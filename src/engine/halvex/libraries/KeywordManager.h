#pragma once

#include "engine/halvex/libraries/KeywordItem.h"
#include "engine/halvex/libraries/LibraryFile.h"

namespace halvex {

// The keyword library: an ordered list of top-level keyword items, each with its subtree, and
// the current item the keyword window works on. Stored in "Keywords.json" in the application's
// data folder.
//
// Main thread only. Every change posts didChangeItemsNotification (object = the manager, with an
// ItemEdition) inside the changing call; handlers may call back into the manager.
class KeywordManager {
public:
    using ItemEdition = KeywordEdition;

    static const QString didChangeItemsNotification;

    static KeywordManager& shared();

    // A library stored at `filePath`.
    explicit KeywordManager(const QString& filePath);
    KeywordManager(const KeywordManager&) = delete;
    KeywordManager& operator=(const KeywordManager&) = delete;

    // Replaces the items by the stored ones; no stored file means no items. Throws LibraryError,
    // naming the file and the reason, when the file cannot be read; the items are then left as
    // they were, and the next save() keeps the unreadable file aside before writing.
    void load();
    // Throws LibraryError naming the file and the reason; the stored file is then unchanged.
    void save();

    QList<KeywordItemPtr> items() const { return items_; }
    // The items must be detached. Posts a reload.
    void setItems(const QList<KeywordItemPtr>& items);

    KeywordItemPtr currentItem() const { return currentItem_; }
    // Posts a selection edition, only when the item is another one than the current one.
    void setCurrentItem(const KeywordItemPtr& item);

    // The number of keywords in the whole tree.
    int keywordCount() const;

    // The items must be detached. The index is clamped to the list. Posts an insertion.
    void insertItems(const QList<KeywordItemPtr>& items, int index);
    // Positions beyond the list are ignored. Posts a removal of the removed positions.
    void removeItems(const brisa::IndexSet& indexes);
    // Removes the item, with its subtree, wherever it sits in the library; the removal is
    // posted by its parent (didChangeChildrenNotification) or, at the top level, by the manager.
    // An item that is not in the library is left alone.
    void removeItem(const KeywordItem* item);

    // The change a didChangeItemsNotification carries; none for another note.
    static std::optional<ItemEdition> itemEdition(const brisa::Notification& note);

private:
    void post(const ItemEdition& edition);
    bool holds(const KeywordItem* item) const;

    LibraryFile file_;
    QList<KeywordItemPtr> items_;
    KeywordItemPtr currentItem_;
};

} // namespace halvex
