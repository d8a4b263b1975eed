#include "editor/EditorFileActions.h"

#include "editor/EditorAlert.h"
#include "editor/EditorViewController.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tasks/FileExportToPhotosTask.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/TagStream.h"
#include "filebrowser/FileFilterOptionsWindowController.h"
#include "filebrowser/FileSortOptionsWindowController.h"
#include "filebrowser/FolderSettingsWindowController.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListSort.h"
#include "filemodel/settings/EditionSettings.h"
#include "filemodel/settings/FileModelSettings.h"
#include "photos/OpenPhotosWindowController.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/photolibrary/PhotoLibrary.h"
#include "widgets/desktop/FileViewer.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>

namespace corvelle {

EditorFileActions::EditorFileActions(EditorWindowController& controller)
    : controller_(controller)
    , fileViewer_(&FileViewer::activateSelecting)
{
    makeCommands();
}

MetadataFileList& EditorFileActions::list() const
{
    return *controller_.metadataFileList();
}

// --- The table

namespace {

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

} // namespace

void EditorFileActions::makeCommands()
{
    const auto row = [](const char* name, const char* textKey, std::function<bool()> isEnabled,
                        std::function<void()> run, const QKeySequence& shortcut = {}, const char* symbol = "") {
        return EditorCommand{key(name), key(textKey), shortcut, key(symbol), std::move(isEnabled), {}, std::move(run)};
    };
    setCommands({
        row("openFilesFromFinder:", "MainMenuOpenFilesInFinder", [] { return true; }, [this] { controller_.openFilesFromFinder(); },
            {}, "plus"),
        row("openFilesFromPhotos:", "MainMenuOpenFilesInPhotos", [] { return true; }, [this] { controller_.openFilesFromPhotos(); }),
        row("saveSelectedFiles:", "MainMenuSaveSelectedFiles", [this] { return controller_.canSaveSelectedFiles(); },
            [this] { controller_.saveSelectedFiles(); }, QKeySequence::Save),
        row("saveAllEditedFiles:", "MainMenuSaveAllEditedFiles", [this] { return controller_.canSaveAllEditedFiles(); },
            [this] { controller_.saveAllEditedFiles(); }, QKeySequence(QStringLiteral("Ctrl+Shift+S")), "square.and.arrow.down"),
        row("reloadSelectedFiles:", "MainMenuReloadSelectedFiles", [this] { return canActOnSelectedFiles(); },
            [this] { reloadSelectedFiles(); }, QKeySequence(QStringLiteral("Ctrl+R"))),
        row("restoreSelectedFiles:", "MainMenuRestoreSelectedFiles", [this] { return canActOnSelectedFiles(); },
            [this] { restoreSelectedFiles(); }),
        row("removeSelectedFiles:", "MainMenuRemoveSelectedFiles", [this] { return hasSelection(); },
            [this] { removeSelectedFiles(); }, QKeySequence(QStringLiteral("Ctrl+Backspace"))),
        row("removeAllFiles:", "MainMenuRemoveAllFiles", [this] { return hasFiles(); }, [this] { removeAllFiles(); }, {},
            "delete.left"),
        row("selectPreviousFile:", "MainMenuSelectPreviousFile", [this] { return canSelectPreviousFile(); },
            [this] { selectPreviousFile(); }, QKeySequence(QStringLiteral("Ctrl+[")), "arrow.left"),
        row("selectNextFile:", "MainMenuSelectNextFile", [this] { return canSelectNextFile(); },
            [this] { selectNextFile(); }, QKeySequence(QStringLiteral("Ctrl+]")), "arrow.right"),
        row("selectAllFiles:", "MainMenuSelectAllFiles", [this] { return hasUnselectedFiles(); },
            [this] { selectAllFiles(); }),
        row("deselectAllFiles:", "MainMenuDeselectAllFiles", [this] { return hasSelection(); },
            [this] { deselectAllFiles(); }),
        row("invertFileSelection:", "MainMenuInvertFileSelection", [this] { return hasFiles(); },
            [this] { invertFileSelection(); }),
        // The Edit menu's Select All and Deselect All act on the file table when no text field
        // takes them.
        row("selectAll:", "MainMenuSelectAll", [this] { return hasUnselectedFiles(); }, [this] { selectAllFiles(); },
            QKeySequence::SelectAll),
        row("deselectAll:", "MainMenuDeselectAll", [this] { return hasSelection(); }, [this] { deselectAllFiles(); },
            QKeySequence(QStringLiteral("Ctrl+Shift+A"))),
        row("inspectSelectedFiles:", "MainMenuInspectSelectedFiles", [this] { return canInspect(); },
            [this] { inspectSelectedFiles(); }, QKeySequence(QStringLiteral("Ctrl+I")), "doc.text.magnifyingglass"),
        row("uninspectSelectedFiles:", "MainMenuUninspectSelectedFiles", [this] { return canUninspect(); },
            [this] { uninspectSelectedFiles(); }),
        row("revealSelectedFilesInFinder:", "MainMenuRevealSelectedFilesInFinder", [this] { return hasSelection(); },
            [this] { revealSelectedFilesInFinder(); }),
        row("sortFilesUsingAscendingFilename:", "MainMenuSortFilesUsingAscendingFilename", [this] { return hasFiles(); },
            [this] { sortFiles(ostrak::TagItem::itemFileFileName(), MetadataFileListSort::SortOrder::ascending); }),
        row("sortFilesUsingDescendingFilename:", "MainMenuSortFilesUsingDescendingFilename", [this] { return hasFiles(); },
            [this] { sortFiles(ostrak::TagItem::itemFileFileName(), MetadataFileListSort::SortOrder::descending); }),
        row("sortFilesUsingAscendingPath:", "MainMenuSortFilesUsingAscendingPath", [this] { return hasFiles(); },
            [this] { sortFiles(ostrak::TagItem::itemFileFilePath(), MetadataFileListSort::SortOrder::ascending); }),
        row("sortFilesUsingDescendingPath:", "MainMenuSortFilesUsingDescendingPath", [this] { return hasFiles(); },
            [this] { sortFiles(ostrak::TagItem::itemFileFilePath(), MetadataFileListSort::SortOrder::descending); }),
        // The file selection, file sort and folder settings sheets, and the photo library, are
        // not part of this system yet.
        row("showFileSelectPanel:", "MainMenuShowFileSelectPanel", [this] { return hasFiles(); },
            [this] { showFileSelectPanel(); }),
        row("showFileSortPanel:", "MainMenuShowFileSortPanel", [this] { return hasFiles(); },
            [this] { showFileSortPanel(); }),
        row("showFolderSettingsPanel:", "MainMenuShowFolderSettingsPanel", [this] { return selectedFolderEditor() != nullptr; },
            [this] { showFolderSettingsPanel(); }),
        row("exportFilesToPhotosApp:", "MainMenuExportFilesToPhotosApp", [this] { return hasSelectedFilesWithExtension(); },
            [this] { exportFilesToPhotosApp(); }),
        row("transferFilesToLindmere:", "MainMenuTransferFilesToLindmere", [this] { return hasSelectedFilesWithExtension(); },
            [this] { transferFilesToLindmere(); }),
    });
}

const QStringList& EditorFileActions::contextualMenuCommands()
{
    // The File menu's commands on the selected files, in its order.
    static const QStringList names{
        QStringLiteral("saveSelectedFiles:"),    QStringLiteral("reloadSelectedFiles:"),
        QStringLiteral("restoreSelectedFiles:"), QStringLiteral("removeSelectedFiles:"),
        QStringLiteral("inspectSelectedFiles:"), QStringLiteral("revealSelectedFilesInFinder:"),
    };
    return names;
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
    // Asked at each refresh of the commands: the first file found is enough.
    const QList<MetadataFilePointer> files = list().selectedFiles();
    return std::any_of(files.begin(), files.end(), [](const MetadataFilePointer& file) { return !file->isFolder(); });
}

QList<MetadataFilePointer> EditorFileActions::filesToSend() const
{
    // The file system says what is a folder: "Trip.2023" may be one, "README" a file.
    QList<MetadataFilePointer> files;
    for (const MetadataFilePointer& file : list().selectedFiles()) {
        if (!file->isFolder())
            files << file;
    }
    return files;
}

std::shared_ptr<halvex::ETTagEditor> EditorFileActions::selectedFolderEditor() const
{
    if (list().selection().count() != 1)
        return nullptr;
    const MetadataFilePointer file = list().firstSelectedFile();
    if (!file || !QFileInfo(file->url().path()).suffix().isEmpty())
        return nullptr;
    auto editor = std::dynamic_pointer_cast<halvex::ETTagEditor>(file->editor());
    return editor && editor->isFolder() ? editor : nullptr;
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
    confirmUnsavedFiles(QStringLiteral("RemovingUnsavedFiles"), hasUnsavedEdits, std::move(removal));
}

void EditorFileActions::confirmUnsavedFiles(const QString& alertStem, bool hasUnsavedEdits,
                                            std::function<void(EditorFileActions&)> continuation)
{
    if (!hasUnsavedEdits) {
        continuation(*this);
        return;
    }
    QMessageBox* alert = EditorAlert::make(alertStem, {alertStem + QStringLiteral("RemoveButton"),
                                                       alertStem + QStringLiteral("CancelButton")});
    QAbstractButton* confirm = EditorAlert::firstButton(alert);
    QPointer<EditorWindowController> weakController(&controller_);
    brisa::SheetPresenter::safeBeginSheetModal(alert, controller_.window(),
                                               [weakController, confirm, continuation](QAbstractButton* clicked) {
                                                   if (weakController && clicked == confirm)
                                                       continuation(weakController->fileActions());
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

FileFilterOptionsWindowController* EditorFileActions::showFileSelectPanel()
{
    QWidget* window = controller_.window();
    if (!hasFiles() || !window)
        return nullptr;
    auto* sheet = new FileFilterOptionsWindowController(window);
    sheet->setFileFilter(brisa::UserDefaults::standard().value(Settings::lastFileSelection()));
    QPointer<FileFilterOptionsWindowController> weakSheet(sheet);
    QPointer<EditorWindowController> weakController(&controller_);
    const bool shown = brisa::SheetPresenter::presentSheet(window, sheet, [weakSheet, weakController](int returnCode) {
        if (!weakSheet)
            return;
        weakSheet->deleteLater();
        if (returnCode != 1 || !weakController)
            return;
        const MetadataFileListFilter filter = weakSheet->fileFilter();
        brisa::UserDefaults::standard().set(Settings::lastFileSelection(), filter);
        weakController->metadataFileList()->selectFiles(filter);
        if (EditorViewController* view = weakController->editorViewController()) {
            view->focusFileBar();
            view->revealSelectionInFileBar();
        }
    });
    if (!shown) {
        delete sheet;
        return nullptr;
    }
    return sheet;
}

FileSortOptionsWindowController* EditorFileActions::showFileSortPanel()
{
    QWidget* window = controller_.window();
    if (!hasFiles() || !window)
        return nullptr;
    auto* sheet = new FileSortOptionsWindowController(window);
    sheet->setFileSort(brisa::UserDefaults::standard().value(Settings::lastFileSort()));
    QPointer<FileSortOptionsWindowController> weakSheet(sheet);
    QPointer<EditorWindowController> weakController(&controller_);
    const bool shown = brisa::SheetPresenter::presentSheet(window, sheet, [weakSheet, weakController](int returnCode) {
        if (!weakSheet)
            return;
        weakSheet->deleteLater();
        if (returnCode != 1 || !weakController)
            return;
        const MetadataFileListSort sort = weakSheet->fileSort();
        brisa::UserDefaults::standard().set(Settings::lastFileSort(), sort);
        weakController->metadataFileList()->sort(sort);
        if (EditorViewController* view = weakController->editorViewController())
            view->focusFileBar();
    });
    if (!shown) {
        delete sheet;
        return nullptr;
    }
    return sheet;
}

FolderSettingsWindowController* EditorFileActions::showFolderSettingsPanel()
{
    const std::shared_ptr<halvex::ETTagEditor> editor = selectedFolderEditor();
    QWidget* window = controller_.window();
    if (!editor || !window)
        return nullptr;
    auto* sheet = new FolderSettingsWindowController(window);
    sheet->setRecurseSubfolders(editor->recurseSubfolders());
    sheet->setFilePathFilter(editor->filePathFilter());
    QPointer<FolderSettingsWindowController> weakSheet(sheet);
    const bool shown = brisa::SheetPresenter::presentSheet(window, sheet, [weakSheet, editor](int returnCode) {
        if (!weakSheet)
            return;
        if (returnCode == 1) {
            editor->setRecurseSubfolders(weakSheet->recurseSubfolders());
            editor->setFilePathFilter(weakSheet->filePathFilter());
        }
        weakSheet->deleteLater();
    });
    if (!shown) {
        delete sheet;
        return nullptr;
    }
    return sheet;
}

void EditorFileActions::sortFiles(const ostrak::TagItem& item, MetadataFileListSort::SortOrder order)
{
    if (hasFiles())
        list().sort(MetadataFileListSort(item.tagName(), order));
}

void EditorFileActions::exportFilesToPhotosApp()
{
    if (!hasSelectedFilesWithExtension())
        return;
    const QList<MetadataFilePointer> files = filesToSend();
    if (files.isEmpty())
        return;
    bool edited = false;
    for (const MetadataFilePointer& file : files)
        edited = edited || file->editor()->hasEdits();
    // What is sent is the files as they are on disk; the list keeps them.
    const auto send = [files](EditorFileActions&) {
        halvex::FileExportToPhotosTask::Settings settings;
        for (const MetadataFilePointer& file : files)
            settings.urls << file->url();
        settings.libraryFolder = OpenPhotosWindowController::sharedLibrary().rootPath();
        halvex::TaskManager::shared().add(std::make_shared<halvex::FileExportToPhotosTask>(settings));
    };
    confirmUnsavedFiles(QStringLiteral("ExportingUnsavedFiles"), edited, send);
}

void EditorFileActions::transferFilesToLindmere()
{
    if (!hasSelectedFilesWithExtension())
        return;
    const QUrl application = EditorWindowController::lindmereApplicationURL();
    if (application.isEmpty()) {
        controller_.showCannotFindLindmereAlert();
        return;
    }
    const QList<MetadataFilePointer> files = filesToSend();
    bool edited = false;
    for (const MetadataFilePointer& file : files)
        edited = edited || file->editor()->hasEdits();
    // What is sent is the files as they are on disk; their unsaved edits would stay behind.
    const auto send = [files, application](EditorFileActions& actions) {
        QList<QUrl> urls;
        for (const MetadataFilePointer& file : files)
            urls << file->url();
        QPointer<EditorWindowController> weakController(&actions.controller_);
        actions.controller_.openFiles(urls, application, [weakController, files](const std::optional<QString>& error) {
            if (weakController && !error)
                weakController->metadataFileList()->removeFiles(files);
        });
    };
    confirmUnsavedFiles(QStringLiteral("TransferingUnsavedFiles"), edited, send);
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
