#pragma once

#include "engine/halvex/libraries/LibraryItemList.h"
#include "engine/halvex/libraries/LocationItem.h"

namespace halvex {

// The location library: the ordered favourite places of the find-location sheet and the one
// selected among them. Stored in "Locations.json" in the application's data folder.
//
// Main thread only. Every change posts didChangeItemsNotification (object = the manager, with an
// ItemEdition) inside the changing call; handlers may call back into the manager.
class LocationManager {
public:
    using ItemEdition = LibraryListEdition;

    static const QString didChangeItemsNotification;

    static LocationManager& shared();

    // A library stored at `filePath`.
    explicit LocationManager(const QString& filePath);
    LocationManager(const LocationManager&) = delete;
    LocationManager& operator=(const LocationManager&) = delete;

    // Replaces the items by the stored ones; no stored file means no items. Throws LibraryError,
    // naming the file and the reason, when the file cannot be read; the items are then left as
    // they were, and the next save() keeps the unreadable file aside before writing.
    void load();
    // Throws LibraryError naming the file and the reason; the stored file is then unchanged.
    void save();

    const QList<LocationItemPtr>& items() const { return list_.items(); }
    // Posts a reload; the selection is cleared when its item is not among them. Reset is
    // setItems({}) then save(), which keeps an unreadable file aside.
    void setItems(const QList<LocationItemPtr>& items);

    LocationItemPtr selectedItem() const { return selectedItem_; }
    // An item that is not in the library selects none. Posts a selection edition, only when
    // the selected item changes.
    void setSelectedItem(const LocationItemPtr& item);

    // The items must not be in the library yet. The index is clamped. Posts an insertion.
    void insertItems(const QList<LocationItemPtr>& items, int index);
    // Positions beyond the list are ignored. Posts a removal of the removed positions; the
    // selection is cleared first when its item is removed.
    void removeItems(const brisa::IndexSet& indexes);
    // Moves the items to the drop row (see brisa::move). Posts the move, unless the order stays.
    void moveItems(const brisa::IndexSet& indexes, int row);

    // The change a didChangeItemsNotification carries; none for another note.
    static std::optional<ItemEdition> itemEdition(const brisa::Notification& note);

private:
    LibraryItemList<LocationItem> list_;
    LocationItemPtr selectedItem_;
};

} // namespace halvex
