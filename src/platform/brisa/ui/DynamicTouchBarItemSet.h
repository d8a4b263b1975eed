#pragma once

#include "platform/brisa/ui/DynamicTouchBarItemContainer.h"

#include <QList>

#include <functional>
#include <memory>
#include <vector>

namespace brisa {

// An ordered group of touch-bar items, shown while its isEnabled closure answers true.
class DynamicTouchBarItemSet : public DynamicTouchBarItemContainer {
public:
    // No closure: always enabled.
    explicit DynamicTouchBarItemSet(std::function<bool()> isEnabled = {});

    bool isEnabled() const;
    QList<DynamicTouchBarItem*> items() const;

protected:
    DynamicTouchBarItem& appendItem(std::unique_ptr<DynamicTouchBarItem> item) override;

private:
    std::function<bool()> isEnabled_;
    std::vector<std::unique_ptr<DynamicTouchBarItem>> items_;
};

} // namespace brisa
