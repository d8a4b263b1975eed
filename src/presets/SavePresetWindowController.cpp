#include "presets/SavePresetWindowController.h"

#include "platform/brisa/ui/DynamicTouchBarItem.h"
#include "platform/brisa/ui/DynamicTouchBarItemButtonSettings.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/WindowControl.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_SavePresetWindow.h"

#include <QPointer>

namespace corvelle {

SavePresetWindowController::SavePresetWindowController(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::SavePresetWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &SavePresetWindowController::cancelSheet);
    connect(ui_->saveButton, &QPushButton::clicked, this, &SavePresetWindowController::saveSheet);

    const QPointer<SavePresetWindowController> self(this);
    brisa::DynamicTouchBarItemSet& items = touchBar_.addItemSet({});
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    items.addItem([self](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("EditorPanelCancelTouchButton"));
        settings.action = [self] {
            if (self)
                self->cancelSheet();
        };
    });
    items.addItem([self](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("EditorPanelSaveTouchButton"));
        settings.action = [self] {
            if (self)
                self->saveSheet();
        };
    });
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    touchBar_.reloadDisplayedItems();
}

SavePresetWindowController::~SavePresetWindowController() = default;

QString SavePresetWindowController::name() const
{
    return ui_->nameTextField->text();
}

QString SavePresetWindowController::detail() const
{
    return ui_->detailTextField->text();
}

void SavePresetWindowController::cancelSheet()
{
    done(0);
}

void SavePresetWindowController::saveSheet()
{
    brisa::WindowControl::forceEndEditing(this);
    done(1);
}

} // namespace corvelle
