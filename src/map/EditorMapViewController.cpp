#include "map/EditorMapViewController.h"

#include "editor/EditorFileGridBarController.h"
#include "editor/EditorFileListBarController.h"
#include "editor/EditorLocationActions.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "editor/FileGPSTableCellView.h"
#include "editor/FileSaveTableCellView.h"
#include "editor/FileSourceTableCellView.h"
#include "editor/FileThumbnailTableCellView.h"
#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/places/Geocoder.h"
#include "engine/halvex/places/TagEditorLocationList.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "editor/EditorTouchBarItems.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "editor/SplitViewTracker.h"
#include "map/EditorMapBarController.h"
#include "map/EditorMapSidebarController.h"
#include "map/MapSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/MenuTree.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_EditorMapView.h"

#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

namespace corvelle {

namespace {

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

bool isImagery(MapType type)
{
    return type != MapType::standard && type != MapType::mutedStandard;
}

} // namespace

EditorMapViewController::EditorMapViewController(EditorWindowHost* editorWindowController)
    : EditorViewController(editorWindowController)
{
}

EditorMapViewController::~EditorMapViewController() = default;

EditorWindowController* EditorMapViewController::windowController() const
{
    return qobject_cast<EditorWindowController*>(editorWindowController());
}

QString EditorMapViewController::windowTitle() const
{
    return localizedString(QStringLiteral("EditorMapCorvelleWindowTitle"));
}

QString EditorMapViewController::windowSubtitle() const
{
    const MetadataFileList* list = metadataFileList();
    return localizedString(QStringLiteral("EditorMetadataWindowSubtitle"), {qlonglong(list ? list->files().size() : 0)});
}

QString EditorMapViewController::tileURLTemplate()
{
    const QString imagery = defaults().value(Settings::mapImageryTileURLTemplate()).trimmed();
    if (isImagery(defaults().value(Settings::mapViewTypeValue())) && !imagery.isEmpty())
        return imagery;
    return defaults().value(Settings::mapStandardTileURLTemplate()).trimmed();
}

void EditorMapViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorMapView>();
    ui_->setupUi(this);
    FormTexts::localize(this);
    // The toolbar menus' items name window commands: the window's actions stand in their place.
    EditorWindowHost* window = editorWindowController();
    for (QMenu* menu : {ui_->pasteboardMenu, ui_->autocompleteMenu}) {
        const QList<QAction*> left = brisa::MenuTree::shareItems(
            menu, [window](const QString& name) { return window ? window->commandAction(name) : nullptr; });
        for (QAction* item : left)
            item->setEnabled(false);
    }
}

QSplitter* EditorMapViewController::splitter() const
{
    return ui_ ? ui_->splitView : nullptr;
}

QMenu* EditorMapViewController::pasteboardMenu() const
{
    return ui_ ? ui_->pasteboardMenu : nullptr;
}

QMenu* EditorMapViewController::autocompleteMenu() const
{
    return ui_ ? ui_->autocompleteMenu : nullptr;
}

maps::SyncRegionMapView* EditorMapViewController::mapView() const
{
    return mapBarController_ ? mapBarController_->mapView() : nullptr;
}

maps::MapTileSource* EditorMapViewController::tileSource() const
{
    return mapBarController_ ? mapBarController_->tileSource() : nullptr;
}

void EditorMapViewController::setupViews()
{
    view();
    QSplitter* split = ui_->splitView;
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setStretchFactor(2, 0);
    splitViewTracker_ = new SplitViewTracker(split, nullptr, this);

    setUpFileBar();
    mapBarController_ = new EditorMapBarController(this);
    brisa::FilledSubview::setFilledSubview(ui_->mapContainerView, mapBarController_->view());
    setUpSidebar();
    updateFileListColumns();

    maps::SyncRegionMapView* map = mapView();
    const QStringList saved = defaults().value(Settings::mapViewRegion()).split(QLatin1Char(' '));
    if (saved.size() == 3)
        map->setCentre(halvex::Coordinate(saved[0].toDouble(), saved[1].toDouble()), saved[2].toDouble());

    connect(map, &maps::SyncRegionMapView::doubleAction, this, &EditorMapViewController::writeLocation);
    connect(map, &maps::SyncRegionMapView::annotationClicked, this, &EditorMapViewController::annotationClicked);
    // The region is stored once the view rests.
    auto* regionTimer = new QTimer(this);
    regionTimer->setSingleShot(true);
    regionTimer->setInterval(500);
    connect(regionTimer, &QTimer::timeout, this, [this] { saveRegion(); });
    connect(map, &maps::SyncRegionMapView::regionChanged, regionTimer, qOverload<>(&QTimer::start));

    const double ratio = std::clamp(double(defaults().value(Settings::mapSectionFileViewSplitRatio())), 0.1, 0.9);
    const int width = std::max(split->width(), 800);
    const int sidebar = ui_->sidebarContainerView->isHidden() ? 0 : std::max(ui_->sidebarContainerView->minimumSizeHint().width(), 280);
    split->setSizes({int(width * ratio), std::max(0, width - int(width * ratio) - sidebar), sidebar});
    reloadPins();
    if (!snapshot_.selectedCoordinates().isEmpty())
        zoomToFitSelection();
}

