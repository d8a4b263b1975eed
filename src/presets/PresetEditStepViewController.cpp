#include "presets/PresetEditStepViewController.h"

#include "editing/EditorEditValuesInterfaceController.h"
#include "engine/halvex/tasks/ApplyPresetTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "presets/PresetEditEditionWindowController.h"

namespace corvelle {

PresetEditStepViewController::PresetEditStepViewController(QWidget* parent) : ViewController(parent) {}

PresetEditStepViewController::~PresetEditStepViewController() = default;

void PresetEditStepViewController::attachToPresetSheet(PresetEditEditionWindowController* sheet)
{
    presetWindowController_ = sheet;
    presetWindowGuard_ = sheet;
}

PresetEditEditionWindowController* PresetEditStepViewController::presetWindowController() const
{
    return presetWindowGuard_ ? presetWindowController_ : nullptr;
}

void PresetEditStepViewController::attachToEditorHost(EditorEditValuesInterfaceController* host)
{
    editorHost_ = host;
    editorHostGuard_ = host ? host->hostObject() : nullptr;
}

EditorEditValuesInterfaceController* PresetEditStepViewController::editorHost() const
{
    return editorHostGuard_ ? editorHost_ : nullptr;
}

PresetEditionCache* PresetEditStepViewController::sheetCache() const
{
    PresetEditEditionWindowController* sheet = presetWindowController();
    return sheet ? &sheet->cache() : nullptr;
}

bool PresetEditStepViewController::editorHostHasValueSet() const
{
    EditorEditValuesInterfaceController* host = editorHost();
    return host && host->cache().valueSet().has_value();
}

QList<ostrak::TagItem> PresetEditStepViewController::editorHostTagItems() const
{
    if (!editorHostHasValueSet())
        return {};
    return editorHost()->cache().valueSet()->tagItems();
}

void PresetEditStepViewController::applyEditionToEditorHost(const halvex::PresetEdition& edition) const
{
    if (!editorHostHasValueSet())
        return;
    const halvex::TagValueTableValueSet valueSet = *editorHost()->cache().valueSet();
    QList<halvex::PresetItem::Entry> entries;
    for (const ostrak::TagItem& tagItem : valueSet.tagItems())
        entries.append(halvex::PresetItem::Entry(tagItem.tagName(), edition));
    if (entries.isEmpty() || valueSet.editors().isEmpty())
        return;
    // Off the main thread, as every change of tag values: the edit flow never blocks on files.
    halvex::TaskManager::shared().add(
        std::make_shared<halvex::ApplyPresetTask>(halvex::TagEditorList(valueSet.editors()), entries));
}

} // namespace corvelle
