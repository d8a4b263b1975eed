#include "editor/EditorPresetActions.h"

#include "editor/EditorFileActions.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/tasks/ApplyPresetTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "presets/PresetPopUpMenu.h"

namespace corvelle {

namespace {

const QString applyPresetAction = QStringLiteral("applyPreset:");

} // namespace

EditorPresetActions::EditorPresetActions(EditorWindowController& controller)
    : controller_(controller)
{
    // Sent by the preset items, each standing for its preset: no action of its own.
    setCommands({{applyPresetAction, {}, {}, {}, [this] { return canApplyPreset(nullptr); }, {},
                  [this] { applyPreset(nullptr); }}});
}

MenuValidation EditorPresetActions::validateItem(const QString& action, QAction* item) const
{
    if (action != applyPresetAction)
        return MenuValidation::notMine;
    return canApplyPreset(PresetPopUpMenu::presetItem(item)) ? MenuValidation::enabled : MenuValidation::disabled;
}

void EditorPresetActions::perform(const QString& action, QAction* sender)
{
    if (action == applyPresetAction)
        applyPreset(PresetPopUpMenu::presetItem(sender));
}

bool EditorPresetActions::canApplyPreset(const std::shared_ptr<halvex::PresetItem>& preset) const
{
    return preset && controller_.fileActions().canActOnSelectedFiles();
}

void EditorPresetActions::applyPreset(const std::shared_ptr<halvex::PresetItem>& preset)
{
    if (!canApplyPreset(preset))
        return;
    halvex::TaskManager::shared().add(std::make_shared<halvex::ApplyPresetTask>(
        halvex::TagEditorList(controller_.metadataFileList()->selectedEditors()), preset->entries()));
}

} // namespace corvelle
