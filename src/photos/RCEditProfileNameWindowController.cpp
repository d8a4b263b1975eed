#include "photos/RCEditProfileNameWindowController.h"

#include "widgets/TextLocalizer.h"

#include "ui_RCEditProfileNameWindow.h"

namespace corvelle {

RCEditProfileNameWindowController::RCEditProfileNameWindowController(QWidget* parent)
    : RCEditPropertyWindowController(parent), ui_(std::make_unique<Ui::RCEditProfileNameWindow>())
{
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    windowDidLoad(content);
}

RCEditProfileNameWindowController::~RCEditProfileNameWindowController() = default;

void RCEditProfileNameWindowController::setupViews()
{
    // Typing goes to the value, not to the switch before it.
    ui_->valueTextField->setFocus();
    setWindowTitle(localizedString(QStringLiteral("RemoteProfileProfileName")));
}

void RCEditProfileNameWindowController::loadValue()
{
    ui_->valueTextField->setText(profile() ? profile()->name() : QString());
}

void RCEditProfileNameWindowController::saveValue()
{
    if (!profile())
        return;
    const QString text = ui_->valueTextField->text();
    profile()->setName(text.trimmed().isEmpty() ? QString() : text);
}

} // namespace corvelle
