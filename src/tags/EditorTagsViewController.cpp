#include "tags/EditorTagsViewController.h"

#include "editor/EditorFileGridBarController.h"
#include "editor/EditorFileListBarController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorTouchBarItems.h"
#include "editor/EditorWindowController.h"
#include "editor/FileEditedTagsTableCellView.h"
#include "editor/FileOriginalTagsTableCellView.h"
#include "editor/FileSaveTableCellView.h"
#include "editor/FileSourceTableCellView.h"
#include "editor/FileThumbnailTableCellView.h"
#include "editor/SplitViewTracker.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "editing/TagEditingWindowController.h"
#include "platform/brisa/ui/WindowControl.h"
#include "tags/EditorTagBarController.h"
#include "tags/EditorTagSidebarController.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_EditorTagsView.h"

#include <QSplitter>
#include <QTableView>
#include <QTimer>

namespace corvelle {

namespace {

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

} // namespace

EditorTagsViewController::EditorTagsViewController(EditorWindowHost* editorWindowController)
    : EditorViewController(editorWindowController)
{
}

EditorTagsViewController::~EditorTagsViewController() = default;

void EditorTagsViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorTagsView>();
    ui_->setupUi(this);
    FormTexts::localize(this);
}

EditorWindowController* EditorTagsViewController::windowController() const
{
    return qobject_cast<EditorWindowController*>(editorWindowController());
}

QSplitter* EditorTagsViewController::splitView() const
{
    return ui_ ? ui_->splitView : nullptr;
}

QWidget* EditorTagsViewController::fileContainerView() const
{
    return ui_ ? ui_->fileContainerView : nullptr;
}

QWidget* EditorTagsViewController::tagContainerView() const
{
    return ui_ ? ui_->tagContainerView : nullptr;
}

QWidget* EditorTagsViewController::sidebarContainerView() const
{
    return ui_ ? ui_->sidebarContainerView : nullptr;
}

// --- Set-up

void EditorTagsViewController::setupViews()
{
    view();
    ui_->splitView->setStretchFactor(0, 1);
    ui_->splitView->setStretchFactor(1, 1);
    ui_->splitView->setStretchFactor(2, 0);
    splitViewTracker_ = new SplitViewTracker(ui_->splitView, nullptr, this);
    reloadFileBar();
    reloadTagBar();
    reloadSidebar();
    updateFileListColumns();
}

void EditorTagsViewController::reloadFileBar()
{
    if (!editorWindowController() || !ui_)
        return;
    fileBarController_ =
        replaceFileBar(fileBarController_, defaults().value(Settings::tagsSectionFileViewMode()), ui_->fileContainerView);
}

void EditorTagsViewController::updateFileListColumns()
{
    auto* list = qobject_cast<EditorFileListBarController*>(fileBarController_);
    EditorWindowController* window = windowController();
    if (!list || !window)
        return;
    const std::optional<bool> showsTags = window->showsSectionColumnsInFileList();
    if (!showsTags)
        return;
    QList<FileTableCellType> types{FileThumbnailTableCellView::cellType(), FileSourceTableCellView::cellType()};
    if (*showsTags)
        types << FileOriginalTagsTableCellView::cellType() << FileEditedTagsTableCellView::cellType();
    types << FileSaveTableCellView::cellType();
    list->setTableCellTypes(types);
}

void EditorTagsViewController::reloadTagBar()
{
    if (!ui_)
        return;
    EditorTagBarController* old = tagBarController_;
    if (old && old->isViewLoaded())
        old->saveScrollPosition();
    auto* bar = new EditorTagBarController(this);
    tagBarController_ = bar;
    brisa::FilledSubview::setFilledSubview(ui_->tagContainerView, bar->view());
    if (old) {
        old->stopObserving();
        old->deleteLater();
    }
    bar->restoreScrollPosition();
    bar->updateRowHeights();
}

