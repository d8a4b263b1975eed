#include "editor/EditorViewController.h"

#include "editor/EditorContentSection.h"
#include "editor/EditorFileGridBarController.h"
#include "editor/EditorFileListBarController.h"
#include "editor/EditorWindowController.h"
#include "editor/EditorWindowHost.h"
#include "editor/TasksPopoverController.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileListModel.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/DynamicToolbarItem.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "presets/PresetPopUpMenu.h"
#include "widgets/ApplicationCommands.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/SpinningProgressIndicator.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

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

struct CommandButton {
    const char* titleKey;
    const char* symbolName;
    const char* action;
    // Sent to the application rather than to the window controller.
    bool toApplication = false;
};

CommandButton commandButton(EditorViewController::ToolbarCommand command)
{
    using Command = EditorViewController::ToolbarCommand;
    switch (command) {
    case Command::removeFiles:
        return {"EditorWindowToolbarRemoveFiles", "delete.left", "removeAllFiles:"};
    case Command::inspectFiles:
        return {"EditorWindowToolbarInspectFiles", "doc.text.magnifyingglass", "inspectSelectedFiles:"};
    case Command::saveAllFiles:
        return {"EditorWindowToolbarSaveAllFiles", "square.and.arrow.down", "saveAllEditedFiles:"};
    case Command::editTags:
        return {"EditorWindowToolbarEditTags", "square.and.pencil", "editSelectedTableValue:"};
    case Command::eraseTags:
        return {"EditorWindowToolbarEraseTags", "eraser.line.dashed", "clearSelectedTableValue:"};
    case Command::restoreTags:
        return {"EditorWindowToolbarRestoreTags", "arrow.uturn.left.circle", "restoreSelectedTableValue:"};
    case Command::editingActions:
        return {"EditorWindowToolbarEditingActions", "ellipsis.circle", "quickActionSelectedTableValue:"};
    case Command::editCoverArt:
        return {"EditorWindowToolbarEditCovertArt", "photo.artframe", "editQuicktimeCovertArt:"};
    case Command::downloadInfo:
        return {"EditorWindowToolbarDownloadInfo", "film", "downloadVideoInfo:"};
    case Command::editLocation:
        return {"EditorWindowToolbarEditLocation", "mappin.and.ellipse", "searchLocation:"};
    case Command::eraseLocation:
        return {"EditorWindowToolbarEraseLocation", "eraser.line.dashed", "clearLocation:"};
    case Command::restoreLocation:
        return {"EditorWindowToolbarRestoreLocation", "arrow.uturn.left.circle", "restoreLocation:"};
    case Command::managePresets:
        return {"EditorWindowToolbarManagePresets", "bolt", "showPresetManager:", true};
    case Command::photosRemote:
        return {"EditorWindowToolbarPhotosRemote", "camera.aperture", "showPhotosRemoteControl:", true};
    }
    Q_UNREACHABLE();
}

// The application is asked when the command comes: it may end before the toolbar.
bool applicationValidates(const QString& command, QAction* item = nullptr)
{
    ApplicationCommands* application = ApplicationCommands::current();
    return application && application->validateCommand(command, item);
}

void sendToApplication(const QString& command)
{
    if (applicationValidates(command))
        ApplicationCommands::current()->performCommand(command);
}

} // namespace

const QString EditorViewController::centeredItemIdentifier = QStringLiteral("CenteredItemIdentifier");

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

// --- Toolbar items

void EditorViewController::addTasksToolbarItem()
{
    toolbarItemSet().addItem(
        QString(), false, QString(),
        [this] {
            auto* button = new QToolButton;
            button->setAutoRaise(true);
            button->setFixedSize(28, 24);
            auto* layout = new QHBoxLayout(button);
            layout->setContentsMargins(0, 0, 0, 0);
            auto* spinner = new SpinningProgressIndicator(button);
            spinner->startAnimation();
            layout->addWidget(spinner, 0, Qt::AlignCenter);
            connect(button, &QToolButton::clicked, this, &EditorViewController::toggleTasksPopover);
            setTaskButton(button);
            return button;
        },
        [this](brisa::DynamicToolbarItem& item, QWidget* view) {
            view->setToolTip(localizedString(QStringLiteral("EditorWindowToolbarTasks")));
            item.setHidden(!isTaskManagerBusy());
            item.setLabel(view->toolTip());
        });
}

