#include "editor/EditorWindowController.h"

#include "editor/CommandMenuRouting.h"
#include "editor/EditorAlert.h"
#include "editor/EditorCopyCutPasteActions.h"
#include "editor/EditorFileActions.h"
#include "editor/EditorPresetActions.h"
#include "editor/EditorPreviewViewController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorTaskReports.h"
#include "editor/EditorViewActions.h"
#include "editor/EditorWelcomeViewController.h"
#include "editor/FileUrlDragData.h"
#include "editor/OpenPanel.h"
#include "engine/halvex/kit/KitSettings.h"
#include "engine/halvex/tags/MediaType.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/SaveTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filebrowser/FileImportOptionsViewController.h"
#include "filebrowser/QuickLookWindowController.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/settings/EditionSettings.h"
#include "filemodel/settings/FileModelSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/DynamicToolbar.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/UserKeychain.h"
#include "platform/veilcast/ProgressOverlay.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/desktop/DesktopApplication.h"

#include "ui_EditorWindow.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

namespace corvelle {

namespace {

const char* const controllerProperty = "corvelleEditorWindowController";

// Two URLs name the same file when their cleaned absolute paths are equal.
QString pathKey(const QUrl& url)
{
    return url.isLocalFile() ? QDir::cleanPath(QFileInfo(url.toLocalFile()).absoluteFilePath()) : url.toString();
}

} // namespace

EditorWindowController::EditorWindowController()
    : metadataFileList_(std::make_unique<MetadataFileList>())
    , copyCutPasteActions_(std::make_unique<EditorCopyCutPasteActions>(*this))
    , fileActions_(std::make_unique<EditorFileActions>(*this))
    , viewActions_(std::make_unique<EditorViewActions>(*this))
    , presetActions_(std::make_unique<EditorPresetActions>(*this))
    , openFilesMenu_(std::make_unique<QMenu>())
{
    commandChain_.append(copyCutPasteActions_.get());
    commandChain_.append(fileActions_.get());
    commandChain_.append(presetActions_.get());
    // Asked last.
    commandChain_.append(viewActions_.get());
    // Titled as the main menu's open commands.
    const std::pair<QString, QString> openCommands[] = {
        {QStringLiteral("openFilesFromFinder:"), QStringLiteral("MainMenuOpenFilesInFinder")},
        {QStringLiteral("openFilesFromPhotos:"), QStringLiteral("MainMenuOpenFilesInPhotos")},
    };
    for (const auto& [command, titleKey] : openCommands)
        openFilesMenu_->addAction(localizedString(titleKey))->setObjectName(command);
    CommandMenuRouting::route(
        openFilesMenu_.get(), [this](const QString& command, QAction*) { return validateUserInterfaceItem(command); },
        [this](const QString& command, QAction* sender) { performCommand(command, sender); });
    window_ = std::make_unique<QMainWindow>();
    ui_ = std::make_unique<Ui::EditorWindow>();
    ui_->setupUi(window_.get());
    FormTexts::localize(window_.get());
    window_->setProperty(controllerProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
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
    taskManagerDidRemoveTaskSubscriber_.subscribe(
        halvex::TaskManager::didRemoveTaskNotification, &halvex::TaskManager::shared(),
        [this](const brisa::Notification& note) {
            const std::shared_ptr<halvex::AbstractTask> task = halvex::TaskManager::task(note);
            if (!task)
                return;
            for (const QString& path : pendingPathsByTask_.take(task.get()))
                pendingPaths_.remove(path);
        });
    taskReports_ = new EditorTaskReports(this, this);
    taskReports_->startObserving();
    updateInterface();
}

EditorWindowController::~EditorWindowController()
{
    fileListDidChangeFilesSubscriber_.unsubscribe();
    taskManagerDidRemoveTaskSubscriber_.unsubscribe();
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
}

// --- Sections

void EditorWindowController::setContentSection(EditorContentSection section)
{
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
    auto* dialog = new OpenPanel(window_.get());
    dialog->setNameFilter(localizedString(QStringLiteral("OpenPanelMediaFilesFilter")) + QStringLiteral(" (")
                          + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    // Deleted by the completion, not on closing: the completion runs after the close and reads
    // the chosen files from the dialog.
    QPointer<QFileDialog> weakDialog(dialog);
    const bool shown = brisa::SheetPresenter::presentSheet(window_.get(), dialog, [this, weakDialog](int returnCode) {
        if (!weakDialog)
            return;
        const QList<QUrl> urls = weakDialog->selectedUrls();
        weakDialog->deleteLater();
        if (returnCode == 1 && !urls.isEmpty())
            addFiles(urls);
    });
    if (!shown)
        delete dialog;
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

QList<halvex::TagStorageSource> EditorWindowController::newSources(const QList<halvex::TagStorageSource>& sources) const
{
    QSet<QString> taken = pendingPaths_;
    for (const MetadataFilePointer& file : metadataFileList_->files())
        taken.insert(pathKey(file->url()));
    QList<halvex::TagStorageSource> result;
    for (const halvex::TagStorageSource& source : sources) {
        const QString key = pathKey(source.url());
        if (!taken.contains(key)) {
            taken.insert(key);
            result << source;
        }
    }
    return result;
}

void EditorWindowController::addFiles(const QList<QUrl>& urls)
{
    // A drop between rows names where its own files go: taken now, so that it is neither left
    // behind for other files nor used by an import that ends first.
    const std::optional<int> dropIndex = editorViewController_ ? editorViewController_->takePendingDropIndex() : std::nullopt;
    QList<halvex::TagStorageSource> sources;
    for (const QUrl& url : urls)
        sources << halvex::TagStorageSource(url);
    QList<QUrl> remaining;
    for (const halvex::TagStorageSource& source : newSources(sources))
        remaining << source.url();
    if (remaining.isEmpty())
        return;
    // Held as pending from now on: the options sheet and the password come before the task.
    for (const QUrl& url : remaining)
        pendingPaths_.insert(pathKey(url));
    const bool hasFolder = std::any_of(remaining.begin(), remaining.end(), [](const QUrl& url) {
        return QFileInfo(url.path()).suffix().isEmpty();
    });
    if (!hasFolder) {
        importSourcesWithPassword(remaining, dropIndex);
        return;
    }
    // Folders open as the import options say: they are asked first, and a sheet closed any
    // other way than by its Continue button opens nothing at all.
    auto* options = new FileImportOptionsViewController(this);
    QPointer<EditorWindowController> weakSelf(this);
    QPointer<FileImportOptionsViewController> weakOptions(options);
    const auto ended = [weakSelf, weakOptions, remaining, dropIndex](int returnCode) {
        if (weakOptions)
            weakOptions->deleteLater();
        if (!weakSelf)
            return;
        if (returnCode == 1) {
            weakSelf->importSourcesWithPassword(remaining, dropIndex);
        } else {
            for (const QUrl& url : remaining)
                weakSelf->pendingPaths_.remove(pathKey(url));
        }
    };
    if (!brisa::SheetPresenter::presentContentSheet(window_.get(), options->view(), ended))
        ended(0);
}

void EditorWindowController::importSourcesWithPassword(const QList<QUrl>& urls, std::optional<int> dropIndex)
{
    brisa::UserKeychain::standard().readAsync(decodingPasswordKeychainName(), this,
                                              [this, urls, dropIndex](const brisa::KeychainResult& result) {
                                                  QList<halvex::TagStorageSource> sources;
                                                  for (const QUrl& url : urls)
                                                      sources << halvex::TagStorageSource(url, std::nullopt, result.password);
                                                  for (const QUrl& url : urls)
                                                      pendingPaths_.remove(pathKey(url));
                                                  importFiles(sources, dropIndex);
                                              });
}

void EditorWindowController::importFiles(const QList<halvex::TagStorageSource>& sources)
{
    importFiles(sources, std::nullopt);
}

void EditorWindowController::importFiles(const QList<halvex::TagStorageSource>& sources, std::optional<int> dropIndex)
{
    const QList<halvex::TagStorageSource> fresh = newSources(sources);
    if (fresh.isEmpty())
        return;
    const brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
    QSet<halvex::MediaType> allowedTypes;
    for (const QString& name : defaults.value(Settings::unfoldImportAllowedTypes())) {
        if (const std::optional<halvex::MediaType> type = halvex::MediaType::type(name))
            allowedTypes.insert(*type);
    }
    halvex::ImportTagEditorsTask::Settings settings(fresh);
    settings.errorsIgnored =
        defaults.value(Settings::editionUserChoiceErrorsBehavior()) == ErrorsBehaviorEditionUserChoice::ignore;
    settings.unfoldFolders = defaults.value(Settings::useUnfoldFoldersImport());
    settings.unfoldSubfolders = defaults.value(Settings::useRecursiveUnfoldImport());
    if (!allowedTypes.isEmpty())
        settings.supportedTypes = allowedTypes;
    auto task = std::make_shared<halvex::ImportTagEditorsTask>(settings);
    QStringList& paths = pendingPathsByTask_[task.get()];
    for (const halvex::TagStorageSource& source : fresh) {
        paths << pathKey(source.url());
        pendingPaths_.insert(paths.last());
    }
    if (dropIndex)
        pendingDrops_.append({task, *dropIndex});
    halvex::TaskManager::shared().add(task);
}

void EditorWindowController::addTagEditors(const QList<std::shared_ptr<halvex::TagEditor>>& editors)
{
    // Two imports of one file may have been queued before either was done (a file inside an
    // unfolded folder and the same file on its own): two editors of one file would overwrite
    // each other's saves, so the later one is dropped.
    QSet<QString> taken;
    for (const MetadataFilePointer& file : metadataFileList_->files())
        taken.insert(pathKey(file->url()));
    QList<MetadataFilePointer> files;
    for (const std::shared_ptr<halvex::TagEditor>& editor : editors) {
        auto file = std::make_shared<MetadataFile>(editor);
        const QString key = pathKey(file->url());
        if (!taken.contains(key)) {
            taken.insert(key);
            files << file;
        }
    }
    std::optional<int> dropIndex;
    for (auto it = pendingDrops_.begin(); it != pendingDrops_.end();) {
        const std::shared_ptr<halvex::ImportTagEditorsTask> task = it->task.lock();
        if (task && task->editors() == editors)
            dropIndex = it->index;
        if (!task || task->editors() == editors)
            it = pendingDrops_.erase(it);
        else
            ++it;
    }
    if (files.isEmpty())
        return;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    collator.setIgnorePunctuation(false);
    std::stable_sort(files.begin(), files.end(), [&collator](const MetadataFilePointer& a, const MetadataFilePointer& b) {
        return collator.compare(a->filename(), b->filename()) < 0;
    });
    // The row was chosen against the list as it was then: files removed since may put it past
    // the end.
    const int index = std::clamp(dropIndex.value_or(int(metadataFileList_->files().size())), 0,
                                 int(metadataFileList_->files().size()));
    metadataFileList_->postDidChangeFiles(metadataFileList_->insertWithoutNotifying(files, index));
    metadataFileList_->setSelection(brisa::IndexSet{index});
}

// --- Saving

bool EditorWindowController::hasUnsavedChanges() const
{
    for (const MetadataFilePointer& file : metadataFileList_->files()) {
        if (file->editor()->hasEdits())
            return true;
    }
    return false;
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
    QList<std::shared_ptr<halvex::TagEditor>> edited;
    for (const std::shared_ptr<halvex::TagEditor>& editor : editors) {
        if (editor->hasEdits())
            edited << editor;
    }
    if (edited.isEmpty())
        return;
    if (halvex::TaskManager::shared().isEditing()) {
        brisa::SheetPresenter::safeBeginSheetModal(
            EditorAlert::make(QStringLiteral("CannotSaveWhileEditing"), {QStringLiteral("CannotSaveWhileEditingOKButton")}),
            window_.get(), {});
        return;
    }
    const bool fromPhotos = std::any_of(edited.begin(), edited.end(), [](const auto& editor) {
        return editor->source().photosItem().has_value();
    });
    if (!fromPhotos) {
        addSaveTask(edited);
        return;
    }
    QMessageBox* alert = EditorAlert::make(QStringLiteral("ReplacePhotosWarning"), {QStringLiteral("ReplacePhotosWarningContinueButton"),
                                                                           QStringLiteral("ReplacePhotosWarningCancelButton")});
    QAbstractButton* confirm = EditorAlert::firstButton(alert);
    QPointer<EditorWindowController> weakSelf(this);
    brisa::SheetPresenter::safeBeginSheetModal(alert, window_.get(), [weakSelf, confirm, edited](QAbstractButton* clicked) {
        if (weakSelf && clicked == confirm)
            weakSelf->addSaveTask(edited);
    });
}

void EditorWindowController::addSaveTask(const QList<std::shared_ptr<halvex::TagEditor>>& editors)
{
    const brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
    halvex::SaveTagEditorsTask::Settings settings;
    settings.editors = editors;
    settings.fixInvalidOffsets =
        defaults.value(Settings::editionUserChoiceCorrections()) == CorrectionsEditionUserChoice::fixInvalidOffsets;
    settings.ignoreErrors =
        defaults.value(Settings::editionUserChoiceErrorsBehavior()) == ErrorsBehaviorEditionUserChoice::ignore;
    settings.updateFileModifyDate =
        defaults.value(Settings::editionFileModifyDateUpdate()) == FileModifyDateUpdateUserChoice::updateWithEachSave;
    settings.iptcAsUTF8 = defaults.value(Settings::editionUserChoiceIPTCCharSet()) == IPTCCharSetEditionUserChoice::utf8;
    settings.iptcDigestUpdate = defaults.value(Settings::editionUserChoiceIPTCDigest());
    halvex::TaskManager::shared().add(std::make_shared<halvex::SaveTagEditorsTask>(settings));
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
    // notMine lets the shell go on to the application's own commands.
    const MenuValidation answer = commandChain_.validateItem(command, item);
    if (item && item->isCheckable()) {
        if (const std::optional<bool> checked = viewActions_->itemState(command))
            item->setChecked(*checked);
    }
    return answer;
}

bool EditorWindowController::validateUserInterfaceItem(const QString& action) const
{
    return commandChain_.validateUserInterfaceItem(action);
}

void EditorWindowController::performMenuCommand(const QString& command, QAction* sender)
{
    commandChain_.perform(command, sender);
}

void EditorWindowController::performCommand(const QString& action, QAction* sender)
{
    if (commandChain_.validateUserInterfaceItem(action, sender))
        commandChain_.perform(action, sender);
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