void EditorTagsViewController::reloadSidebar()
{
    if (!editorWindowController() || !ui_)
        return;
    const bool enabled = defaults().value(Settings::tagEditingSidebarState()) == EditingSidebarState::enabled;
    if (enabled && !sidebarController_) {
        sidebarController_ = new EditorTagSidebarController(this);
        brisa::FilledSubview::setFilledSubview(ui_->sidebarContainerView, sidebarController_->view());
        // The pane is never narrower than the sidebar's controls.
        const int needed = std::max(sidebarController_->minimumWidth(), sidebarController_->minimumSizeHint().width());
        if (ui_->sidebarContainerView->minimumWidth() < needed)
            ui_->sidebarContainerView->setMinimumWidth(needed);
    } else if (!enabled && sidebarController_) {
        sidebarController_->stopObserving();
        sidebarController_->hide();
        sidebarController_->deleteLater();
        sidebarController_ = nullptr;
    }
    ui_->sidebarContainerView->setVisible(enabled);
    resetSplitPosition();
}

EditorBarController* EditorTagsViewController::sidebarController() const
{
    return sidebarController_;
}

void EditorTagsViewController::focusSidebar()
{
    if (sidebarController_)
        sidebarController_->focus();
}

bool EditorTagsViewController::editSelectedTagValues(std::optional<EditorEditionCacheStep> step)
{
    const bool needsWritable = step == EditorEditionCacheStep::actionSelection || step == EditorEditionCacheStep::rawEdition;
    if (sidebarController_) {
        if (!step || *step == EditorEditionCacheStep::tagEdition) {
            sidebarController_->focus();
            return true;
        }
        if (needsWritable && !sidebarController_->cache().isWritable())
            return false;
        brisa::WindowControl::forceEndEditing(this);
        sidebarController_->showStep(*step, true);
        return true;
    }
    const std::optional<EditorEditionCache> cache = selectionEditionCache();
    if (!cache || (needsWritable && !cache->isWritable()))
        return false;
    return TagEditingWindowController::present(this, *cache, step) != nullptr;
}

// --- Split position

void EditorTagsViewController::saveSplitRatio()
{
    // Before the section is first shown its panes have no real widths yet.
    if (!editorWindowController() || !ui_ || width() <= 0 || !splitLaidOut_)
        return;
    defaults().set(Settings::tagsSectionFileViewSplitRatio(), double(ui_->splitView->sizes().value(0)) / width());
}

void EditorTagsViewController::resetSplitPosition()
{
    if (!ui_)
        return;
    QSplitter* split = ui_->splitView;
    const int total = std::max(split->width(), 0);
    const bool sidebarShown = !ui_->sidebarContainerView->isHidden();
    const int sidebar = sidebarShown ? std::max(ui_->sidebarContainerView->width(), ui_->sidebarContainerView->minimumWidth())
                                     : 0;
    const int position = int((total - sidebar) * 0.5);
    split->setSizes({position, std::max(0, total - sidebar - position), sidebar});
    // The panes' minimum widths and the handles may have moved the divider a little.
    saveSplitRatio();
}

void EditorTagsViewController::restoreSplitRatio()
{
    if (!ui_)
        return;
    const double ratio = editorWindowController() ? double(defaults().value(Settings::tagsSectionFileViewSplitRatio())) : 0.5;
    QSplitter* split = ui_->splitView;
    QList<int> sizes = split->sizes();
    if (sizes.size() < 3)
        return;
    const int total = sizes[0] + sizes[1];
    const int position = std::clamp(int(ratio * width()), 0, total);
    sizes[0] = position;
    sizes[1] = total - position;
    split->setSizes(sizes);
    splitLaidOut_ = splitLaidOut_ || (isVisible() && total > 0);
}

void EditorTagsViewController::viewDidAppear()
{
    EditorViewController::viewDidAppear();
    restoreSplitRatio();
    // A view shown for the first time has its width once laid out: the divider goes there then.
    QTimer::singleShot(0, this, [this] { restoreSplitRatio(); });
}

void EditorTagsViewController::hideEvent(QHideEvent* event)
{
    saveSplitRatio();
    EditorViewController::hideEvent(event);
}

void EditorTagsViewController::resizeEvent(QResizeEvent* event)
{
    EditorViewController::resizeEvent(event);
    // The panes keep their shares as the window grows or shrinks.
    if (isVisible())
        restoreSplitRatio();
}

void EditorTagsViewController::centreSelectedTagRow()
{
    if (tagBarController_)
        tagBarController_->revealSelection();
}

// --- Toolbar and touch bar

