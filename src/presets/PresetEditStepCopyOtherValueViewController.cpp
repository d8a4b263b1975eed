#include "presets/PresetEditStepCopyOtherValueViewController.h"

namespace corvelle {

PresetEditStepCopyOtherValueViewController::PresetEditStepCopyOtherValueViewController(QWidget* parent) : PresetEditStepViewController(parent) {}

PresetEditStepCopyOtherValueViewController::~PresetEditStepCopyOtherValueViewController() = default;

} // namespace corvelle
