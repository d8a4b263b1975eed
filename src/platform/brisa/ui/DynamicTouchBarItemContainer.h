#pragma once

#include "platform/brisa/ui/DynamicTouchBarItem.h"

#include <QPointer>
#include <QString>

#include <functional>
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
    // The row of a sheet: a flexible space, the cancel button, the confirming button in the
    // accent colour, a flexible space. The actions run only while `owner` exists; the confirming
    // button is enabled while `canConfirm` answers true, the cancel button while `canCancel`
    // does (each always without its closure).
    void addSheetButtons(QObject* owner, const QString& cancelTitle, std::function<void()> cancel,
                         const QString& confirmTitle, std::function<void()> confirm,
                         std::function<bool()> canConfirm = {}, std::function<bool()> canCancel = {});

protected:
    virtual DynamicTouchBarItem& appendItem(std::unique_ptr<DynamicTouchBarItem> item) = 0;
};

} // namespace brisa