void EditorTagsViewController::addToolbarItems()
{
    addOpenFilesToolbarItem();
    addToolbarItem(ToolbarCommand::removeFiles);
    addToolbarItem(ToolbarCommand::inspectFiles);
    addToolbarItem(ToolbarCommand::saveAllFiles);
    addFlexibleSpaceToolbarItem();
    addSectionSwitcherToolbarItem(1);
    addTasksToolbarItem();
    addFlexibleSpaceToolbarItem();
    addToolbarItem(ToolbarCommand::editTags);
    addToolbarItem(ToolbarCommand::eraseTags);
    addToolbarItem(ToolbarCommand::restoreTags);
    addToolbarItem(ToolbarCommand::editingActions);
    addToolbarItem(ToolbarCommand::editLocation);
    addPresetsToolbarItem();
    addHelpToolbarItem();
}

void EditorTagsViewController::addTouchBarItems()
{
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar().addItemSet({});
    EditorTouchBarItems::addFileSectionItems(items, EditorTouchBarItems::Controller(windowController()));
}

// --- Window

QString EditorTagsViewController::windowTitle() const
{
    return localizedString(QStringLiteral("EditorMetadataCorvelleWindowTitle"));
}

QString EditorTagsViewController::windowSubtitle() const
{
    const MetadataFileList* list = metadataFileList();
    return localizedString(QStringLiteral("EditorMetadataWindowSubtitle"), {qlonglong(list ? list->files().size() : 0)});
}

void EditorTagsViewController::focusFileBar()
{
    if (fileBarController_)
        fileBarController_->focus();
}

void EditorTagsViewController::focusTagTable()
{
    if (tagBarController_)
        tagBarController_->focus();
}

void EditorTagsViewController::revealSelectionInFileBar()
{
    if (fileBarController_)
        fileBarController_->revealSelection();
}

void EditorTagsViewController::saveScrollPosition()
{
    if (fileBarController_ && fileBarController_->isViewLoaded())
        fileBarController_->saveScrollPosition();
    if (tagBarController_ && tagBarController_->isViewLoaded())
        tagBarController_->saveScrollPosition();
}

void EditorTagsViewController::restoreScrollPosition()
{
    if (fileBarController_)
        fileBarController_->restoreScrollPosition();
    if (tagBarController_)
        tagBarController_->restoreScrollPosition();
}

std::optional<int> EditorTagsViewController::takePendingDropIndex()
{
    return fileBarController_ ? fileBarController_->takeDropFilesIndex() : std::nullopt;
}

void EditorTagsViewController::windowWillStartLiveResize()
{
    if (fileBarController_)
        fileBarController_->windowWillStartLiveResize();
}

void EditorTagsViewController::windowDidEndLiveResize()
{
    saveSplitRatio();
    if (fileBarController_)
        fileBarController_->windowDidEndLiveResize();
    if (tagBarController_)
        tagBarController_->windowDidEndLiveResize();
}

// --- Observing

void EditorTagsViewController::startObserving()
{
    userDefaultsDidSetKeySubscriber_.subscribe(brisa::UserDefaults::didSetKeyNotification,
                                               editorWindowController() ? &defaults() : nullptr,
                                               [this](const brisa::Notification& note) { userDefaultsDidSetKey(note); });
    QSplitter* split = splitViewTracker_ ? splitViewTracker_->splitView() : nullptr;
    splitViewWillStartResizingSubscriber_.subscribe(SplitViewTracker::willStartResizingNotification, split,
                                                    [this](const brisa::Notification&) { splitViewWillStartResizing(); });
    splitViewDidEndResizingSubscriber_.subscribe(SplitViewTracker::didEndResizingNotification, split,
                                                 [this](const brisa::Notification&) { splitViewDidEndResizing(); });
    if (tagBarController_)
        tagBarController_->startObserving();
}

void EditorTagsViewController::stopObserving()
{
    userDefaultsDidSetKeySubscriber_.unsubscribe();
    splitViewWillStartResizingSubscriber_.unsubscribe();
    splitViewDidEndResizingSubscriber_.unsubscribe();
    if (fileBarController_)
        fileBarController_->stopObserving();
    if (tagBarController_)
        tagBarController_->stopObserving();
    if (sidebarController_)
        sidebarController_->stopObserving();
}

