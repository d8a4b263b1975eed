#pragma once

#include "editor/EditorCommandChain.h"
#include "editor/EditorContentSection.h"
#include "editor/EditorWindowHost.h"
#include "editor/EditorWindowInterface.h"
#include "engine/halvex/tags/TagStorageSource.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QMainWindow;

namespace Ui {
class EditorWindow;
} // namespace Ui

namespace brisa {
class DynamicToolbar;
class DynamicTouchBarItem;
} // namespace brisa

namespace halvex {
class AbstractTask;
class ImportTagEditorsTask;
} // namespace halvex

namespace veilcast {
class MessageOverlay;
class ProgressOverlay;
} // namespace veilcast

namespace corvelle {

class EditorCommandActions;
class EditorCopyCutPasteActions;
class EditorFileActions;
class EditorMediaInfoActions;
class EditorImageActions;
class EditorImportExportActions;
class EditorLocationActions;
class EditorPresetActions;
class EditorTagActions;
class EditorTagBlockActions;
class EditorTagEditingPresenter;
class EditorTagPanelActions;
class OpenPanel;
class EditorSession;
class EditorTaskReports;
class EditorViewActions;
class EditorViewController;
class MetadataFileListModel;
class MetadataFileListSelectionModel;
class QuickLookWindowController;

// The one editor window: it owns the open files and shows one section at a time, the welcome
// section while no file is open, else the section the user chose last. Every opening and every
// save is a task of the shared task manager; the files of an import arrive in the list when the
// task is done.
class EditorWindowController : public EditorWindowHost, public EditorWindowInterface {
    Q_OBJECT

public:
    EditorWindowController();
    ~EditorWindowController() override;

    // The controller of the editor window that holds `widget`; null for any other window.
    static EditorWindowController* controllerOf(const QWidget* widget);

    // EditorWindowHost
    QWidget* window() const override;
    void updateInterface() override;
    QMenu* fileContextualMenu() const override;
    MetadataFileList* metadataFileList() const override { return metadataFileList_.get(); }
    halvex::TagValueTable* tagValueTable() const override { return tagValueTable_.get(); }
    void switchToPreviewSection() override { setContentSection(EditorContentSection::preview); }
    void switchToTagsSection() override { setContentSection(EditorContentSection::tags); }
    void switchToMapSection() override { setContentSection(EditorContentSection::map); }
    void switchToRawSection() override { setContentSection(EditorContentSection::raw); }
    void addTagEditors(const QList<std::shared_ptr<halvex::TagEditor>>& editors) override;
    void performCommand(const QString& action, QAction* sender) override;
    // Open from the file dialog, open from the photo library.
    QMenu* openFilesMenu() const override { return openFilesMenu_.get(); }

    // EditorWindowInterface
    QMainWindow* window() override;
    bool hasUnsavedChanges() const override;
    void addFiles(const QList<QUrl>& urls) override;
    MenuValidation validateMenuCommand(const QString& command, QAction* item) override;
    void performMenuCommand(const QString& command, QAction* sender) override;

    // --- Sections

    EditorContentSection effectiveSection() const { return effectiveSection_; }
    EditorContentSection contentSection() const override { return effectiveSection_; }
    EditorContentSection preferredSection() const { return preferredSection_; }
    EditorViewController* editorViewController() const { return editorViewController_; }
    // The touch bar of the section on screen.
    QList<brisa::DynamicTouchBarItem*> makeTouchBar() const;
    // A pause between resizes longer than this ends a resize by the user.
    static constexpr int liveResizePause = 250;
    // The welcome section while the list is empty; the preview, tags and map sections asked for
    // are remembered in "LastContentSection".
    void setContentSection(EditorContentSection section);

    // The view of each section, made when the section comes on screen. The welcome and preview
    // sections always have theirs; a section without one is shown as the preview and is not
    // offered by the switcher, the menus or the inspect command.
    using SectionViewFactory = std::function<EditorViewController*(EditorWindowHost* host)>;
    static void setSectionViewFactory(EditorContentSection section, SectionViewFactory factory);
    static bool hasSectionView(EditorContentSection section);

    // --- Opening

    // The open dialog, as a sheet of the window.
    void openFilesFromFinder();
    // The photo library's sheet; the movies chosen there that are not open yet are opened.
    void openFilesFromPhotos();
    void importFiles(const QList<halvex::TagStorageSource>& sources);
    // A folder, or a file of a type the engine reads, is among the URLs.
    bool canOpenFiles(const QList<QUrl>& urls) const;

    // --- Saving

    void saveFiles(const QList<std::shared_ptr<halvex::TagEditor>>& editors);
    void saveAllEditedFiles();
    void saveSelectedFiles();
    bool canSaveAllEditedFiles() const;
    bool canSaveSelectedFiles() const;

    // --- Window parts, made on first use

    QuickLookWindowController& quickLookWindowController() const;
    bool hasQuickLookWindowController() const { return quickLookWindowController_ != nullptr; }
    veilcast::ProgressOverlay& progressOverlay() const;
    veilcast::MessageOverlay& messageOverlay() const;
    // The "tag added" message over the window.
    void showTagAddedOverlay();

    // --- Predicates of the command families

    // Whether the file list shows the section's extra columns: the tags section's and the map
    // section's own setting; none in the other sections.
    std::optional<bool> showsSectionColumnsInFileList() const;
    // A selection of 100 files or more is not searched file by file: it is taken to hold both.
    bool canImportExportGeotags() const;
    bool canActOnNonFolderSelection() const;
    static constexpr int largeSelectionCount = 100;

    // --- Hand-over to the sibling renaming application

