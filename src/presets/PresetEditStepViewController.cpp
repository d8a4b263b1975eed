#include "presets/PresetEditStepViewController.h"

#include "editing/EditorEditValuesInterfaceController.h"

namespace corvelle {

PresetEditStepViewController::PresetEditStepViewController(QWidget* parent) : ViewController(parent) {}

PresetEditStepViewController::~PresetEditStepViewController() = default;

void PresetEditStepViewController::attachToEditorHost(EditorEditValuesInterfaceController* host)
{
    editorHost_ = host;
    editorHostGuard_ = host ? host->hostObject() : nullptr;
}

EditorEditValuesInterfaceController* PresetEditStepViewController::editorHost() const
{
    return editorHostGuard_ ? editorHost_ : nullptr;
}

} // namespace corvelle