void EditorViewController::addSectionSwitcherToolbarItem(std::optional<int> selected)
{
    toolbarItemSet().addItem(
        centeredItemIdentifier, false, QString(),
        [this, selected] {
            brisa::DynamicToolbarItemContainer::TitleGroupSettings settings;
            settings.titles = QStringList{localizedString(QStringLiteral("ToolbarPreviewSectionTitle")),
                                          localizedString(QStringLiteral("ToolbarTagsSectionTitle")),
                                          localizedString(QStringLiteral("ToolbarMapSectionTitle"))};
            settings.selectedIndex = selected.value_or(-1);
            QWidget* view = brisa::DynamicToolbarItemContainer::createTitleGroup(settings);
            // At least 280 wide, and no wider: the toolbar keeps it centred.
            view->setMinimumWidth(280);
            view->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
            auto* segments = view->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
            connect(segments, &QButtonGroup::idClicked, this, [this, view] { switchSections(view); });
            return view;
        },
        [this](brisa::DynamicToolbarItem& item, QWidget* view) {
            item.setEnabled(hasWindowController());
            // A section whose view is not there yet is not offered.
            if (auto* segments = view ? view->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly) : nullptr) {
                for (QAbstractButton* segment : segments->buttons()) {
                    const std::optional<EditorContentSection> section =
                        sectionAtSwitcherIndex(segments->id(segment));
                    segment->setEnabled(section && EditorWindowController::hasSectionView(*section));
                }
            }
        });
}

void EditorViewController::addPresetsToolbarItem()
{
    auto menu = std::make_unique<PresetPopUpMenu>();
    // The title item of the button's pull-down.
    auto* title = new QAction(localizedString(QStringLiteral("EditorWindowToolbarPresets")), menu.get());
    title->setData(-1);
    title->setEnabled(false);
    auto* manage = new QAction(localizedString(QStringLiteral("ShowPresetManagerTitle")), menu.get());
    manage->setData(-1);
    const QString manageCommand = QStringLiteral("showPresetManager:");
    connect(manage, &QAction::triggered, this, [manageCommand] { sendToApplication(manageCommand); });
    connect(menu.get(), &QMenu::aboutToShow, manage, [manage, manageCommand] {
        manage->setEnabled(applicationValidates(manageCommand, manage));
    });
    menu->setTopItems({title});
    menu->setBottomItems({manage});
    menu->setApplyPresetTarget(editorWindowController());
    menu->setApplyPresetAction(QStringLiteral("applyPreset:"));
    // The presets come in once the toolbar exists.
    QTimer::singleShot(0, menu.get(), [presets = menu.get()] { presets->reloadItems(); });
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarPresets"), QStringLiteral("bolt"), menu.get());
    toolbarMenus_.push_back(std::move(menu));
}

void EditorViewController::addOpenFilesToolbarItem()
{
    EditorWindowHost* window = editorWindowController();
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarOpenFiles"), QStringLiteral("plus"),
                       window ? window->openFilesMenu() : nullptr);
}

void EditorViewController::addHelpToolbarItem()
{
    ApplicationCommands* application = ApplicationCommands::current();
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarHelp"), QStringLiteral("questionmark.circle"),
                       application ? application->toolbarItemHelpMenu() : nullptr);
}

void EditorViewController::addFlexibleSpaceToolbarItem()
{
    toolbarItemSet().addItem(brisa::DynamicToolbarItem::flexibleSpaceIdentifier);
}

void EditorViewController::addMenuToolbarItem(const QString& titleKey, const QString& symbolName, QMenu* menu)
{
    toolbarItemSet().addItem(
        brisa::DynamicToolbarItemContainer::MenuButtonSettings{localizedString(titleKey), symbolName, menu});
}

void EditorViewController::addToolbarItem(ToolbarCommand command)
{
    const CommandButton button = commandButton(command);
    const QString action = QString::fromLatin1(button.action);
    brisa::DynamicToolbarItemContainer::ImageButtonSettings settings;
    settings.title = localizedString(QString::fromLatin1(button.titleKey));
    settings.symbolName = QString::fromLatin1(button.symbolName);
    brisa::DynamicToolbarItem::Update update;
    if (button.toApplication) {
        settings.action = [action] { sendToApplication(action); };
        update = [action](brisa::DynamicToolbarItem& item, QWidget*) { item.setEnabled(applicationValidates(action)); };
    } else {
        // The window's own action when there is one, so that the button, the menus and the
        // shortcut are one command; the window is asked directly otherwise.
        if (EditorWindowHost* window = editorWindowController())
            settings.command = window->commandAction(action);
        settings.action = [this, action] {
            if (EditorWindowHost* window = editorWindowController())
                window->performCommand(action, nullptr);
        };
        update = [this, action](brisa::DynamicToolbarItem& item, QWidget*) {
            EditorWindowHost* window = editorWindowController();
            item.setEnabled(window && window->validateUserInterfaceItem(action));
        };
    }
    toolbarItemSet().addItem(settings, std::move(update));
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

EditorFileBarController* EditorViewController::replaceFileBar(EditorFileBarController* current, FileViewModeUserChoice mode,
                                                             QWidget* container)
{
    if (current && current->isViewLoaded())
        current->saveScrollPosition();
    EditorFileBarController* bar = nullptr;
    if (mode == FileViewModeUserChoice::grid)
        bar = new EditorFileGridBarController(this);
    else
        bar = new EditorFileListBarController(this);
    brisa::FilledSubview::setFilledSubview(container, bar->view());
    if (current) {
        current->stopObserving();
        current->deleteLater();
    }
    bar->restoreScrollPosition();
    return bar;
}

} // namespace corvelle
