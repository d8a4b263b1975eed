#include "platform/brisa/ui/DynamicTouchBar.h"

namespace brisa {

DynamicTouchBar::DynamicTouchBar() = default;

DynamicTouchBar::~DynamicTouchBar() = default;

DynamicTouchBarItemSet& DynamicTouchBar::addItemSet(std::function<bool()> isEnabled)
{
    itemSets_.push_back(std::make_unique<DynamicTouchBarItemSet>(std::move(isEnabled)));
    return *itemSets_.back();
}

void DynamicTouchBar::reloadDisplayedItems()
{
    // An update closure may ask for a reload; it runs once the current one is over.
    if (reloading_) {
        reloadAgain_ = true;
        return;
    }
    reloading_ = true;
    loaded_ = true;
    do {
        reloadAgain_ = false;
        displayed_.clear();
        for (const auto& set : itemSets_) {
            if (set->isEnabled())
                displayed_ += set->items();
        }
        for (DynamicTouchBarItem* item : std::as_const(displayed_))
            item->update();
    } while (reloadAgain_);
    reloading_ = false;
}

QList<DynamicTouchBarItem*> DynamicTouchBar::touchBar()
{
    if (!loaded_)
        reloadDisplayedItems();
    return displayed_;
}

DynamicTouchBarItem& DynamicTouchBar::appendItem(std::unique_ptr<DynamicTouchBarItem> item)
{
    if (itemSets_.empty())
        addItemSet({});
    return itemSets_.back()->addItem(std::move(item));
}

} // namespace brisa
