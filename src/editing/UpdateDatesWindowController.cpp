#include "editing/UpdateDatesWindowController.h"

#include "editing/DateTimeActionViewController.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/WindowControl.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_UpdateDatesWindow.h"

#include <QPointer>

namespace corvelle {

UpdateDatesWindowController::UpdateDatesWindowController(QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::UpdateDatesWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    actionViewController_ = new DateTimeActionViewController(ui_->containerView);
    actionViewController_->loadView();
    brisa::FilledSubview::setFilledSubview(ui_->containerView, actionViewController_);
    // The window follows the fields of the chosen kind.
    QPointer<UpdateDatesWindowController> weakSelf(this);
    actionViewController_->setEditionTypeChangeHandler([weakSelf] {
        if (weakSelf)
            weakSelf->adjustSize();
    });
    connect(ui_->cancelButton, &QAbstractButton::clicked, this, &UpdateDatesWindowController::cancelSheet);
    connect(ui_->applyButton, &QAbstractButton::clicked, this, &UpdateDatesWindowController::applySheet);
    setupTouchBar();
    ui_->cancelButton->setEnabled(true);
    ui_->applyButton->setEnabled(true);
}

UpdateDatesWindowController::~UpdateDatesWindowController() = default;

QPushButton* UpdateDatesWindowController::cancelButton() const { return ui_->cancelButton; }
QPushButton* UpdateDatesWindowController::applyButton() const { return ui_->applyButton; }

void UpdateDatesWindowController::setupTouchBar()
{
    QPointer<UpdateDatesWindowController> weakSelf(this);
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar_.addItemSet({});
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    items.addItem([weakSelf](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("EditorPanelCancelTouchButton"));
        settings.width = brisa::DynamicTouchBarItemButtonSettings::standardWidth;
        settings.action = [weakSelf] {
            if (weakSelf)
                weakSelf->cancelSheet();
        };
    });
    items.addItem([weakSelf](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("EditorPanelApplyTouchButton"));
        settings.width = brisa::DynamicTouchBarItemButtonSettings::standardWidth;
        settings.bezelColor = brisa::DynamicTouchBarItemButtonSettings::accentColor();
        settings.action = [weakSelf] {
            if (weakSelf)
                weakSelf->applySheet();
        };
    });
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
}

std::optional<halvex::DateEdition> UpdateDatesWindowController::selectedDateEdition() const
{
    return actionViewController_->selectedEdition();
}

void UpdateDatesWindowController::cancelSheet()
{
    done(QDialog::Rejected);
}

void UpdateDatesWindowController::applySheet()
{
    brisa::WindowControl::forceEndEditing(this);
    done(QDialog::Accepted);
}

} // namespace corvelle
