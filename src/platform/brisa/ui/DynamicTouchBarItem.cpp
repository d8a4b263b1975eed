#include "platform/brisa/ui/DynamicTouchBarItem.h"

namespace brisa {

DynamicTouchBarItem::DynamicTouchBarItem(Kind kind, Update update)
    : kind_(kind)
    , update_(std::move(update))
{
}

std::unique_ptr<DynamicTouchBarItem> DynamicTouchBarItem::createButton(const Configure& configure, Update update)
{
    std::unique_ptr<DynamicTouchBarItem> item(new DynamicTouchBarItem(Kind::Button, std::move(update)));
    if (configure)
        configure(item->settings_);
    return item;
}

std::unique_ptr<DynamicTouchBarItem> DynamicTouchBarItem::flexibleSpace()
{
    return std::unique_ptr<DynamicTouchBarItem>(new DynamicTouchBarItem(Kind::FlexibleSpace, {}));
}

void DynamicTouchBarItem::update()
{
    if (update_)
        update_(*this);
}

bool DynamicTouchBarItem::perform()
{
    if (kind_ != Kind::Button || !enabled_ || !settings_.action)
        return false;
    settings_.action();
    return true;
}

} // namespace brisa
