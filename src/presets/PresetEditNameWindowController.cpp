#include "presets/PresetEditNameWindowController.h"

#include "platform/brisa/core/StringHelpers.h"
#include "widgets/FormTexts.h"

#include "ui_PresetEditNameWindow.h"

namespace corvelle {

PresetEditNameWindowController::PresetEditNameWindowController(QWidget* parent)
    : PresetEditPropertyWindowController(parent), ui_(std::make_unique<Ui::PresetEditNameWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    setupSheet(ui_->cancelButton, ui_->validateButton);
}

PresetEditNameWindowController::~PresetEditNameWindowController() = default;

QLineEdit* PresetEditNameWindowController::valueTextField() const
{
    return ui_->valueTextField;
}

void PresetEditNameWindowController::loadValues()
{
    ui_->valueTextField->setText(item() ? item()->name() : QString());
}

void PresetEditNameWindowController::applyValues()
{
    if (item())
        item()->setName(brisa::nonBlank(ui_->valueTextField->text()).value_or(QString()));
}

} // namespace corvelle
