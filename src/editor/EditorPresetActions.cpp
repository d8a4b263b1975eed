#include "editor/EditorPresetActions.h"

#include "editor/EditorFileActions.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/tasks/ApplyPresetTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "engine/halvex/libraries/LibraryError.h"
#include "engine/halvex/libraries/PresetManager.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/WindowControl.h"
#include "presets/PresetFailureAlert.h"
#include "presets/PresetPopUpMenu.h"
#include "presets/SavePresetWindowController.h"

#include <QMainWindow>
#include "widgets/LibraryErrorText.h"

#include <QPointer>

namespace corvelle {

namespace {

const QString applyPresetAction = QStringLiteral("applyPreset:");
const QString savePresetAction = QStringLiteral("savePreset:");

} // namespace

EditorPresetActions::EditorPresetActions(EditorWindowController& controller)
    : controller_(controller)
{
    // Sent by the preset items, each standing for its preset: no action of its own.
    setCommands({{applyPresetAction, {}, {}, {}, [this] { return canApplyPreset(nullptr); }, {},
                  [this] { applyPreset(nullptr); }},
                 {savePresetAction, QStringLiteral("SaveTagsAsPresetTitle"), {}, {}, [this] { return canSavePreset(); }, {},
                  [this] { savePreset(); }}});
}

MenuValidation EditorPresetActions::validateItem(const QString& action, QAction* item) const
{
    if (action == savePresetAction)
        return canSavePreset() ? MenuValidation::enabled : MenuValidation::disabled;
    if (action != applyPresetAction)
        return MenuValidation::notMine;
    return canApplyPreset(PresetPopUpMenu::presetItem(item)) ? MenuValidation::enabled : MenuValidation::disabled;
}

void EditorPresetActions::perform(const QString& action, QAction* sender)
{
    if (action == applyPresetAction)
        applyPreset(PresetPopUpMenu::presetItem(sender));
    else if (action == savePresetAction)
        savePreset();
}

bool EditorPresetActions::canApplyPreset(const std::shared_ptr<halvex::PresetItem>& preset) const
{
    return preset && controller_.fileActions().canActOnSelectedFiles();
}

void EditorPresetActions::applyPreset(const std::shared_ptr<halvex::PresetItem>& preset)
{
    if (!canApplyPreset(preset))
        return;
    if (!brisa::WindowControl::endEditing(controller_.window()))
        return;
    halvex::TaskManager::shared().add(std::make_shared<halvex::ApplyPresetTask>(
        halvex::TagEditorList(controller_.metadataFileList()->selectedEditors()), preset->entries()));
}

bool EditorPresetActions::canSavePreset() const
{
    if (controller_.effectiveSection() != EditorContentSection::tags || !controller_.tagValueTable())
        return false;
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    return !content.editors().isEmpty() && !content.selectedEntryIndexes().isEmpty();
}

void EditorPresetActions::savePreset()
{
    if (!canSavePreset())
        return;
    QWidget* window = controller_.window();
    if (!brisa::WindowControl::endEditing(window))
        return;
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    const halvex::TagEditorList editors(content.editors());
    QList<halvex::PresetItem::Entry> entries;
    for (const ostrak::TagName& name : content.names(content.selectedEntryIndexes())) {
        // A tag whose files disagree gets no entry; files without the tag count as empty.
        const QStringList values = editors.currentOrEmptyValues(name);
        if (values.size() != 1)
            continue;
        entries.append(halvex::PresetItem::Entry(
            name, halvex::PresetEdition::useCustomValue({values.first(), halvex::PresetValueInsertion::replace})));
    }
    // Kept until the completion has read its fields.
    auto* sheet = new SavePresetWindowController(window);
    const QPointer<QWidget> weakWindow(window);
    const QPointer<SavePresetWindowController> weakSheet(sheet);
    const bool presented = brisa::SheetPresenter::presentSheet(window, sheet, [weakWindow, weakSheet, entries](int returnCode) {
        const QString name = weakSheet ? weakSheet->name() : QString();
        const QString detail = weakSheet ? weakSheet->detail() : QString();
        if (weakSheet)
            weakSheet->deleteLater();
        if (returnCode != 1)
            return;
        try {
            halvex::PresetManager::shared().addPreset(std::make_shared<halvex::PresetItem>(name, detail, entries));
        } catch (const halvex::LibraryError& error) {
            // The preset stays in the library; only storing it failed.
            PresetFailureAlert::show(weakWindow, QStringLiteral("PresetManagerSaveDidFail"), libraryErrorText(error));
        }
    });
    if (!presented)
        delete sheet;
}

} // namespace corvelle