    // Its desktop entry ids, tried in this order.
    static const QStringList lindmereDesktopIds;
    // The entry of the first id installed; empty when none is.
    static QUrl lindmereApplicationURL();
    // Starts the application with the files; `completion` gets why it failed, or none, later on
    // the main thread.
    void openFiles(const QList<QUrl>& urls, const QUrl& applicationUrl,
                   std::function<void(const std::optional<QString>& error)> completion);
    void showCannotFindLindmereAlert();

    // --- Commands

    // The command families in the order they are asked: copy, cut and paste, the file
    // commands, ..., the view commands last.
    const EditorCommandChain& commandChain() const { return commandChain_; }
    EditorFileActions& fileActions() const { return *fileActions_; }
    EditorViewActions& viewActions() const { return *viewActions_; }
    EditorMediaInfoActions& mediaInfoActions() const { return *mediaInfoActions_; }
    EditorImageActions& imageActions() const { return *imageActions_; }
    EditorImportExportActions& importExportActions() const { return *importExportActions_; }
    EditorLocationActions& locationActions() const { return *locationActions_; }
    EditorTagActions& tagActions() const { return *tagActions_; }
    EditorTagBlockActions& tagBlockActions() const { return *tagBlockActions_; }
    EditorTagPanelActions& tagPanelActions() const { return *tagPanelActions_; }

    // --- The editing windows of the Tags menu

    // Supplied once by the editing area (the tag editing sheet, the sidebar's steps, the tag
    // copies sheet); none until then, which keeps the commands that open them disabled.
    static void setTagEditingPresenter(std::shared_ptr<EditorTagEditingPresenter> presenter);
    static EditorTagEditingPresenter* tagEditingPresenter();
    // The enabled state of an item of this window: an action no family knows is disabled.
    bool validateUserInterfaceItem(const QString& action) const override;

    // Opening and saving: the window asks it and shows what it reports.
    EditorSession& session() const { return *session_; }

    // --- Actions

    // The window's action of a command ("saveSelectedFiles:"); null for a command it has none of.
    QAction* commandAction(const QString& name) const override;
    // Every action of the window, in the order of its families.
    QList<QAction*> commandActions() const override;
    // The actions' enabled and checked states, from their rules.
    void refreshCommandActions();

    // The open files as an item model and its selection, which every file table of the window
    // shows; they follow the list and its selection.
    MetadataFileListModel* fileListModel() const override { return fileListModel_.get(); }
    QItemSelectionModel* fileSelectionModel() const override;

private:
    static QHash<EditorContentSection, SectionViewFactory>& sectionViewFactories();
    void installEditorViewController(EditorContentSection section);
    // Some selected file is (or is not) a folder; a large selection is taken to hold both.
    bool selectionHoldsFolder(bool folder) const;
    void fileListDidChangeFiles();
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<MetadataFileList> metadataFileList_;
    std::unique_ptr<QMainWindow> window_;
    QWidget* containerView_ = nullptr;
    brisa::DynamicToolbar* dynamicToolbar_ = nullptr;
    EditorTaskReports* taskReports_ = nullptr;
    EditorViewController* editorViewController_ = nullptr;
    EditorContentSection preferredSection_ = EditorContentSection::preview;
    EditorContentSection effectiveSection_ = EditorContentSection::welcome;
    // The section the current view was made for.
    EditorContentSection viewSection_ = EditorContentSection::welcome;
    QTimer liveResizeEnd_;
    brisa::NoteSubscriber fileListDidChangeFilesSubscriber_;
    std::unique_ptr<EditorCopyCutPasteActions> copyCutPasteActions_;
    std::unique_ptr<EditorFileActions> fileActions_;
    std::unique_ptr<EditorViewActions> viewActions_;
    mutable std::unique_ptr<QuickLookWindowController> quickLookWindowController_;
    mutable QPointer<veilcast::ProgressOverlay> progressOverlay_;
    std::unique_ptr<EditorPresetActions> presetActions_;
    std::unique_ptr<EditorMediaInfoActions> mediaInfoActions_;
    std::unique_ptr<EditorImageActions> imageActions_;
    std::unique_ptr<EditorImportExportActions> importExportActions_;
    std::unique_ptr<EditorLocationActions> locationActions_;
    std::unique_ptr<EditorTagActions> tagActions_;
    std::unique_ptr<EditorTagBlockActions> tagBlockActions_;
    std::unique_ptr<EditorTagPanelActions> tagPanelActions_;
    std::unique_ptr<QMenu> openFilesMenu_;
    QPointer<OpenPanel> openPanel_;
    EditorCommandChain commandChain_;
    std::unique_ptr<Ui::EditorWindow> ui_;
    std::unique_ptr<MetadataFileListModel> fileListModel_;
    std::unique_ptr<MetadataFileListSelectionModel> fileSelectionModel_;
    // The questions of the session are asked as sheets of the window.
    void askImportOptions(std::function<void(bool)> answer);
    void askToReplacePhotos(std::function<void(bool)> answer);
    std::unique_ptr<EditorSession> session_;
    // The tag rows of the selected files: its latest request follows the selection.
    std::unique_ptr<halvex::TagValueTable> tagValueTable_;
    // The file lists' context menu: the window's file commands.
    std::unique_ptr<QMenu> fileContextualMenu_;
    brisa::NoteSubscriber commandFilesSubscriber_;
    brisa::NoteSubscriber commandTaskAddedSubscriber_;
    brisa::NoteSubscriber commandTaskRemovedSubscriber_;
    brisa::NoteSubscriber commandSettingsSubscriber_;
    // Made last, gone first: its actions' rules reach every member above.
    std::unique_ptr<EditorCommandActions> commandActions_;
};

} // namespace corvelle
