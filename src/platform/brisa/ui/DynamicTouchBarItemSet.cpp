#include "platform/brisa/ui/DynamicTouchBarItemSet.h"

namespace brisa {

DynamicTouchBarItemSet::DynamicTouchBarItemSet(std::function<bool()> isEnabled)
    : isEnabled_(std::move(isEnabled))
{
}

bool DynamicTouchBarItemSet::isEnabled() const
{
    return !isEnabled_ || isEnabled_();
}

QList<DynamicTouchBarItem*> DynamicTouchBarItemSet::items() const
{
    QList<DynamicTouchBarItem*> list;
    for (const auto& item : items_)
        list.append(item.get());
    return list;
}

DynamicTouchBarItem& DynamicTouchBarItemSet::appendItem(std::unique_ptr<DynamicTouchBarItem> item)
{
    items_.push_back(std::move(item));
    return *items_.back();
}

} // namespace brisa
