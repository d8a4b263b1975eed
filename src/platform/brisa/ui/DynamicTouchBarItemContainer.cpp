#include "platform/brisa/ui/DynamicTouchBarItemContainer.h"

#include "platform/brisa/ui/DynamicTouchBarItemButtonSettings.h"

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

void DynamicTouchBarItemContainer::addSheetButtons(QObject* owner, const QString& cancelTitle, std::function<void()> cancel,
                                                   const QString& confirmTitle, std::function<void()> confirm,
                                                   std::function<bool()> canConfirm, std::function<bool()> canCancel)
{
    const QPointer<QObject> guard(owner);
    addItem(DynamicTouchBarItem::flexibleSpace());
    addItem(
        [guard, cancelTitle, cancel](DynamicTouchBarItemButtonSettings& settings) {
            settings.title = cancelTitle;
            settings.width = DynamicTouchBarItemButtonSettings::standardWidth;
            settings.action = [guard, cancel] {
                if (guard)
                    cancel();
            };
        },
        [guard, canCancel](DynamicTouchBarItem& item) { item.setEnabled(guard && (!canCancel || canCancel())); });
    addItem(
        [guard, confirmTitle, confirm](DynamicTouchBarItemButtonSettings& settings) {
            settings.title = confirmTitle;
            settings.width = DynamicTouchBarItemButtonSettings::standardWidth;
            settings.bezelColor = DynamicTouchBarItemButtonSettings::accentColor();
            settings.action = [guard, confirm] {
                if (guard)
                    confirm();
            };
        },
        [guard, canConfirm](DynamicTouchBarItem& item) { item.setEnabled(guard && (!canConfirm || canConfirm())); });
    addItem(DynamicTouchBarItem::flexibleSpace());
}

} // namespace brisa
