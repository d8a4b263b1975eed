#include "editor/EditorTagSectionActions.h"

#include "editor/EditorFileActions.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tags/TagValueMarker.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/ui/WindowControl.h"
#include "tags/SectionPopUpMenu.h"

#include <QAction>
#include <QMainWindow>

namespace corvelle {

namespace {

const QString copyChosenSection = QStringLiteral("copyChosenSection:");
const QString restoreChosenSection = QStringLiteral("restoreChosenSection:");
const QString clearChosenSection = QStringLiteral("clearChosenSection:");

QList<ostrak::TagName> sectionNames(const QAction* sectionItem)
{
    return SectionPopUpMenu::tagNamesOfSection(sectionItem).value_or(QList<ostrak::TagName>());
}

} // namespace

EditorTagSectionActions::EditorTagSectionActions(EditorWindowController& controller)
    : controller_(controller)
{
    // Sent by the section items, each standing for its section: no action of their own.
    const auto row = [this](const QString& command, Operation operation) {
        return EditorCommand{command, {}, {}, {}, [this] { return canActOnSection(nullptr); }, {},
                             [this, operation] { actOnChosenSection(operation, nullptr); }};
    };
    setCommands({row(copyChosenSection, Operation::copy), row(restoreChosenSection, Operation::restore),
                 row(clearChosenSection, Operation::clear)});
}

MenuValidation EditorTagSectionActions::validateItem(const QString& action, QAction* item) const
{
    if (!command(action))
        return MenuValidation::notMine;
    return canActOnSection(item) ? MenuValidation::enabled : MenuValidation::disabled;
}

void EditorTagSectionActions::perform(const QString& action, QAction* sender)
{
    if (action == copyChosenSection)
        actOnChosenSection(Operation::copy, sender);
    else if (action == restoreChosenSection)
        actOnChosenSection(Operation::restore, sender);
    else if (action == clearChosenSection)
        actOnChosenSection(Operation::clear, sender);
}

bool EditorTagSectionActions::canActOnSection(const QAction* sectionItem) const
{
    return controller_.fileActions().canActOnSelectedFiles() && !sectionNames(sectionItem).isEmpty();
}

void EditorTagSectionActions::actOnChosenSection(Operation operation, const QAction* sender)
{
    if (!canActOnSection(sender) || !controller_.window() || !brisa::WindowControl::endEditing(controller_.window()))
        return;
    const QList<ostrak::TagName> names = sectionNames(sender);
    const halvex::TagEditorList editors(controller_.metadataFileList()->selectedEditors());
    // One edition over the whole list of editors.
    halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>([operation, names, editors] {
        switch (operation) {
        case Operation::copy:
            editors.copyTags(names);
            break;
        case Operation::restore:
            editors.setValue(halvex::TagValueRestore, names);
            break;
        case Operation::clear:
            editors.setValue(halvex::TagValueClear, names);
            break;
        }
    }));
}

} // namespace corvelle
