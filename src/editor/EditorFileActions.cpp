#include "editor/EditorFileActions.h"

#include "editor/EditorAlert.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/TagStream.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/settings/EditionSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "widgets/desktop/FileViewer.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

namespace corvelle {

EditorFileActions::EditorFileActions(EditorWindowController& controller)
    : controller_(controller)
    , fileViewer_(&FileViewer::activateSelecting)
{
}

MetadataFileList& EditorFileActions::list() const
{
    return *controller_.metadataFileList();
}

// --- Validation and routing

namespace {

using Predicate = std::function<bool(const EditorFileActions&, const EditorWindowController&)>;
using Action = std::function<void(EditorFileActions&, EditorWindowController&)>;

struct Command {
    QLatin1String action;
    Predicate isEnabled;
    Action run;
};

const QList<Command>& commands()
{
    using F = EditorFileActions;
    using C = EditorWindowController;
    static const QList<Command> table{
        {QLatin1String("openFilesFromFinder:"), [](const F&, const C&) { return true; },
         [](F&, C& c) { c.openFilesFromFinder(); }},
        // This system has no photo library to open files from.
        {QLatin1String("openFilesFromPhotos:"), [](const F&, const C&) { return false; }, [](F&, C&) {}},
        {QLatin1String("reloadSelectedFiles:"), [](const F& f, const C&) { return f.canActOnSelectedFiles(); },
         [](F& f, C&) { f.reloadSelectedFiles(); }},
        {QLatin1String("restoreSelectedFiles:"), [](const F& f, const C&) { return f.canActOnSelectedFiles(); },
         [](F& f, C&) { f.restoreSelectedFiles(); }},
        {QLatin1String("removeSelectedFiles:"), [](const F& f, const C&) { return f.hasSelection(); },
         [](F& f, C&) { f.removeSelectedFiles(); }},
        {QLatin1String("removeAllFiles:"), [](const F& f, const C&) { return f.hasFiles(); },
         [](F& f, C&) { f.removeAllFiles(); }},
        {QLatin1String("saveSelectedFiles:"), [](const F&, const C& c) { return c.canSaveSelectedFiles(); },
         [](F&, C& c) { c.saveSelectedFiles(); }},
        {QLatin1String("saveAllEditedFiles:"), [](const F&, const C& c) { return c.canSaveAllEditedFiles(); },
         [](F&, C& c) { c.saveAllEditedFiles(); }},
        {QLatin1String("selectPreviousFile:"), [](const F& f, const C&) { return f.canSelectPreviousFile(); },
         [](F& f, C&) { f.selectPreviousFile(); }},
        {QLatin1String("selectNextFile:"), [](const F& f, const C&) { return f.canSelectNextFile(); },
         [](F& f, C&) { f.selectNextFile(); }},
        {QLatin1String("selectAllFiles:"), [](const F& f, const C&) { return f.hasUnselectedFiles(); },
         [](F& f, C&) { f.selectAllFiles(); }},
        {QLatin1String("deselectAllFiles:"), [](const F& f, const C&) { return f.hasSelection(); },
         [](F& f, C&) { f.deselectAllFiles(); }},
        {QLatin1String("invertFileSelection:"), [](const F& f, const C&) { return f.hasFiles(); },
         [](F& f, C&) { f.invertFileSelection(); }},
        {QLatin1String("revealSelectedFilesInFinder:"), [](const F& f, const C&) { return f.hasSelection(); },
         [](F& f, C&) { f.revealSelectedFilesInFinder(); }},
        {QLatin1String("inspectSelectedFiles:"), [](const F& f, const C&) { return f.canInspect(); },
         [](F& f, C&) { f.inspectSelectedFiles(); }},
        {QLatin1String("uninspectSelectedFiles:"), [](const F& f, const C&) { return f.canUninspect(); },
         [](F& f, C&) { f.uninspectSelectedFiles(); }},
    };
    return table;
}

const Command* command(const QString& action)
{
    for (const Command& command : commands()) {
        if (action == command.action)
            return &command;
    }
    return nullptr;
}

} // namespace

MenuValidation EditorFileActions::validateItem(const QString& action) const
{
    const Command* found = command(action);
    if (!found)
        return MenuValidation::notMine;
    return found->isEnabled(*this, controller_) ? MenuValidation::enabled : MenuValidation::disabled;
}

void EditorFileActions::perform(const QString& action)
{
    // Each action checks its own rule.
    if (const Command* found = command(action))
        found->run(*this, controller_);
}

// --- Rules

bool EditorFileActions::canActOnSelectedFiles() const
{
    return controller_.effectiveSection() != EditorContentSection::raw && list().hasSelection();
}

bool EditorFileActions::canInspect() const
{
    return canActOnSelectedFiles() && EditorWindowController::hasSectionView(EditorContentSection::raw);
}

bool EditorFileActions::canUninspect() const
{
    return controller_.effectiveSection() == EditorContentSection::raw;
}

bool EditorFileActions::hasFiles() const
{
    return list().hasFiles();
}

bool EditorFileActions::hasSelection() const
{
    return list().hasSelection();
}

bool EditorFileActions::canSelectPreviousFile() const
{
    return list().canSelectPreviousFile(1);
}

bool EditorFileActions::canSelectNextFile() const
{
    return list().canSelectNextFile(1);
}

bool EditorFileActions::hasUnselectedFiles() const
{
    return list().selection().count() != list().files().size();
}

bool EditorFileActions::hasSelectedFilesWithExtension() const
{
    for (const MetadataFilePointer& file : list().selectedFiles()) {
        if (!QFileInfo(file->url().path()).suffix().isEmpty())
            return true;
    }
    return false;
}

// --- Actions

void EditorFileActions::reloadSelectedFiles()
{
    const QList<std::shared_ptr<halvex::TagEditor>> editors = list().selectedEditors();
    if (!canActOnSelectedFiles() || editors.isEmpty())
        return;
    QList<halvex::TagStorageSource> sources;
    for (const std::shared_ptr<halvex::TagEditor>& editor : editors)
        sources << editor->source();
    halvex::ImportTagEditorsTask::Settings settings(sources);
    settings.errorsIgnored = brisa::UserDefaults::standard().value(Settings::editionUserChoiceErrorsBehavior())
                             == ErrorsBehaviorEditionUserChoice::ignore;
    settings.editorsToReload = editors;
    halvex::TaskManager::shared().add(std::make_shared<halvex::ImportTagEditorsTask>(settings));
}

void EditorFileActions::restoreSelectedFiles()
{
    const halvex::TagEditorList editors(list().selectedEditors());
    if (!canActOnSelectedFiles() || editors.isEmpty())
        return;
    const QList<ostrak::TagStream> streams = ostrak::TagStream::allCases();
    halvex::TaskManager::shared().add(
        std::make_shared<halvex::EditionTask>([editors, streams] { editors.restoreValues(streams); }));
}

void EditorFileActions::confirmRemoval(bool hasUnsavedEdits, std::function<void(EditorFileActions&)> removal)
{
    if (!hasUnsavedEdits) {
        removal(*this);
        return;
    }
    QMessageBox* alert = EditorAlert::make(QStringLiteral("RemovingUnsavedFiles"),
                                           {QStringLiteral("RemovingUnsavedFilesRemoveButton"),
                                            QStringLiteral("RemovingUnsavedFilesCancelButton")});
    QAbstractButton* confirm = EditorAlert::firstButton(alert);
    QPointer<EditorWindowController> weakController(&controller_);
    brisa::SheetPresenter::safeBeginSheetModal(alert, controller_.window(),
                                               [weakController, confirm, removal](QAbstractButton* clicked) {
                                                   if (weakController && clicked == confirm)
                                                       removal(weakController->fileActions());
                                               });
}

void EditorFileActions::removeSelectedFiles()
{
    if (!hasSelection())
        return;
    // The files the user is asked about are the ones removed, whatever the selection becomes
    // while the question is open (an import that ends meanwhile selects its own files).
    QList<MetadataFilePointer> files;
    bool edited = false;
    for (int index : list().selection()) {
        const MetadataFilePointer& file = list().files().at(index);
        files << file;
        edited = edited || file->editor()->hasEdits();
    }
    confirmRemoval(edited, [files](EditorFileActions& actions) { actions.list().removeFiles(files); });
}

void EditorFileActions::removeAllFiles()
{
    if (!hasFiles())
        return;
    // Files that arrive while the question is open were not part of it: they stay.
    const QList<MetadataFilePointer> files = list().files();
    confirmRemoval(controller_.hasUnsavedChanges(), [files](EditorFileActions& actions) {
        if (actions.list().files() == files)
            actions.list().removeAllFiles();
        else
            actions.list().removeFiles(files);
    });
}

void EditorFileActions::selectPreviousFile()
{
    if (canSelectPreviousFile())
        list().selectPreviousFile(1);
}

void EditorFileActions::selectNextFile()
{
    if (canSelectNextFile())
        list().selectNextFile(1);
}

void EditorFileActions::selectAllFiles()
{
    if (hasUnselectedFiles())
        list().selectAllFiles();
}

void EditorFileActions::deselectAllFiles()
{
    if (hasSelection())
        list().deselectAllFiles();
}

void EditorFileActions::invertFileSelection()
{
    if (hasFiles())
        list().invertFileSelection();
}

void EditorFileActions::inspectSelectedFiles()
{
    if (!canInspect() || !controller_.window())
        return;
    if (list().selection().count() <= inspectionLimit) {
        controller_.setContentSection(EditorContentSection::raw);
        return;
    }
    brisa::SheetPresenter::safeBeginSheetModal(
        EditorAlert::make(QStringLiteral("EditorInspectIsLimitedTo20Files"),
                          {QStringLiteral("EditorInspectIsLimitedTo20FilesOKButton")}),
        controller_.window(), {});
}

void EditorFileActions::uninspectSelectedFiles()
{
    if (canUninspect())
        controller_.setContentSection(controller_.preferredSection());
}

void EditorFileActions::revealSelectedFilesInFinder()
{
    QList<QUrl> urls;
    for (const MetadataFilePointer& file : list().selectedFiles())
        urls << file->url();
    if (!urls.isEmpty() && fileViewer_)
        fileViewer_(urls);
}

} // namespace corvelle
