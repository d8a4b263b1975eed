#include "editor/EditorWindowController.h"

#include "editor/EditorAlert.h"
#include "editor/EditorCommandActions.h"
#include "editor/EditorCopyCutPasteActions.h"
#include "editor/EditorFileActions.h"
#include "editor/EditorImageActions.h"
#include "editor/EditorImportExportActions.h"
#include "editor/EditorLocationActions.h"
#include "editor/EditorPresetActions.h"
#include "editor/EditorPreviewViewController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorTagActions.h"
#include "editor/EditorTagBlockActions.h"
#include "editor/EditorTagEditingPresenter.h"
#include "editor/EditorTagPanelActions.h"
#include "editor/EditorTaskReports.h"
#include "editor/EditorViewActions.h"
#include "editor/EditorWelcomeViewController.h"
#include "editor/FileUrlDragData.h"
#include "editor/OpenPanel.h"
#include "map/EditorMapViewController.h"
#include "tags/EditorTagsViewController.h"
#include "tags/TagEditingPresenter.h"
#include "tags/TagRowContentProvider.h"
#include "tags/EditorRawViewController.h"
#include "engine/halvex/kit/KitSettings.h"
#include "engine/halvex/libraries/PhotosAppAuthorizer.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "filebrowser/FileImportOptionsViewController.h"
#include "filebrowser/QuickLookWindowController.h"
#include "photos/OpenPhotosWindowController.h"
#include "filemodel/EditorSession.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "filemodel/MetadataFileListSelectionModel.h"
#include "filemodel/settings/EditionSettings.h"
#include "filemodel/settings/FileModelSettings.h"
#include "mediainfo/EditorMediaInfoActions.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/DynamicToolbar.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/MenuMnemonics.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/UserKeychain.h"
#include "platform/veilcast/ProgressOverlay.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/desktop/DesktopApplication.h"

#include "ui_EditorWindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QToolBar>

