#include "photos/RCEditImageDescriptionWindowController.h"

#include "widgets/TextLocalizer.h"

#include "ui_RCEditImageDescriptionWindow.h"

namespace corvelle {

RCEditImageDescriptionWindowController::RCEditImageDescriptionWindowController(QWidget* parent)
    : RCEditPropertyWindowController(parent), ui_(std::make_unique<Ui::RCEditImageDescriptionWindow>())
{
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    windowDidLoad(content);
}

RCEditImageDescriptionWindowController::~RCEditImageDescriptionWindowController() = default;

void RCEditImageDescriptionWindowController::setupViews()
{
    // Typing goes to the value, not to the switch before it.
    ui_->descriptionTextView->setFocus();
    setWindowTitle(localizedString(QStringLiteral("RemoteProfileFileDescription")));
    ui_->descriptionTextView->setPlaceholderString(localizedString(QStringLiteral("RemotePropertyNoDescription")));
    ui_->descriptionTextView->setUndoRedoEnabled(true);
    // Typing turns the switch on; loading the text does not.
    connect(ui_->descriptionTextView, &QPlainTextEdit::textChanged, this, [this] {
        if (!loading_)
            ui_->useDescriptionSwitch->setChecked(true);
    });
}

void RCEditImageDescriptionWindowController::loadValue()
{
    const std::optional<QString> edition = profile() ? profile()->photoDescriptionEdition() : std::nullopt;
    loading_ = true;
    ui_->useDescriptionSwitch->setChecked(edition.has_value());
    ui_->descriptionTextView->setPlainText(edition.value_or(QString()));
    loading_ = false;
}

void RCEditImageDescriptionWindowController::saveValue()
{
    if (!profile())
        return;
    if (ui_->useDescriptionSwitch->isChecked())
        profile()->setPhotoDescriptionEdition(ui_->descriptionTextView->toPlainText());
    else
        profile()->setPhotoDescriptionEdition(std::nullopt);
}

} // namespace corvelle
