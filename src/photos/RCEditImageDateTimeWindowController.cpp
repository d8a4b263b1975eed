#include "photos/RCEditImageDateTimeWindowController.h"

#include "widgets/TextLocalizer.h"

#include "ui_RCEditImageDateTimeWindow.h"

namespace corvelle {

RCEditImageDateTimeWindowController::RCEditImageDateTimeWindowController(QWidget* parent)
    : RCEditPropertyWindowController(parent), ui_(std::make_unique<Ui::RCEditImageDateTimeWindow>())
{
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    windowDidLoad(content);
}

RCEditImageDateTimeWindowController::~RCEditImageDateTimeWindowController() = default;

void RCEditImageDateTimeWindowController::setupViews()
{
    // Typing goes to the value, not to the switch before it.
    ui_->customDatePicker->setFocus();
    setWindowTitle(localizedString(QStringLiteral("RemoteProfileFileDateTime")));
    ui_->customDatePicker->setDateTime(QDateTime::currentDateTime());
    connect(ui_->customDatePicker, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!loading_)
            ui_->useCustomDataSwitch->setChecked(true);
    });
}

void RCEditImageDateTimeWindowController::loadValue()
{
    const std::optional<QDateTime> date =
        profile() && profile()->dateTimeEdition() ? profile()->dateTimeEdition()->date() : std::nullopt;
    loading_ = true;
    ui_->useCustomDataSwitch->setChecked(date.has_value());
    ui_->customDatePicker->setDateTime(date ? date->toLocalTime() : QDateTime::currentDateTime());
    loading_ = false;
}

void RCEditImageDateTimeWindowController::saveValue()
{
    if (!profile())
        return;
    if (ui_->useCustomDataSwitch->isChecked())
        profile()->setDateTimeEdition(halvex::PhotosRemoteDateTimeValue(ui_->customDatePicker->dateTime()));
    else
        profile()->setDateTimeEdition(halvex::PhotosRemoteDateTimeValue());
}

} // namespace corvelle
