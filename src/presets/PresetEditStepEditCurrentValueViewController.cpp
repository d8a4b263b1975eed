#include "presets/PresetEditStepEditCurrentValueViewController.h"

namespace corvelle {

PresetEditStepEditCurrentValueViewController::PresetEditStepEditCurrentValueViewController(QWidget* parent) : PresetEditStepViewController(parent) {}

PresetEditStepEditCurrentValueViewController::~PresetEditStepEditCurrentValueViewController() = default;

} // namespace corvelle
