#include "presets/PresetEditPropertyWindowController.h"

#include "engine/halvex/libraries/PresetGroup.h"
#include "platform/brisa/ui/DynamicTouchBarItem.h"
#include "platform/brisa/ui/DynamicTouchBarItemButtonSettings.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/WindowControl.h"
#include "widgets/TextLocalizer.h"

#include <QPointer>
#include <QPushButton>

namespace corvelle {

PresetEditPropertyWindowController::PresetEditPropertyWindowController(QWidget* parent) : QDialog(parent) {}

PresetEditPropertyWindowController::~PresetEditPropertyWindowController() = default;

void PresetEditPropertyWindowController::setupSheet(QPushButton* cancelButton, QPushButton* validateButton)
{
    connect(cancelButton, &QPushButton::clicked, this, &PresetEditPropertyWindowController::cancelEdition);
    connect(validateButton, &QPushButton::clicked, this, &PresetEditPropertyWindowController::validateEdition);
    const QPointer<PresetEditPropertyWindowController> self(this);
    brisa::DynamicTouchBarItemSet& items = touchBar_.addItemSet({});
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    items.addItem([self](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("RemoteEditCancelAction"));
        settings.action = [self] {
            if (self)
                self->cancelEdition();
        };
    });
    items.addItem([self](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("RemoteEditSaveAction"));
        settings.action = [self] {
            if (self)
                self->validateEdition();
        };
    });
    touchBar_.reloadDisplayedItems();
    const auto handler = [this](const brisa::Notification& note) { itemDidChangeInfo(note.object); };
    groupDidChangeInfoSubscriber_.subscribe(halvex::PresetGroup::didChangeInfoNotification, nullptr, handler);
    presetDidChangeInfoSubscriber_.subscribe(halvex::PresetItem::didChangeInfoNotification, nullptr, handler);
}

void PresetEditPropertyWindowController::setItem(const std::shared_ptr<halvex::PresetLibraryObject>& item)
{
    item_ = item;
    loadValues();
}

void PresetEditPropertyWindowController::itemDidChangeInfo(const void* object)
{
    if (object == static_cast<const void*>(item_.get()) || (!object && !item_))
        loadValues();
}

void PresetEditPropertyWindowController::cancelEdition()
{
    done(0);
}

void PresetEditPropertyWindowController::validateEdition()
{
    brisa::WindowControl::forceEndEditing(this);
    applyValues();
    done(1);
}

} // namespace corvelle
