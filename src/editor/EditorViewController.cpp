#include "editor/EditorViewController.h"

#include "editor/EditorContentSection.h"
#include "editor/EditorWindowHost.h"
#include "editor/TasksPopoverController.h"
#include "engine/halvex/TaskManager.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QMenu>
#include <QTabBar>

namespace corvelle {

namespace {

// The chosen index of a section switcher; none for any other sender.
std::optional<int> chosenIndex(QObject* sender)
{
    if (auto* group = qobject_cast<QButtonGroup*>(sender))
        return group->checkedId();
    if (auto* tabs = qobject_cast<QTabBar*>(sender))
        return tabs->currentIndex();
    if (auto* box = qobject_cast<QComboBox*>(sender))
        return box->currentIndex();
    // The toolbar's title group: a widget around its button group.
    if (auto* widget = qobject_cast<QWidget*>(sender)) {
        if (auto* group = widget->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly))
            return group->checkedId();
    }
    return std::nullopt;
}

} // namespace

EditorViewController::EditorViewController(EditorWindowHost* editorWindowController)
    : editorWindowController_(editorWindowController)
    , toolbarItemSet_([] { return true; })
{
}

EditorViewController::~EditorViewController() = default;

EditorWindowHost* EditorViewController::editorWindowController() const
{
    return editorWindowController_;
}

void EditorViewController::setEditorWindowController(EditorWindowHost* controller)
{
    editorWindowController_ = controller;
}

QAbstractButton* EditorViewController::taskButton() const
{
    return taskButton_;
}

void EditorViewController::setTaskButton(QAbstractButton* button)
{
    taskButton_ = button;
}

void EditorViewController::viewDidLoad()
{
    setupViews();
    addToolbarItems();
    addTouchBarItems();
    startObserving();
    updateInterface();
}

void EditorViewController::updateInterface()
{
    if (editorWindowController_)
        editorWindowController_->updateInterface();
    dynamicTouchBar_.reloadDisplayedItems();
}

std::unique_ptr<QMenu> EditorViewController::fileContextualMenu() const
{
    if (!editorWindowController_)
        return nullptr;
    QMenu* source = editorWindowController_->fileContextualMenu();
    if (!source)
        return nullptr;
    auto copy = std::make_unique<QMenu>(source->title());
    copy->addActions(source->actions());
    return copy;
}

QString EditorViewController::windowTitle() const
{
    toOverride();
}

QString EditorViewController::windowSubtitle() const
{
    toOverride();
}

MetadataFileList* EditorViewController::metadataFileList() const
{
    return editorWindowController_ ? editorWindowController_->metadataFileList() : nullptr;
}

halvex::TagValueTable* EditorViewController::tagValueTable() const
{
    return editorWindowController_ ? editorWindowController_->tagValueTable() : nullptr;
}

bool EditorViewController::isTaskManagerBusy() const
{
    return editorWindowController_ && halvex::TaskManager::shared().isBusy();
}

brisa::UserDefaults* EditorViewController::userDefaults() const
{
    return editorWindowController_ ? &brisa::UserDefaults::standard() : nullptr;
}

bool EditorViewController::hasWindowController() const
{
    return !editorWindowController_.isNull();
}

bool EditorViewController::isBusy() const
{
    return halvex::TaskManager::shared().isBusy();
}

void EditorViewController::copyIfAllowed()
{
    if (canCopy())
        copy();
}

void EditorViewController::cutIfAllowed()
{
    if (canCut())
        cut();
}

void EditorViewController::pasteIfAllowed()
{
    if (canPaste())
        paste();
}

void EditorViewController::switchSections(QObject* sender)
{
    EditorWindowHost* window = editorWindowController_;
    if (!window)
        return;
    const std::optional<int> index = chosenIndex(sender);
    const std::optional<EditorContentSection> section = index ? sectionAtSwitcherIndex(*index) : std::nullopt;
    if (!section)
        return;
    switch (*section) {
    case EditorContentSection::preview: window->switchToPreviewSection(); break;
    case EditorContentSection::tags: window->switchToTagsSection(); break;
    case EditorContentSection::map: window->switchToMapSection(); break;
    case EditorContentSection::raw: window->switchToRawSection(); break;
    case EditorContentSection::welcome: break;
    }
}

void EditorViewController::toggleTasksPopover()
{
    if (taskButton_)
        TasksPopoverController::shared().toggle(taskButton_, PopoverController::Edge::bottom);
}

bool EditorViewController::validateUserInterfaceItem(const QString& action) const
{
    if (action == QLatin1String("copyContent:"))
        return canCopy();
    if (action == QLatin1String("cutContent:"))
        return canCut();
    if (action == QLatin1String("pasteContent:"))
        return canPaste();
    if (action == QLatin1String("switchSections:"))
        return hasWindowController();
    if (action == QLatin1String("toggleTaskPopover:"))
        return halvex::TaskManager::shared().isBusy();
    return false;
}

} // namespace corvelle
