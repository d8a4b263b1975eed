#pragma once

#include "platform/brisa/ui/DynamicToolbarItemContainer.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace brisa {

// An ordered group of toolbar items, shown while its isEnabled closure answers true.
class DynamicToolbarItemSet : public QObject, public DynamicToolbarItemContainer {
    Q_OBJECT
public:
    // No closure: always enabled.
    explicit DynamicToolbarItemSet(std::function<bool()> isEnabled = {}, QObject* parent = nullptr);
    ~DynamicToolbarItemSet() override;

    bool isEnabled() const;
    QList<DynamicToolbarItem*> items() const;

protected:
    DynamicToolbarItem& appendItem(std::unique_ptr<DynamicToolbarItem> item) override;
    int itemCount() const override;

private:
    std::function<bool()> isEnabled_;
    std::vector<std::unique_ptr<DynamicToolbarItem>> items_;
};

} // namespace brisa
