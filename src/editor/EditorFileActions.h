#pragma once

#include "editor/EditorCommandFamily.h"
#include "filemodel/MetadataFile.h"
#include "filemodel/MetadataFileListSort.h"

#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

namespace halvex {
class ETTagEditor;
} // namespace halvex

namespace ostrak {
class TagItem;
} // namespace ostrak

namespace corvelle {

class EditorWindowController;
class FileFilterOptionsWindowController;
class FileSortOptionsWindowController;
class FolderSettingsWindowController;
class MetadataFileList;

// The commands of the editor window that act on the open files as a list: opening, reloading,
// restoring, removing, saving, selecting, inspecting and revealing them.
class EditorFileActions : public EditorCommandFamily {
public:
    using FileViewerCall = std::function<void(const QList<QUrl>& urls)>;

    // Inspecting shows one raw view per file: more than this many is refused.
    static constexpr int inspectionLimit = 20;

    explicit EditorFileActions(EditorWindowController& controller);

    // The commands of the file lists' context menu, in order.
    static const QStringList& contextualMenuCommands();

    // --- Rules (the menu, the toolbar and the touch bar share them)

    // A section other than raw is shown and the selection is not empty (reload, restore).
    bool canActOnSelectedFiles() const;
    // Also needs the raw section's view.
    bool canInspect() const;
    bool canUninspect() const;
    bool hasFiles() const;
    bool hasSelection() const;
    bool canSelectPreviousFile() const;
    bool canSelectNextFile() const;
    bool hasUnselectedFiles() const;
    // Some selected file is not a folder.
    bool hasSelectedFilesWithExtension() const;
    // The selected files that are not folders, in list order: what is sent to other programs.
    QList<MetadataFilePointer> filesToSend() const;
    // The one selected file when it is an opened folder (no extension, a folder's editor).
    std::shared_ptr<halvex::ETTagEditor> selectedFolderEditor() const;

    // --- Actions

    void reloadSelectedFiles();
    void restoreSelectedFiles();
    // After confirmation when a selected file has unsaved edits.
    void removeSelectedFiles();
    void removeAllFiles();
    void selectPreviousFile();
    void selectNextFile();
    void selectAllFiles();
    void deselectAllFiles();
    void invertFileSelection();
    void inspectSelectedFiles();
    void uninspectSelectedFiles();
    void revealSelectedFilesInFinder();
    void sortFiles(const ostrak::TagItem& item, MetadataFileListSort::SortOrder order);
    // The file selection sheet over the last filter used; applied, it selects the files that
    // pass and is kept for next time. Answers the sheet shown, if any.
    FileFilterOptionsWindowController* showFileSelectPanel();
    // The file sort sheet over the last sort chosen there; applied, it sorts the list and is
    // kept for next time. Answers the sheet shown, if any.
    FileSortOptionsWindowController* showFileSortPanel();
    // The folder settings sheet over the one selected folder; its settings go back to the folder
    // when the sheet is applied. Answers the sheet shown, if any.
    FolderSettingsWindowController* showFolderSettingsPanel();
    // Opens the files in the sibling renaming application and, once it has them, takes them out
    // of the list; asks first when one has unsaved edits.
    // Copies the selected files into the photo library, in a task.
    void exportFilesToPhotosApp();
    void transferFilesToLindmere();

    // The file manager call of the reveal command; FileViewer::activateSelecting by default.
    void setFileViewer(FileViewerCall call) { fileViewer_ = std::move(call); }

private:
    void makeCommands();
    MetadataFileList& list() const;
    // Runs `removal` at once, or after the unsaved-changes alert ended with its first button.
    void confirmRemoval(bool hasUnsavedEdits, std::function<void(EditorFileActions&)> removal);
    // Runs the continuation at once, or after the alert `alertStem` ("TransferingUnsavedFiles")
    // was confirmed when some file has unsaved edits.
    void confirmUnsavedFiles(const QString& alertStem, bool hasUnsavedEdits,
                             std::function<void(EditorFileActions&)> continuation);

    EditorWindowController& controller_;
    FileViewerCall fileViewer_;
};

} // namespace corvelle