void EditorMapViewController::setUpFileBar()
{
    if (!ui_)
        return;
    fileBarController_ =
        replaceFileBar(fileBarController_, defaults().value(Settings::mapSectionFileViewMode()), ui_->fileContainerView);
}

void EditorMapViewController::updateFileListColumns()
{
    auto* list = qobject_cast<EditorFileListBarController*>(fileBarController_);
    if (!list)
        return;
    QList<FileTableCellType> types{FileThumbnailTableCellView::cellType(), FileSourceTableCellView::cellType()};
    if (defaults().value(Settings::mapSectionShowGPSInFileList()))
        types << FileGPSTableCellView::cellType();
    types << FileSaveTableCellView::cellType();
    list->setTableCellTypes(types);
}

void EditorMapViewController::setUpSidebar()
{
    if (!ui_ || !editorWindowController())
        return;
    const bool enabled = defaults().value(Settings::mapEditingSidebarState()) == EditingSidebarState::enabled;
    if (enabled == (sidebarController_ != nullptr)) {
        // A section made with the sidebar off keeps no empty pane for it.
        ui_->sidebarContainerView->setHidden(!enabled);
        return;
    }
    if (!enabled) {
        ui_->sidebarContainerView->hide();
        sidebarController_->stopObserving();
        sidebarController_->deleteLater();
        sidebarController_ = nullptr;
    } else {
        sidebarController_ = new EditorMapSidebarController(this);
        brisa::FilledSubview::setFilledSubview(ui_->sidebarContainerView, sidebarController_->view());
        ui_->sidebarContainerView->setMinimumWidth(sidebarController_->minimumSizeHint().width());
        ui_->sidebarContainerView->show();
    }
    placeDividerBesideSidebar();
}

void EditorMapViewController::placeDividerBesideSidebar()
{
    QSplitter* split = splitter();
    if (!split || !isVisible())
        return;
    const int total = split->width();
    const int sidebar = sidebarController_ ? std::max(ui_->sidebarContainerView->width(), ui_->sidebarContainerView->minimumWidth()) : 0;
    const int position = int((total - sidebar) * 0.5);
    split->setSizes({position, std::max(0, total - sidebar - position), sidebar});
    saveSplitRatio();
}

void EditorMapViewController::addToolbarItems()
{
    addOpenFilesToolbarItem();
    addToolbarItem(ToolbarCommand::removeFiles);
    addToolbarItem(ToolbarCommand::inspectFiles);
    addToolbarItem(ToolbarCommand::saveAllFiles);
    addFlexibleSpaceToolbarItem();
    addSectionSwitcherToolbarItem(2);
    addTasksToolbarItem();
    addFlexibleSpaceToolbarItem();
    addToolbarItem(ToolbarCommand::editLocation);
    addToolbarItem(ToolbarCommand::eraseLocation);
    addToolbarItem(ToolbarCommand::restoreLocation);
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarCopyLocation"), QStringLiteral("paperclip"), pasteboardMenu());
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarAutocompleteLocation"),
                       QStringLiteral("arrow.triangle.2.circlepath.circle"), autocompleteMenu());
    addPresetsToolbarItem();
    addHelpToolbarItem();
}

void EditorMapViewController::addTouchBarItems()
{
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar().addItemSet({});
    EditorTouchBarItems::addFileSectionItems(items, EditorTouchBarItems::Controller(windowController()));
}

