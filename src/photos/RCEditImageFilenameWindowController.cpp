#include "photos/RCEditImageFilenameWindowController.h"

#include "widgets/TextLocalizer.h"

#include "ui_RCEditImageFilenameWindow.h"

namespace corvelle {

using halvex::PhotosRemoteFileNameEdition;

RCEditImageFilenameWindowController::RCEditImageFilenameWindowController(QWidget* parent)
    : RCEditPropertyWindowController(parent), ui_(std::make_unique<Ui::RCEditImageFilenameWindow>())
{
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    windowDidLoad(content);
}

RCEditImageFilenameWindowController::~RCEditImageFilenameWindowController() = default;

void RCEditImageFilenameWindowController::setupViews()
{
    // Typing goes to the value, not to the switch before it.
    ui_->customNameField->setFocus();
    setWindowTitle(localizedString(QStringLiteral("RemoteProfileFileFilename")));
    connect(ui_->useOriginalNameRadioButton, &QAbstractButton::clicked, this,
            &RCEditImageFilenameWindowController::changeOriginalName);
    connect(ui_->customNameField, &QLineEdit::textEdited, this, &RCEditImageFilenameWindowController::changeCustomName);
}

void RCEditImageFilenameWindowController::loadValue()
{
    const std::optional<PhotosRemoteFileNameEdition> edition =
        profile() ? profile()->fileNameEdition() : std::nullopt;
    const bool keep = edition && edition->kind() == PhotosRemoteFileNameEdition::Kind::keepCurrentName;
    ui_->useCustomNameSwitch->setChecked(edition.has_value());
    ui_->useOriginalNameRadioButton->setChecked(keep);
    ui_->customNameField->setText(edition && !keep ? edition->name() : QString());
    ui_->customNameField->setEnabled(!keep);
}

void RCEditImageFilenameWindowController::saveValue()
{
    if (!profile())
        return;
    if (!ui_->useCustomNameSwitch->isChecked())
        profile()->setFileNameEdition(std::nullopt);
    else if (ui_->useOriginalNameRadioButton->isChecked())
        profile()->setFileNameEdition(PhotosRemoteFileNameEdition::keepCurrentName());
    else
        profile()->setFileNameEdition(PhotosRemoteFileNameEdition::customName(ui_->customNameField->text()));
}

void RCEditImageFilenameWindowController::changeOriginalName()
{
    const bool keep = ui_->useOriginalNameRadioButton->isChecked();
    ui_->useCustomNameSwitch->setChecked(true);
    if (keep)
        ui_->customNameField->clear();
    ui_->customNameField->setEnabled(!keep);
}

void RCEditImageFilenameWindowController::changeCustomName()
{
    ui_->useCustomNameSwitch->setChecked(true);
    ui_->useOriginalNameRadioButton->setChecked(false);
    ui_->customNameField->setEnabled(true);
}

} // namespace corvelle
