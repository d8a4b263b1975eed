#pragma once

#include "platform/brisa/ui/DynamicTouchBarItem.h"

#include <memory>

namespace brisa {

// What can receive touch-bar items.
class DynamicTouchBarItemContainer {
public:
    virtual ~DynamicTouchBarItemContainer();

    DynamicTouchBarItem& addItem(std::unique_ptr<DynamicTouchBarItem> item);
    // A button: `createButton` fills its settings once, `update` runs on every reload.
    DynamicTouchBarItem& addItem(const DynamicTouchBarItem::Configure& createButton,
                                 DynamicTouchBarItem::Update update = {});

protected:
    virtual DynamicTouchBarItem& appendItem(std::unique_ptr<DynamicTouchBarItem> item) = 0;
};

} // namespace brisa