void EditorMapViewController::updateInterface()
{
    EditorViewController::updateInterface();
    if (mapBarController_) {
        const bool selected = canCenterSelection();
        mapBarController_->zoomToFitAction()->setEnabled(selected);
        mapBarController_->centerSelectionAction()->setEnabled(selected);
    }
}

void EditorMapViewController::startObserving()
{
    const auto reload = [this](const brisa::Notification&) { reloadPins(); };
    if (MetadataFileList* list = metadataFileList())
        filesSubscriber_.subscribe(MetadataFileList::didChangeFilesNotification, list, reload);
    historySubscriber_.subscribe(halvex::EditionManager::didFlushHistoryNotification, nullptr, reload);
    settingsSubscriber_.subscribe(brisa::UserDefaults::didSetKeyNotification, &defaults(),
                                  [this](const brisa::Notification& note) { userDefaultsDidSetKey(note); });
    QSplitter* split = splitter();
    splitViewWillStartResizingSubscriber_.subscribe(SplitViewTracker::willStartResizingNotification, split,
                                                    [this](const brisa::Notification&) { windowWillStartLiveResize(); });
    splitViewDidEndResizingSubscriber_.subscribe(SplitViewTracker::didEndResizingNotification, split,
                                                 [this](const brisa::Notification&) { windowDidEndLiveResize(); });
    if (mapBarController_)
        mapBarController_->startObserving();
}

void EditorMapViewController::userDefaultsDidSetKey(const brisa::Notification& note)
{
    const QString key = brisa::UserDefaults::editedKeyName(note);
    if (key.startsWith(QStringLiteral("MapDisplay"))) {
        reloadPins();
    } else if (key == Settings::mapSectionFileViewMode().name()) {
        setUpFileBar();
        updateFileListColumns();
        updateInterface();
    } else if (key == Settings::mapSectionShowGPSInFileList().name()) {
        updateFileListColumns();
    } else if (key == Settings::mapEditingSidebarState().name()) {
        setUpSidebar();
        updateInterface();
    }
}

void EditorMapViewController::stopObserving()
{
    filesSubscriber_.unsubscribe();
    historySubscriber_.unsubscribe();
    settingsSubscriber_.unsubscribe();
    splitViewWillStartResizingSubscriber_.unsubscribe();
    splitViewDidEndResizingSubscriber_.unsubscribe();
    if (fileBarController_)
        fileBarController_->stopObserving();
    if (mapBarController_)
        mapBarController_->stopObserving();
    if (sidebarController_)
        sidebarController_->stopObserving();
}

EditorBarController* EditorMapViewController::sidebarController() const
{
    return sidebarController_;
}

void EditorMapViewController::windowWillStartLiveResize()
{
    if (fileBarController_)
        fileBarController_->windowWillStartLiveResize();
    if (mapBarController_)
        mapBarController_->windowWillStartLiveResize();
}

void EditorMapViewController::windowDidEndLiveResize()
{
    saveSplitRatio();
    if (fileBarController_)
        fileBarController_->windowDidEndLiveResize();
    if (mapBarController_)
        mapBarController_->windowDidEndLiveResize();
}

void EditorMapViewController::reloadPins()
{
    const MetadataFileList* list = metadataFileList();
    maps::SyncRegionMapView* map = mapView();
    if (!map || !list)
        return;
    snapshot_ = MapPinSnapshot::take(*list);
    map->setAnnotations(snapshot_.annotations(defaults().value(Settings::mapDisplayOtherItemsUserChoice()),
                                              defaults().value(Settings::mapDisplayFilenameUserChoice())));
    mapBarController_->updateInformation(halvex::gpsCoordinate(list->selectedEditors()));
    mapBarController_->applyAutomaticZoom();
    updateInterface();
}

bool EditorMapViewController::canCenterSelection() const
{
    return mapBarController_ && mapBarController_->canCenterSelection();
}

void EditorMapViewController::centerSelection()
{
    if (canCenterSelection())
        mapBarController_->centerSelection();
}

void EditorMapViewController::zoomIn()
{
    if (canZoomIn())
        mapBarController_->zoomIn();
}

void EditorMapViewController::zoomToFit()
{
    if (canZoomToFit())
        mapBarController_->zoomToFit();
}

void EditorMapViewController::zoomOut()
{
    if (canZoomOut())
        mapBarController_->zoomOut();
}

