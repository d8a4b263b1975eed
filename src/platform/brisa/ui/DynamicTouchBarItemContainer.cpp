#include "platform/brisa/ui/DynamicTouchBarItemContainer.h"

namespace brisa {

DynamicTouchBarItemContainer::~DynamicTouchBarItemContainer() = default;

DynamicTouchBarItem& DynamicTouchBarItemContainer::addItem(std::unique_ptr<DynamicTouchBarItem> item)
{
    return appendItem(std::move(item));
}

DynamicTouchBarItem& DynamicTouchBarItemContainer::addItem(const DynamicTouchBarItem::Configure& createButton,
                                                           DynamicTouchBarItem::Update update)
{
    return appendItem(DynamicTouchBarItem::createButton(createButton, std::move(update)));
}

} // namespace brisa
