#include "presets/PresetEditDescriptionWindowController.h"

#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_PresetEditDescriptionWindow.h"

namespace corvelle {

PresetEditDescriptionWindowController::PresetEditDescriptionWindowController(QWidget* parent)
    : PresetEditPropertyWindowController(parent), ui_(std::make_unique<Ui::PresetEditDescriptionWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    ui_->valueTextView->setPlaceholderText(localizedString(QStringLiteral("RemotePropertyNoDescription")));
    ui_->valueTextView->setUndoRedoEnabled(true);
    QFont font = ui_->valueTextView->font();
    font.setPointSizeF(13.0);
    ui_->valueTextView->setFont(font);
    setupSheet(ui_->cancelButton, ui_->validateButton);
}

PresetEditDescriptionWindowController::~PresetEditDescriptionWindowController() = default;

QPlainTextEdit* PresetEditDescriptionWindowController::valueTextView() const
{
    return ui_->valueTextView;
}

void PresetEditDescriptionWindowController::loadValues()
{
    // Loading is no edit: the undo history starts with the loaded text.
    ui_->valueTextView->setPlainText(item() ? item()->detail() : QString());
}

void PresetEditDescriptionWindowController::applyValues()
{
    if (item())
        item()->setDetail(ui_->valueTextView->toPlainText());
}

} // namespace corvelle
