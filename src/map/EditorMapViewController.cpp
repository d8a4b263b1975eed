#include "map/EditorMapViewController.h"

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
#include "filemodel/MetadataFileList.h"
#include "map/EditorMapSidebarController.h"
#include "map/MapSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"
#include "widgets/TextLocalizer.h"

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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("mapSplitView"));
    splitter_->setChildrenCollapsible(false);
    layout->addWidget(splitter_);
}

void EditorMapViewController::setupViews()
{
    view();
    fileBarController_ = new EditorFileListBarController(this);
    QList<FileTableCellType> types{FileThumbnailTableCellView::cellType(), FileSourceTableCellView::cellType()};
    if (defaults().value(Settings::mapSectionShowGPSInFileList()))
        types << FileGPSTableCellView::cellType();
    types << FileSaveTableCellView::cellType();
    fileBarController_->setTableCellTypes(types);
    splitter_->addWidget(fileBarController_->view());

    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/map-tiles");
    tileSource_ = new maps::MapTileSource(tileURLTemplate(), cache, this);
    mapView_ = new maps::SyncRegionMapView(splitter_);
    mapView_->setObjectName(QStringLiteral("mapView"));
    mapView_->setTileSource(tileSource_);
    mapView_->setAttribution(localizedString(QStringLiteral("MapSectionTileAttribution")));
    splitter_->addWidget(mapView_);
    splitter_->setStretchFactor(1, 1);
    sidebarController_ = new EditorMapSidebarController(this);
    splitter_->addWidget(sidebarController_->view());
    splitter_->setStretchFactor(2, 0);

    const QStringList saved = defaults().value(Settings::mapViewRegion()).split(QLatin1Char(' '));
    if (saved.size() == 3)
        mapView_->setCentre(halvex::Coordinate(saved[0].toDouble(), saved[1].toDouble()), saved[2].toDouble());
    applySettings();

    connect(mapView_, &maps::SyncRegionMapView::doubleAction, this, &EditorMapViewController::writeLocation);
    connect(mapView_, &maps::SyncRegionMapView::annotationClicked, this, &EditorMapViewController::annotationClicked);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { saveSplitRatio(); });
    // The region is stored once the view rests.
    auto* regionTimer = new QTimer(this);
    regionTimer->setSingleShot(true);
    regionTimer->setInterval(500);
    connect(regionTimer, &QTimer::timeout, this, [this] { saveRegion(); });
    connect(mapView_, &maps::SyncRegionMapView::regionChanged, regionTimer, qOverload<>(&QTimer::start));

    const double ratio = std::clamp(double(defaults().value(Settings::mapSectionFileViewSplitRatio())), 0.1, 0.9);
    const int width = std::max(splitter_->width(), 800);
    const int sidebar = sidebarController_->isHidden() ? 0 : std::max(sidebarController_->minimumSizeHint().width(), 280);
    splitter_->setSizes({int(width * ratio), std::max(0, width - int(width * ratio) - sidebar), sidebar});
    reloadPins();
    if (!snapshot_.selectedCoordinates().isEmpty())
        zoomToFitSelection();
}

void EditorMapViewController::applySettings()
{
    if (!mapView_)
        return;
    tileSource_->setUrlTemplate(tileURLTemplate());
    mapView_->setGreyed(defaults().value(Settings::mapViewTypeValue()) == MapType::mutedStandard);
    if (sidebarController_)
        sidebarController_->setVisible(defaults().value(Settings::mapEditingSidebarState()) == EditingSidebarState::enabled);
    mapView_->update();
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
    addPresetsToolbarItem();
    addHelpToolbarItem();
}

void EditorMapViewController::startObserving()
{
    const auto reload = [this](const brisa::Notification&) { reloadPins(); };
    if (MetadataFileList* list = metadataFileList())
        filesSubscriber_.subscribe(MetadataFileList::didChangeFilesNotification, list, reload);
    historySubscriber_.subscribe(halvex::EditionManager::didFlushHistoryNotification, nullptr, reload);
    settingsSubscriber_.subscribe(brisa::UserDefaults::didSetKeyNotification, &defaults(),
                                  [this](const brisa::Notification& note) {
                                      const QString key = brisa::UserDefaults::editedKeyName(note);
                                      if (key.startsWith(QStringLiteral("MapDisplay")))
                                          reloadPins();
                                      else if (key.startsWith(QStringLiteral("Map")))
                                          applySettings();
                                  });
}

void EditorMapViewController::stopObserving()
{
    filesSubscriber_.unsubscribe();
    historySubscriber_.unsubscribe();
    settingsSubscriber_.unsubscribe();
    if (fileBarController_)
        fileBarController_->stopObserving();
    if (sidebarController_)
        sidebarController_->stopObserving();
}

EditorBarController* EditorMapViewController::sidebarController() const
{
    return sidebarController_;
}

void EditorMapViewController::focusSidebar()
{
    if (sidebarController_ && sidebarController_->isVisible())
        sidebarController_->setFocus();
}

void EditorMapViewController::reloadPins()
{
    const MetadataFileList* list = metadataFileList();
    if (!mapView_ || !list)
        return;
    snapshot_ = MapPinSnapshot::take(*list);
    mapView_->setAnnotations(snapshot_.annotations(defaults().value(Settings::mapDisplayOtherItemsUserChoice()),
                                                   defaults().value(Settings::mapDisplayFilenameUserChoice())));
}

void EditorMapViewController::zoomToFitSelection()
{
    if (const auto region = maps::SyncRegionMapView::regionFitting(snapshot_.selectedCoordinates()); region && mapView_)
        mapView_->setRegion(*region);
}

void EditorMapViewController::annotationClicked(int index, Qt::KeyboardModifiers modifiers)
{
    MetadataFileList* list = metadataFileList();
    if (!list || index < 0 || index >= mapView_->annotations().size())
        return;
    const int row = mapView_->annotations()[index].identifier.toInt();
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
    if (!mapView_)
        return;
    defaults().set(Settings::mapViewRegion(), QStringLiteral("%1 %2 %3")
                                                  .arg(mapView_->centre().latitude(), 0, 'f', 6)
                                                  .arg(mapView_->centre().longitude(), 0, 'f', 6)
                                                  .arg(mapView_->zoom(), 0, 'f', 3));
}

void EditorMapViewController::saveSplitRatio()
{
    if (!splitter_ || splitter_->width() <= 0)
        return;
    defaults().set(Settings::mapSectionFileViewSplitRatio(), double(splitter_->sizes().value(0)) / splitter_->width());
}

void EditorMapViewController::focusFileBar()
{
    if (fileBarController_)
        fileBarController_->focus();
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
