#include "engine/halvex/libraries/KeywordManager.h"

#include "platform/brisa/core/ArrayHelpers.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <algorithm>

namespace halvex {

namespace {

int countKeywords(const QList<KeywordItemPtr>& items)
{
    int count = int(items.size());
    for (const KeywordItemPtr& item : items)
        count += countKeywords(item->children());
    return count;
}

int indexOf(const QList<KeywordItemPtr>& items, const KeywordItem* item)
{
    const auto found = std::find_if(items.cbegin(), items.cend(),
                                    [item](const KeywordItemPtr& candidate) { return candidate.get() == item; });
    return found == items.cend() ? -1 : int(found - items.cbegin());
}

} // namespace

const QString KeywordManager::didChangeItemsNotification = QStringLiteral("HalvexKeywordManagerDidChangeItems");

KeywordManager& KeywordManager::shared()
{
    static KeywordManager manager(LibraryFile::dataPath(QStringLiteral("Keywords.json")));
    return manager;
}

KeywordManager::KeywordManager(const QString& filePath) : file_(filePath)
{
}

void KeywordManager::load()
{
    setItems(file_.load<QList<KeywordItemPtr>>().value_or(QList<KeywordItemPtr>()));
}

void KeywordManager::save()
{
    file_.save(items_);
}

void KeywordManager::setItems(const QList<KeywordItemPtr>& items)
{
    items_ = items;
    post(ItemEdition::reload());
}

void KeywordManager::setCurrentItem(const KeywordItemPtr& item)
{
    if (item == currentItem_)
        return;
    currentItem_ = item;
    post(ItemEdition::selection());
}

int KeywordManager::keywordCount() const
{
    return countKeywords(items_);
}

void KeywordManager::insertItems(const QList<KeywordItemPtr>& items, int index)
{
    if (items.isEmpty())
        return;
    index = std::clamp(index, 0, int(items_.size()));
    for (int i = 0; i < items.size(); ++i)
        items_.insert(index + i, items.at(i));
    post(ItemEdition::insertion(brisa::IndexSet::range(index, int(items.size()))));
}

void KeywordManager::removeItems(const brisa::IndexSet& indexes)
{
    brisa::IndexSet removed;
    for (int index : indexes) {
        if (index < items_.size())
            removed.insert(index);
    }
    if (removed.isEmpty())
        return;
    brisa::remove(items_, removed);
    post(ItemEdition::removal(removed));
}

void KeywordManager::removeItem(const KeywordItem* item)
{
    if (!item || !holds(item))
        return;
    if (KeywordItem* parent = item->parent())
        parent->removeChildren({indexOf(parent->children(), item)});
    else
        removeItems({indexOf(items_, item)});
}

std::optional<KeywordManager::ItemEdition> KeywordManager::itemEdition(const brisa::Notification& note)
{
    if (note.name != didChangeItemsNotification)
        return std::nullopt;
    return KeywordEdition::from(note);
}

void KeywordManager::post(const ItemEdition& edition)
{
    brisa::NotificationCenter::defaultCenter().post(didChangeItemsNotification, this, edition.userInfo());
}

bool KeywordManager::holds(const KeywordItem* item) const
{
    const KeywordItem* root = item;
    while (KeywordItem* parent = root->parent())
        root = parent;
    return indexOf(items_, root) >= 0;
}

} // namespace halvex
