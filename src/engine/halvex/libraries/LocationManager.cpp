#include "engine/halvex/libraries/LocationManager.h"

namespace halvex {

const QString LocationManager::didChangeItemsNotification = QStringLiteral("HalvexLocationManagerDidChangeItems");

LocationManager& LocationManager::shared()
{
    static LocationManager manager(LibraryFile::dataPath(QStringLiteral("Locations.json")));
    return manager;
}

LocationManager::LocationManager(const QString& filePath)
    : list_(filePath, didChangeItemsNotification, this, [this] {
        // A selected item that left the library must not be edited or shown as selected.
        if (selectedItem_ && !list_.contains(selectedItem_.get()))
            selectedItem_.reset();
    })
{
}

void LocationManager::load()
{
    list_.load();
}

void LocationManager::save()
{
    list_.save();
}

void LocationManager::setItems(const QList<LocationItemPtr>& items)
{
    list_.set(items);
}

void LocationManager::setSelectedItem(const LocationItemPtr& item)
{
    const LocationItemPtr selected = item && list_.contains(item.get()) ? item : nullptr;
    if (selected == selectedItem_)
        return;
    selectedItem_ = selected;
    list_.post(ItemEdition::selection());
}

void LocationManager::insertItems(const QList<LocationItemPtr>& items, int index)
{
    list_.insert(items, index);
}

void LocationManager::removeItems(const brisa::IndexSet& indexes)
{
    list_.remove(indexes);
}

void LocationManager::moveItems(const brisa::IndexSet& indexes, int row)
{
    list_.move(indexes, row);
}

std::optional<LocationManager::ItemEdition> LocationManager::itemEdition(const brisa::Notification& note)
{
    return LibraryItemList<LocationItem>::edition(note, didChangeItemsNotification);
}

} // namespace halvex