namespace corvelle {

namespace {

const char* const controllerProperty = "corvelleEditorWindowController";

} // namespace

EditorWindowController::EditorWindowController()
    : metadataFileList_(std::make_unique<MetadataFileList>())
    , copyCutPasteActions_(std::make_unique<EditorCopyCutPasteActions>(*this))
    , fileActions_(std::make_unique<EditorFileActions>(*this))
    , viewActions_(std::make_unique<EditorViewActions>(*this))
    , presetActions_(std::make_unique<EditorPresetActions>(*this))
    , mediaInfoActions_(std::make_unique<EditorMediaInfoActions>(*this))
    , imageActions_(std::make_unique<EditorImageActions>(*this))
    , importExportActions_(std::make_unique<EditorImportExportActions>(*this))
    , locationActions_(std::make_unique<EditorLocationActions>(*this))
    , tagActions_(std::make_unique<EditorTagActions>(*this))
    , tagBlockActions_(std::make_unique<EditorTagBlockActions>(*this))
    , tagPanelActions_(std::make_unique<EditorTagPanelActions>(*this))
    , openFilesMenu_(std::make_unique<QMenu>())
    , fileListModel_(std::make_unique<MetadataFileListModel>(metadataFileList_.get()))
    , fileSelectionModel_(std::make_unique<MetadataFileListSelectionModel>(fileListModel_.get()))
    , session_(std::make_unique<EditorSession>(*metadataFileList_))
    , tagValueTable_(std::make_unique<halvex::TagValueTable>(
          halvex::TagValueTable::Request(halvex::TagSetManager::Domain::chosen, TagRowContentProvider::make())))
{
    commandChain_.append(copyCutPasteActions_.get());
    commandChain_.append(fileActions_.get());
    // The Tags menu.
    commandChain_.append(tagActions_.get());
    commandChain_.append(tagBlockActions_.get());
    commandChain_.append(tagPanelActions_.get());
    commandChain_.append(mediaInfoActions_.get());
    commandChain_.append(imageActions_.get());
    commandChain_.append(locationActions_.get());
    commandChain_.append(importExportActions_.get());
    commandChain_.append(presetActions_.get());
    // Asked last.
    commandChain_.append(viewActions_.get());
    window_ = std::make_unique<QMainWindow>();
    ui_ = std::make_unique<Ui::EditorWindow>();
    ui_->setupUi(window_.get());
    FormTexts::localize(window_.get());
    window_->setProperty(controllerProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
    commandActions_ = std::make_unique<EditorCommandActions>(commandChain_, window_.get());
    for (const char* command : {"openFilesFromFinder:", "openFilesFromPhotos:"})
        openFilesMenu_->addAction(commandAction(QString::fromLatin1(command)));
    commandActions_->watch(openFilesMenu_.get());
    fileContextualMenu_ = std::make_unique<QMenu>();
    for (const QString& command : EditorFileActions::contextualMenuCommands()) {
        if (QAction* action = commandAction(command))
            fileContextualMenu_->addAction(action);
    }
    commandActions_->watch(fileContextualMenu_.get());
    // Shown on its own, without the main menu that names the items, it gives them mnemonics.
    connect(fileContextualMenu_.get(), &QMenu::aboutToShow, this,
            [menu = fileContextualMenu_.get()] { brisa::MenuMnemonics::assign(menu->actions()); });
    // Window systems here say nothing of a resize by the user starting or ending: a run of
    // resizes with no pause longer than this is taken as one.
    liveResizeEnd_.setSingleShot(true);
    liveResizeEnd_.setInterval(liveResizePause);
    connect(&liveResizeEnd_, &QTimer::timeout, this, [this] {
        if (editorViewController_)
            editorViewController_->windowDidEndLiveResize();
    });
    containerView_ = ui_->containerView;

    dynamicToolbar_ = new brisa::DynamicToolbar(this);
    dynamicToolbar_->setCenteredItemIdentifier(EditorViewController::centeredItemIdentifier);
    QToolBar* toolbar = dynamicToolbar_->toolbar();
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    window_->addToolBar(toolbar);

    preferredSection_ = brisa::UserDefaults::standard().value(Settings::lastContentSection());
    editorViewController_ = new EditorWelcomeViewController(this);
    QPointer<EditorWindowController> weakSelf(this);
    dynamicToolbar_->setItemSetProvider([weakSelf]() -> brisa::DynamicToolbarItemSet* {
        if (!weakSelf || !weakSelf->editorViewController_)
            return nullptr;
        return &weakSelf->editorViewController_->toolbarItemSet();
    });
    brisa::FilledSubview::setFilledSubview(containerView_, editorViewController_->view());
    editorViewController_->focusFileBar();
    editorViewController_->updateInterface();

    fileListDidChangeFilesSubscriber_.subscribe(MetadataFileList::didChangeFilesNotification, metadataFileList_.get(),
                                                [this](const brisa::Notification&) { fileListDidChangeFiles(); });
    session_->setImportOptionsQuestion([this](std::function<void(bool)> answer) { askImportOptions(std::move(answer)); });
    session_->setDecodingPasswordQuestion([this](EditorSession::PasswordAnswer answer) {
        brisa::UserKeychain::standard().readAsync(
            decodingPasswordKeychainName(), this,
            [answer = std::move(answer)](const brisa::KeychainResult& result) { answer(result.password); });
    });
    session_->setPhotosReplaceQuestion([this](std::function<void(bool)> answer) { askToReplacePhotos(std::move(answer)); });
    taskReports_ = new EditorTaskReports(this, this);
    taskReports_->startObserving();
    // The actions' states follow the files and the selection, the tasks and the settings; the
    // section is followed by updateInterface().
    const auto refresh = [this](const brisa::Notification&) { refreshCommandActions(); };
    commandFilesSubscriber_.subscribe(MetadataFileList::didChangeFilesNotification, metadataFileList_.get(), refresh);
    commandTaskAddedSubscriber_.subscribe(halvex::TaskManager::didAddTaskNotification, &halvex::TaskManager::shared(),
                                          refresh);
    commandTaskRemovedSubscriber_.subscribe(halvex::TaskManager::didRemoveTaskNotification,
                                            &halvex::TaskManager::shared(), refresh);
    commandSettingsSubscriber_.subscribe(brisa::UserDefaults::didSetKeyNotification, &brisa::UserDefaults::standard(),
                                         refresh);
    // A remote profile is applied to the files selected here.
    halvex::PhotosAppAuthorizer::setSelectionSource([self = QPointer<EditorWindowController>(this)] {
        return self && self->metadataFileList() ? halvex::TagEditorList(self->metadataFileList()->selectedEditors())
                                                : halvex::TagEditorList();
    });
    updateInterface();
}

QItemSelectionModel* EditorWindowController::fileSelectionModel() const
{
    return fileSelectionModel_.get();
}

EditorWindowController::~EditorWindowController()
{
    // The window outlives this object's own members: the events of its closing must not reach
    // the filter below, nor the resize timer.
    window_->removeEventFilter(this);
    liveResizeEnd_.stop();
    // No rule is asked while the parts it reads go.
    commandActions_.reset();
    fileListDidChangeFilesSubscriber_.unsubscribe();
    taskReports_->stopObserving();
    // Its panel goes before the list it shows.
    quickLookWindowController_.reset();
    if (editorViewController_) {
        editorViewController_->stopObserving();
        delete editorViewController_;
    }
}

EditorWindowController* EditorWindowController::controllerOf(const QWidget* widget)
{
    const QWidget* top = widget ? widget->window() : nullptr;
    return top ? qobject_cast<EditorWindowController*>(top->property(controllerProperty).value<QObject*>()) : nullptr;
}

QWidget* EditorWindowController::window() const
{
    return window_.get();
}

QMainWindow* EditorWindowController::window()
{
    return window_.get();
}

QList<brisa::DynamicTouchBarItem*> EditorWindowController::makeTouchBar() const
{
    return editorViewController_ ? editorViewController_->makeTouchBar() : QList<brisa::DynamicTouchBarItem*>();
}

void EditorWindowController::updateInterface()
{
    if (!window_ || !editorViewController_)
        return;
    const QString title = editorViewController_->windowTitle();
    const QString subtitle = editorViewController_->windowSubtitle();
    // A window has one title line: a section that hides its title (the application's name) puts
    // its subtitle first, "3 files — Corvelle" as desktops title a document's window.
    if (editorViewController_->windowTitleVisibility() == EditorViewController::WindowTitleVisibility::hidden)
        window_->setWindowTitle(subtitle.isEmpty() ? title : subtitle + QStringLiteral(" — ") + title);
    else
        window_->setWindowTitle(subtitle.isEmpty() ? title : title + QStringLiteral(" — ") + subtitle);
    dynamicToolbar_->reloadDisplayedItems();
    refreshCommandActions();
}

// --- Sections

void EditorWindowController::setContentSection(EditorContentSection section)
{
    // The section switches' check marks follow the choice even when the section stays.
    const auto refresh = qScopeGuard([this] { refreshCommandActions(); });
    // The choice is remembered even while the list is empty: the files that arrive next open in it.
    if ((section == EditorContentSection::preview || section == EditorContentSection::tags
         || section == EditorContentSection::map)
        && section != preferredSection_) {
        preferredSection_ = section;
        brisa::UserDefaults::standard().set(Settings::lastContentSection(), preferredSection_);
    }
    EditorContentSection target = metadataFileList_->hasFiles() ? section : EditorContentSection::welcome;
    // A section whose view is not there is shown as the preview of the files.
    if (!hasSectionView(target))
        target = EditorContentSection::preview;
    if (target == effectiveSection_)
        return;
    effectiveSection_ = target;
    installEditorViewController(effectiveSection_);
}

QHash<EditorContentSection, EditorWindowController::SectionViewFactory>& EditorWindowController::sectionViewFactories()
{
    static QHash<EditorContentSection, SectionViewFactory> factories{
        {EditorContentSection::welcome, [](EditorWindowHost* host) { return new EditorWelcomeViewController(host); }},
        {EditorContentSection::preview, [](EditorWindowHost* host) { return new EditorPreviewViewController(host); }},
        {EditorContentSection::tags, [](EditorWindowHost* host) { return new EditorTagsViewController(host); }},
        {EditorContentSection::map, [](EditorWindowHost* host) { return new EditorMapViewController(host); }},
        {EditorContentSection::raw, [](EditorWindowHost* host) { return new EditorRawViewController(host); }},
    };
    return factories;
}

void EditorWindowController::setSectionViewFactory(EditorContentSection section, SectionViewFactory factory)
{
    if (factory)
        sectionViewFactories().insert(section, std::move(factory));
    else if (section != EditorContentSection::welcome && section != EditorContentSection::preview)
        sectionViewFactories().remove(section);
}

namespace {

std::shared_ptr<EditorTagEditingPresenter>& sharedTagEditingPresenter()
{
    // The tags section's editing windows, unless a caller puts others in their place.
    static std::shared_ptr<EditorTagEditingPresenter> presenter = std::make_shared<TagEditingPresenter>();
    return presenter;
}

} // namespace

void EditorWindowController::setTagEditingPresenter(std::shared_ptr<EditorTagEditingPresenter> presenter)
{
    sharedTagEditingPresenter() = std::move(presenter);
}

EditorTagEditingPresenter* EditorWindowController::tagEditingPresenter()
{
    return sharedTagEditingPresenter().get();
}

bool EditorWindowController::hasSectionView(EditorContentSection section)
{
    return sectionViewFactories().contains(section);
}

void EditorWindowController::installEditorViewController(EditorContentSection section)
{
    if (section == viewSection_)
        return;
    EditorViewController* old = editorViewController_;
    old->saveScrollPosition();
    editorViewController_ = sectionViewFactories().value(section)(this);
    viewSection_ = section;
    brisa::FilledSubview::setFilledSubview(containerView_, editorViewController_->view());
    old->stopObserving();
    old->deleteLater();
    updateInterface();
    editorViewController_->focusFileBar();
    editorViewController_->updateInterface();
    editorViewController_->restoreScrollPosition();
}

void EditorWindowController::fileListDidChangeFiles()
{
    // The tag rows follow the selected files.
    halvex::TagValueTable::Request request = tagValueTable_->latestRequest();
    request.editors = metadataFileList_->selectedEditors();
    tagValueTable_->reload(request);
    QPointer<EditorWindowController> weakSelf(this);
    QTimer::singleShot(0, this, [weakSelf] {
        if (!weakSelf)
            return;
        weakSelf->setContentSection(weakSelf->preferredSection_);
        // The toolbar's rules follow the files and the selection.
        weakSelf->updateInterface();
    });
}

// --- Opening

void EditorWindowController::openFilesFromFinder()
{
    if (!window_)
        return;
    QStringList patterns;
    for (const QString& type : halvex::KitSettings::shared().supportedFileTypes())
        patterns << QStringLiteral("*.") + type.toLower() << QStringLiteral("*.") + type;
    // One panel for the window, made at its first use and kept: it opens where it was left, and
    // is not deleted while its file system model may still be at work.
    if (!openPanel_)
        openPanel_ = new OpenPanel(window_.get());
    OpenPanel* dialog = openPanel_;
    dialog->setNameFilter(localizedString(QStringLiteral("OpenPanelMediaFilesFilter")) + QStringLiteral(" (")
                          + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    QPointer<QFileDialog> weakDialog(dialog);
    brisa::SheetPresenter::presentSheet(window_.get(), dialog, [this, weakDialog](int returnCode) {
        if (!weakDialog)
            return;
        const QList<QUrl> urls = weakDialog->selectedUrls();
        if (returnCode == 1 && !urls.isEmpty())
            addFiles(urls);
    });
}

void EditorWindowController::openFilesFromPhotos()
{
    if (!window_)
        return;
    auto* sheet = new OpenPhotosWindowController(window_.get());
    QPointer<OpenPhotosWindowController> weakSheet(sheet);
    const bool shown = brisa::SheetPresenter::presentSheet(window_.get(), sheet, [this, weakSheet](int returnCode) {
        if (!weakSheet)
            return;
        const QList<halvex::TagStorageSource> chosen = weakSheet->sources();
        weakSheet->deleteLater();
        // The session opens only the files that are not open yet.
        if (returnCode == 1 && !chosen.isEmpty())
            importFiles(chosen);
    });
    if (!shown)
        sheet->deleteLater();
}

bool EditorWindowController::canOpenFiles(const QList<QUrl>& urls) const
{
    const QSet<QString> types = halvex::KitSettings::shared().supportedFileTypes();
    for (const QUrl& url : urls) {
        const QFileInfo info(url.toLocalFile());
        if (info.suffix().isEmpty() || info.isDir() || types.contains(info.suffix().toUpper()))
            return true;
    }
    return false;
}

void EditorWindowController::addFiles(const QList<QUrl>& urls)
{
    // A drop between rows names where its own files go: taken now, so that it is neither left
    // behind for other files nor used by an import that ends first.
    const std::optional<int> dropIndex = editorViewController_ ? editorViewController_->takePendingDropIndex() : std::nullopt;
    session_->addFiles(urls, dropIndex);
}

void EditorWindowController::askImportOptions(std::function<void(bool)> answer)
{
    // A sheet closed any other way than by its Continue button opens nothing at all.
    auto* options = new FileImportOptionsViewController(this);
    QPointer<FileImportOptionsViewController> weakOptions(options);
    const auto ended = [weakOptions, answer](int returnCode) {
        if (weakOptions)
            weakOptions->deleteLater();
        answer(returnCode == 1);
    };
    if (!brisa::SheetPresenter::presentContentSheet(window_.get(), options->view(), ended))
        ended(0);
}

void EditorWindowController::importFiles(const QList<halvex::TagStorageSource>& sources)
{
    session_->importFiles(sources);
}

void EditorWindowController::addTagEditors(const QList<std::shared_ptr<halvex::TagEditor>>& editors)
{
    session_->addTagEditors(editors);
}

// --- Saving

bool EditorWindowController::hasUnsavedChanges() const
{
    return session_->hasUnsavedChanges();
}

bool EditorWindowController::canSaveAllEditedFiles() const
{
    return effectiveSection_ != EditorContentSection::raw && hasUnsavedChanges();
}

bool EditorWindowController::canSaveSelectedFiles() const
{
    if (effectiveSection_ == EditorContentSection::raw)
        return false;
    for (const std::shared_ptr<halvex::TagEditor>& editor : metadataFileList_->selectedEditors()) {
        if (editor->hasEdits())
            return true;
    }
    return false;
}

void EditorWindowController::saveAllEditedFiles()
{
    if (!canSaveAllEditedFiles())
        return;
    QList<std::shared_ptr<halvex::TagEditor>> editors;
    for (const MetadataFilePointer& file : metadataFileList_->files())
        editors << file->editor();
    saveFiles(editors);
}

void EditorWindowController::saveSelectedFiles()
{
    if (canSaveSelectedFiles())
        saveFiles(metadataFileList_->selectedEditors());
}

void EditorWindowController::saveFiles(const QList<std::shared_ptr<halvex::TagEditor>>& editors)
{
    // A value being typed is committed first: editors commit when they lose the focus.
    if (window_ && window_->focusWidget())
        window_->focusWidget()->clearFocus();
    if (session_->saveFiles(editors) == EditorSession::SaveOutcome::cannotSaveWhileEditing) {
        brisa::SheetPresenter::safeBeginSheetModal(
            EditorAlert::make(QStringLiteral("CannotSaveWhileEditing"), {QStringLiteral("CannotSaveWhileEditingOKButton")}),
            window_.get(), {});
    }
}

void EditorWindowController::askToReplacePhotos(std::function<void(bool)> answer)
{
    QMessageBox* alert = EditorAlert::make(QStringLiteral("ReplacePhotosWarning"), {QStringLiteral("ReplacePhotosWarningContinueButton"),
                                                                           QStringLiteral("ReplacePhotosWarningCancelButton")});
    QAbstractButton* confirm = EditorAlert::firstButton(alert);
    if (!brisa::SheetPresenter::safeBeginSheetModal(alert, window_.get(), [confirm, answer](QAbstractButton* clicked) {
            answer(clicked == confirm);
        }))
        answer(false);
}

// --- Window parts

QuickLookWindowController& EditorWindowController::quickLookWindowController() const
{
    if (!quickLookWindowController_) {
        quickLookWindowController_ = std::make_unique<QuickLookWindowController>(metadataFileList_.get());
        quickLookWindowController_->setAnchorWindow(window_.get());
    }
    return *quickLookWindowController_;
}

veilcast::ProgressOverlay& EditorWindowController::progressOverlay() const
{
    if (!progressOverlay_)
        progressOverlay_ = new veilcast::ProgressOverlay(const_cast<EditorWindowController*>(this));
    return *progressOverlay_;
}

veilcast::MessageOverlay& EditorWindowController::messageOverlay() const
{
    return taskReports_->messageOverlay();
}

void EditorWindowController::showTagAddedOverlay()
{
    taskReports_->showTagAddedOverlay();
}

// --- Predicates

std::optional<bool> EditorWindowController::showsSectionColumnsInFileList() const
{
    if (const Settings::BoolKey* key = Settings::showExtraColumnsInFileListKey(effectiveSection_))
        return brisa::UserDefaults::standard().value(*key);
    return std::nullopt;
}

bool EditorWindowController::canImportExportGeotags() const
{
    return selectionHoldsFolder(true);
}

bool EditorWindowController::canActOnNonFolderSelection() const
{
    return selectionHoldsFolder(false);
}

bool EditorWindowController::selectionHoldsFolder(bool folder) const
{
    const brisa::IndexSet& selection = metadataFileList_->selection();
    if (selection.isEmpty())
        return false;
    if (selection.count() >= largeSelectionCount)
        return true;
    const QList<std::shared_ptr<halvex::TagEditor>> editors = metadataFileList_->selectedEditors();
    return std::any_of(editors.begin(), editors.end(),
                       [folder](const auto& editor) { return editor->isFolder() == folder; });
}

// --- Hand-over

const QStringList EditorWindowController::lindmereDesktopIds{
    QStringLiteral("app.lindmere.Lindmere"),
    QStringLiteral("app.lindmere.LindmerePro"),
    QStringLiteral("app.lindmere.LindmereLite"),
    QStringLiteral("app.lindmere.LindmereBeta"),
};

QUrl EditorWindowController::lindmereApplicationURL()
{
    for (const QString& id : lindmereDesktopIds) {
        if (const QUrl url = DesktopApplication::applicationUrl(id); !url.isEmpty())
            return url;
    }
    return {};
}

void EditorWindowController::openFiles(const QList<QUrl>& urls, const QUrl& applicationUrl,
                                       std::function<void(const std::optional<QString>& error)> completion)
{
    DesktopApplication::openFiles(urls, applicationUrl, this, std::move(completion));
}

void EditorWindowController::showCannotFindLindmereAlert()
{
    if (!window_)
        return;
    QMessageBox* alert = EditorAlert::make(QStringLiteral("CannotFindLindmereAlert"),
                                           {QStringLiteral("CannotFindLindmereAlertOKButton")});
    alert->setIcon(QMessageBox::Critical);
    brisa::SheetPresenter::safeBeginSheetModal(alert, window_.get(), {});
}

// --- Commands

MenuValidation EditorWindowController::validateMenuCommand(const QString& command, QAction* item)
{
    if (QAction* action = commandAction(command)) {
        const bool enabled = commandActions_->refresh(action);
        // Another item of the command shows the action's check mark.
        if (item && item != action && item->isCheckable() && action->isCheckable())
            item->setChecked(action->isChecked());
        return enabled ? MenuValidation::enabled : MenuValidation::disabled;
    }
    // notMine lets the shell go on to the application's own commands.
    return commandChain_.validateItem(command, item);
}

bool EditorWindowController::validateUserInterfaceItem(const QString& action) const
{
    if (QAction* own = commandAction(action))
        return commandActions_->refresh(own);
    return commandChain_.validateUserInterfaceItem(action);
}

void EditorWindowController::performMenuCommand(const QString& command, QAction* sender)
{
    performCommand(command, sender);
}

void EditorWindowController::performCommand(const QString& action, QAction* sender)
{
    // A command with an action of its own is that action triggered; an item that stands for
    // something (a preset) goes to its family with itself as sender.
    if (QAction* own = commandAction(action)) {
        if (commandActions_->refresh(own))
            own->trigger();
        return;
    }
    if (commandChain_.validateUserInterfaceItem(action, sender))
        commandChain_.perform(action, sender);
}

QMenu* EditorWindowController::fileContextualMenu() const
{
    return fileContextualMenu_.get();
}

QAction* EditorWindowController::commandAction(const QString& name) const
{
    return commandActions_ ? commandActions_->action(name) : nullptr;
}

QList<QAction*> EditorWindowController::commandActions() const
{
    return commandActions_ ? commandActions_->actions() : QList<QAction*>();
}

void EditorWindowController::refreshCommandActions()
{
    if (commandActions_)
        commandActions_->refresh();
}

bool EditorWindowController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_.get()) {
        // A window-modal sheet has ended: what it changed shows in the title and toolbar.
        if (event->type() == QEvent::WindowUnblocked) {
            QPointer<EditorWindowController> weakSelf(this);
            QTimer::singleShot(0, this, [weakSelf] {
                if (weakSelf)
                    weakSelf->updateInterface();
            });
        }
        if (event->type() == QEvent::Resize && window_->isVisible() && editorViewController_) {
            if (!liveResizeEnd_.isActive())
                editorViewController_->windowWillStartLiveResize();
            liveResizeEnd_.start();
        }
        // The space bar that no view took shows or hides Quick Look.
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
                performCommand(QStringLiteral("toggleQuickLook:"), nullptr);
                return true;
            }
        }
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (canOpenFiles(FileUrlDragData::localFileUrls(drag->mimeData())))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QList<QUrl> urls = FileUrlDragData::localFileUrls(drop->mimeData());
            if (canOpenFiles(urls)) {
                drop->acceptProposedAction();
                addFiles(urls);
            }
            return true;
        }
    }
    return EditorWindowHost::eventFilter(watched, event);
}

} // namespace corvelle