void EditorTagsViewController::userDefaultsDidSetKey(const brisa::Notification& note)
{
    const QString key = brisa::UserDefaults::editedKeyName(note);
    if (key == Settings::tagsSectionFileViewMode().name()) {
        reloadFileBar();
        updateFileListColumns();
        updateInterface();
    } else if (key == Settings::tagsSectionShowTagsInFileList().name()) {
        updateFileListColumns();
    } else if (key == Settings::tagEditingSidebarState().name()) {
        reloadSidebar();
        updateInterface();
    }
}

void EditorTagsViewController::splitViewWillStartResizing()
{
    if (fileBarController_)
        fileBarController_->splitViewWillStartResizing();
}

void EditorTagsViewController::splitViewDidEndResizing()
{
    saveSplitRatio();
    if (fileBarController_)
        fileBarController_->splitViewDidEndResizing();
    if (tagBarController_)
        tagBarController_->splitViewDidEndResizing();
}

// --- Copy, cut, paste and clear of the selected values

std::optional<bool> EditorTagsViewController::validateTableValueCommand(const QString& command) const
{
    EditorWindowHost* window = editorWindowController();
    if (!window)
        return false;
    if (!window->commandAction(command))
        return std::nullopt;
    return window->validateUserInterfaceItem(command);
}

bool EditorTagsViewController::sendTableValueCommand(const QString& command)
{
    EditorWindowHost* window = editorWindowController();
    if (!window || !window->commandAction(command))
        return false;
    window->performCommand(command, nullptr);
    return true;
}

std::optional<EditorEditionCache> EditorTagsViewController::selectionEditionCache() const
{
    const halvex::TagValueTable* table = editorWindowController() ? tagValueTable() : nullptr;
    // Values about to change under a queued edition wait for it.
    if (!table || table->isLocked())
        return std::nullopt;
    const halvex::TagValueTable::Content content = table->content();
    if (content.selectedEntryIndexes().isEmpty() || content.editors().isEmpty())
        return std::nullopt;
    return EditorEditionCache(content.valueSet());
}

bool EditorTagsViewController::canAct(const QString& command, bool (*cacheCan)(const EditorEditionCache&)) const
{
    if (const std::optional<bool> valid = validateTableValueCommand(command))
        return *valid;
    const std::optional<EditorEditionCache> cache = selectionEditionCache();
    return cache && cacheCan(*cache);
}

bool EditorTagsViewController::canCopy() const
{
    return canAct(QStringLiteral("copySelectedTableValue:"), [](const EditorEditionCache& cache) { return cache.hasSingleValue(); });
}

bool EditorTagsViewController::canCut() const
{
    return canAct(QStringLiteral("cutSelectedTableValue:"), [](const EditorEditionCache& cache) { return cache.canCut(); });
}

bool EditorTagsViewController::canPaste() const
{
    return canAct(QStringLiteral("pasteSelectedTableValue:"), [](const EditorEditionCache& cache) {
        return cache.isWritable() && halvex::TagPasteboard::shared().text().has_value();
    });
}

bool EditorTagsViewController::canClearValues() const
{
    return canAct(QStringLiteral("clearSelectedTableValue:"), [](const EditorEditionCache& cache) { return cache.isWritable(); });
}

void EditorTagsViewController::copy()
{
    if (sendTableValueCommand(QStringLiteral("copySelectedTableValue:")))
        return;
    if (const std::optional<EditorEditionCache> cache = selectionEditionCache())
        cache->copyValues();
}

void EditorTagsViewController::cut()
{
    if (sendTableValueCommand(QStringLiteral("cutSelectedTableValue:")))
        return;
    if (const std::optional<EditorEditionCache> cache = selectionEditionCache())
        cache->cutValues();
}

void EditorTagsViewController::paste()
{
    if (sendTableValueCommand(QStringLiteral("pasteSelectedTableValue:")))
        return;
    if (const std::optional<EditorEditionCache> cache = selectionEditionCache())
        cache->pasteValues();
}

void EditorTagsViewController::clearValues()
{
    if (sendTableValueCommand(QStringLiteral("clearSelectedTableValue:")))
        return;
    if (const std::optional<EditorEditionCache> cache = selectionEditionCache(); cache && cache->isWritable())
        cache->clearValues();
}

} // namespace corvelle