bool EditorMapViewController::validateUserInterfaceItem(const QString& action) const
{
    if (action == QLatin1String("mapCenterSelection:"))
        return canCenterSelection();
    if (action == QLatin1String("mapZoomIn:"))
        return canZoomIn();
    if (action == QLatin1String("mapZoomToFit:"))
        return canZoomToFit();
    if (action == QLatin1String("mapZoomOut:"))
        return canZoomOut();
    return EditorViewController::validateUserInterfaceItem(action);
}

void EditorMapViewController::zoomToFitSelection()
{
    if (const auto region = maps::SyncRegionMapView::regionFitting(snapshot_.selectedCoordinates()); region && mapView())
        mapView()->setRegion(*region);
}

void EditorMapViewController::annotationClicked(int index, Qt::KeyboardModifiers modifiers)
{
    MetadataFileList* list = metadataFileList();
    if (!list || !mapView() || index < 0 || index >= mapView()->annotations().size())
        return;
    const int row = mapView()->annotations()[index].identifier.toInt();
    if (row < 0 || row >= list->files().size())
        return;
    brisa::IndexSet selection = list->selection();
    if (modifiers & Qt::ControlModifier) {
        if (selection.contains(row))
            selection.remove(row);
        else
            selection.insert(row);
    } else {
        selection = brisa::IndexSet{row};
    }
    list->setSelection(selection);
}

void EditorMapViewController::writeLocation(const halvex::Coordinate& coordinate)
{
    EditorWindowController* window = windowController();
    if (!window || !window->locationActions().canEditLocations() || !coordinate.isValid())
        return;
    const QList<std::shared_ptr<halvex::TagEditor>> editors = metadataFileList()->selectedEditors();
    // The position is written as clicked; the geocoder only adds the address of the town there.
    halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>([editors, coordinate] {
        halvex::Location place(coordinate.latitude(), coordinate.longitude());
        if (const auto geocoder = halvex::Geocoder::shared()) {
            if (const auto found = geocoder->reverseGeocode(coordinate))
                place = place.withTextLocation(found->textLocation());
        }
        halvex::setLocation(editors, halvex::TypedValue(place));
    }));
}

void EditorMapViewController::saveRegion()
{
    const maps::SyncRegionMapView* map = mapView();
    if (!map)
        return;
    defaults().set(Settings::mapViewRegion(), QStringLiteral("%1 %2 %3")
                                                  .arg(map->centre().latitude(), 0, 'f', 6)
                                                  .arg(map->centre().longitude(), 0, 'f', 6)
                                                  .arg(map->zoom(), 0, 'f', 3));
}

void EditorMapViewController::saveSplitRatio()
{
    QSplitter* split = splitter();
    if (!split || split->width() <= 0 || !isVisible())
        return;
    defaults().set(Settings::mapSectionFileViewSplitRatio(), double(split->sizes().value(0)) / split->width());
}

void EditorMapViewController::focusFileBar()
{
    if (fileBarController_)
        fileBarController_->focus();
}

void EditorMapViewController::focusTagTable()
{
    if (mapBarController_)
        mapBarController_->focus();
}

void EditorMapViewController::revealSelectionInFileBar()
{
    if (fileBarController_)
        fileBarController_->revealSelection();
}

void EditorMapViewController::saveScrollPosition()
{
    if (fileBarController_ && fileBarController_->isViewLoaded())
        fileBarController_->saveScrollPosition();
}

void EditorMapViewController::restoreScrollPosition()
{
    if (fileBarController_)
        fileBarController_->restoreScrollPosition();
}

std::optional<int> EditorMapViewController::takePendingDropIndex()
{
    return fileBarController_ ? fileBarController_->takeDropFilesIndex() : std::nullopt;
}

bool EditorMapViewController::canCopy() const
{
    const MetadataFileList* list = metadataFileList();
    return windowController() && list && !list->selection().isEmpty();
}

bool EditorMapViewController::canCut() const
{
    return canCopy();
}

bool EditorMapViewController::canPaste() const
{
    return canCopy();
}

void EditorMapViewController::copy()
{
    if (EditorWindowController* window = windowController())
        window->locationActions().perform(QStringLiteral("copyLocationTags:"));
}

void EditorMapViewController::cut()
{
    if (EditorWindowController* window = windowController())
        window->locationActions().perform(QStringLiteral("cutLocationTags:"));
}

void EditorMapViewController::paste()
{
    if (EditorWindowController* window = windowController())
        window->locationActions().perform(QStringLiteral("pasteLocationTags:"));
}

} // namespace corvelle
