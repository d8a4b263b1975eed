#pragma once

#include "platform/brisa/ui/DynamicTouchBarItemContainer.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"

#include <QList>

#include <functional>
#include <memory>
#include <vector>

namespace brisa {

// The model of a touch bar: item sets in order, each shown while enabled. Linux has no
// touch-bar hardware, so nothing is drawn; the displayed items and their enabled states are
// kept and can be read through touchBar().
class DynamicTouchBar : public DynamicTouchBarItemContainer {
public:
    DynamicTouchBar();
    ~DynamicTouchBar() override;
    DynamicTouchBar(const DynamicTouchBar&) = delete;
    DynamicTouchBar& operator=(const DynamicTouchBar&) = delete;

    DynamicTouchBarItemSet& addItemSet(std::function<bool()> isEnabled);

    // Takes the items of the sets enabled now and runs their update closures.
    void reloadDisplayedItems();
    // The displayed items, made by a first reload when none has happened yet.
    QList<DynamicTouchBarItem*> touchBar();

protected:
    // Items added to the touch bar itself go to its last item set (an always-enabled one if none).
    DynamicTouchBarItem& appendItem(std::unique_ptr<DynamicTouchBarItem> item) override;

private:
    std::vector<std::unique_ptr<DynamicTouchBarItemSet>> itemSets_;
    QList<DynamicTouchBarItem*> displayed_;
    bool loaded_ = false;
    bool reloading_ = false;
    bool reloadAgain_ = false;
};

} // namespace brisa
