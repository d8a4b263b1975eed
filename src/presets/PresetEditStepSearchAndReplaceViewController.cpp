#include "presets/PresetEditStepSearchAndReplaceViewController.h"

namespace corvelle {

PresetEditStepSearchAndReplaceViewController::PresetEditStepSearchAndReplaceViewController(QWidget* parent) : PresetEditStepViewController(parent) {}

PresetEditStepSearchAndReplaceViewController::~PresetEditStepSearchAndReplaceViewController() = default;

} // namespace corvelle
