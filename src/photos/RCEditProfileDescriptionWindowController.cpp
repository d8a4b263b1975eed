#include "photos/RCEditProfileDescriptionWindowController.h"

#include "widgets/TextLocalizer.h"

#include "ui_RCEditProfileDescriptionWindow.h"

namespace corvelle {

RCEditProfileDescriptionWindowController::RCEditProfileDescriptionWindowController(QWidget* parent)
    : RCEditPropertyWindowController(parent), ui_(std::make_unique<Ui::RCEditProfileDescriptionWindow>())
{
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    windowDidLoad(content);
}

RCEditProfileDescriptionWindowController::~RCEditProfileDescriptionWindowController() = default;

void RCEditProfileDescriptionWindowController::setupViews()
{
    // Typing goes to the value, not to the switch before it.
    ui_->valueTextView->setFocus();
    setWindowTitle(localizedString(QStringLiteral("RemoteProfileProfileDescription")));
    ui_->valueTextView->setPlaceholderString(localizedString(QStringLiteral("RemotePropertyNoDescription")));
    ui_->valueTextView->setUndoRedoEnabled(true);
}

void RCEditProfileDescriptionWindowController::loadValue()
{
    ui_->valueTextView->setPlainText(profile() ? profile()->description() : QString());
}

void RCEditProfileDescriptionWindowController::saveValue()
{
    if (profile())
        profile()->setDescription(ui_->valueTextView->toPlainText());
}

} // namespace corvelle
