#include "editing/EditorEditValuesInterfaceController.h"

#include "editing/EditionEditStepViewController.h"
#include "platform/brisa/ui/WindowControl.h"

namespace corvelle {

bool EditorEditValuesInterfaceController::showWritableStep(EditorEditionCacheStep step, QWidget* editingArea)
{
    if (!cache().isWritable())
        return false;
    brisa::WindowControl::forceEndEditing(editingArea);
    showStep(step, true);
    return true;
}

bool EditorEditValuesInterfaceController::showDateShift(QWidget* editingArea)
{
    if (!cache().hasDateTimeTags())
        return false;
    brisa::WindowControl::forceEndEditing(editingArea);
    // The settings page of a custom value holds the date action.
    cache().setFlatEdition(FlatActionEdition::fromPresetEdition(FlatPresetEdition::editCurrentValue));
    showStep(EditorEditionCacheStep::actionEdition, true);
    if (EditionEditStepViewController* page = currentViewController())
        page->prepareShiftDateEdition();
    return true;
}

} // namespace corvelle
