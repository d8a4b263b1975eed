#include "map/EditorMapBarController.h"

#include "editor/EditorViewController.h"
#include "map/EditorMapViewController.h"
#include "map/MapSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/settings/CoordinateText.h"
#include "widgets/settings/GeneralSettings.h"

#include "ui_EditorMapBar.h"

#include <QActionGroup>
#include <QMenu>
#include <QStandardPaths>

namespace corvelle {

namespace {

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

// The zoom buttons show a quarter or four times the span.
constexpr double zoomInFactor = 0.25;
constexpr double zoomOutFactor = 4.0;

const char* const mapStyleKeys[] = {"MapTypeStandard",         "MapTypeSatellite",    "MapTypeHybrid",
                                    "MapTypeSatelliteFlyover", "MapTypeHybridFlyover", "MapTypeMutedStandard"};

} // namespace

EditorMapBarController::EditorMapBarController(EditorViewController* editorViewController)
    : EditorBarController(editorViewController)
{
    setObjectName(QStringLiteral("mapBar"));
    ui_ = std::make_unique<Ui::EditorMapBar>();
    ui_->setupUi(this);
    FormTexts::localize(this);

    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/map-tiles");
    tileSource_ = new maps::MapTileSource(EditorMapViewController::tileURLTemplate(), cache, this);
    mapView_ = new maps::SyncRegionMapView(ui_->mapContainerView);
    mapView_->setObjectName(QStringLiteral("mapView"));
    mapView_->setTileSource(tileSource_);
    mapView_->setAttribution(localizedString(QStringLiteral("MapSectionTileAttribution")));
    brisa::FilledSubview::setFilledSubview(ui_->mapContainerView, mapView_);
    // A tile server out of reach is named above the map until a tile comes again.
    ui_->tileStatusLabel->setForegroundRole(QPalette::PlaceholderText);
    ui_->tileStatusLabel->hide();
    // So is a base map that cannot be drawn in their place.
    connect(tileSource_, &maps::MapTileSource::wentOffline, this, [this](const QString& reason) {
        tileMessage_ = localizedString(QStringLiteral("MapTilesOfflineMessage"), {reason});
        showStatus();
    });
    connect(mapView_, &maps::SyncRegionMapView::baseMapUnavailable, this, [this](const QString& reason) {
        baseMapMessage_ = localizedString(QStringLiteral("MapBaseMapUnavailableMessage"), {reason});
        showStatus();
    });
    // A tile coming again ends the tiles' message; the base map's files stay missing.
    connect(tileSource_, &maps::MapTileSource::tileLoaded, this, [this] {
        tileMessage_.clear();
        showStatus();
    });

    const auto makeAction = [this](const char* name, const char* key, const char* text) {
        auto* action = new QAction(QString::fromUtf8(text), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(localizedString(QString::fromLatin1(key)));
        return action;
    };
    zoomInAction_ = makeAction("mapZoomIn", "EditorMapBarZoomIn", "+");
    zoomToFitAction_ = makeAction("mapZoomToFit", "EditorMapBarZoomToFit", "◎");
    zoomOutAction_ = makeAction("mapZoomOut", "EditorMapBarZoomOut", "−");
    centerSelectionAction_ = makeAction("mapCenterSelection", "EditorMapBarCenterSelection", "•");
    // The theme's pictures where it has them; the glyphs otherwise.
    brisa::SymbolIcons::ensureTheme();
    const std::pair<QAction*, const char*> pictures[] = {{zoomInAction_, "zoom-in-symbolic"},
                                                         {zoomToFitAction_, "zoom-fit-best-symbolic"},
                                                         {zoomOutAction_, "zoom-out-symbolic"},
                                                         {centerSelectionAction_, "find-location-symbolic"}};
    for (const auto& [action, name] : pictures) {
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
        if (!icon.isNull())
            action->setIcon(icon);
    }
    ui_->zoomInAnnotationsButton->setDefaultAction(zoomInAction_);
    ui_->zoomToFitAnnotationsButton->setDefaultAction(zoomToFitAction_);
    ui_->zoomOutAnnotationsButton->setDefaultAction(zoomOutAction_);
    ui_->centerAnnotationsButton->setDefaultAction(centerSelectionAction_);
    connect(zoomInAction_, &QAction::triggered, this, &EditorMapBarController::zoomIn);
    connect(zoomOutAction_, &QAction::triggered, this, &EditorMapBarController::zoomOut);
    connect(zoomToFitAction_, &QAction::triggered, this, &EditorMapBarController::zoomToFit);
    connect(centerSelectionAction_, &QAction::triggered, this, &EditorMapBarController::centerSelection);

    // The options: the style, the pins shown, how the map follows the selection.
    optionsMenu_ = new QMenu(this);
    optionsMenu_->setObjectName(QStringLiteral("mapOptionsMenu"));
    mapStyleGroup_ = new QActionGroup(this);
    for (int style = 0; style < 6; ++style) {
        QAction* action = optionsMenu_->addAction(localizedString(QString::fromLatin1(mapStyleKeys[style])));
        action->setCheckable(true);
        action->setData(style);
        mapStyleGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [style] {
            defaults().set(Settings::mapViewTypeValue(), MapType(style));
        });
    }
    optionsMenu_->addSeparator();
    showOtherItemsAction_ = optionsMenu_->addAction(localizedString(QStringLiteral("EditorMapBarShowOtherItems")));
    showOtherItemsAction_->setCheckable(true);
    connect(showOtherItemsAction_, &QAction::triggered, this, [this] {
        if (!editorWindowController())
            return;
        const bool shown = defaults().value(Settings::mapDisplayOtherItemsUserChoice()) == MapDisplayOtherItemsUserChoice::display;
        defaults().set(Settings::mapDisplayOtherItemsUserChoice(),
                       shown ? MapDisplayOtherItemsUserChoice::hide : MapDisplayOtherItemsUserChoice::display);
    });
    displayFilenameAction_ = optionsMenu_->addAction(localizedString(QStringLiteral("EditorMapBarDisplayFilename")));
    displayFilenameAction_->setCheckable(true);
    connect(displayFilenameAction_, &QAction::triggered, this, [this] {
        if (!editorWindowController())
            return;
        const bool shown = defaults().value(Settings::mapDisplayFilenameUserChoice()) == MapDisplayFilenameUserChoice::display;
        defaults().set(Settings::mapDisplayFilenameUserChoice(),
                       shown ? MapDisplayFilenameUserChoice::hide : MapDisplayFilenameUserChoice::display);
    });
    optionsMenu_->addSeparator();
    automaticZoomGroup_ = new QActionGroup(this);
    const std::pair<const char*, MapAutomaticZoomUserChoice> zooms[] = {
        {"EditorMapBarDisableAutomaticZoom", MapAutomaticZoomUserChoice::none},
        {"EditorMapBarAutomaticZoomToFit", MapAutomaticZoomUserChoice::zoom},
        {"EditorMapBarAutomaticCenter", MapAutomaticZoomUserChoice::center},
    };
    for (const auto& [key, choice] : zooms) {
        QAction* action = optionsMenu_->addAction(localizedString(QString::fromLatin1(key)));
        action->setCheckable(true);
        automaticZoomGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] {
            if (editorWindowController())
                defaults().set(Settings::mapAutomaticZoomUserChoice(), choice);
        });
    }
    connect(optionsMenu_, &QMenu::aboutToShow, this, &EditorMapBarController::updateMenuStates);
    ui_->mapOptionsButton->setMenu(optionsMenu_);
    const QIcon options = brisa::SymbolIcons::icon(QStringLiteral("ellipsis"));
    if (!options.isNull()) {
        ui_->mapOptionsButton->setIcon(options);
        ui_->mapOptionsButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
        ui_->mapOptionsButton->setToolTip(ui_->mapOptionsButton->text());
    }
    applyMapStyle();
    updateMenuStates();
}

EditorMapBarController::~EditorMapBarController() = default;

QWidget* EditorMapBarController::mapContainerView() const { return ui_->mapContainerView; }
QLineEdit* EditorMapBarController::informationTextField() const { return ui_->informationTextField; }
QToolButton* EditorMapBarController::zoomInAnnotationsButton() const { return ui_->zoomInAnnotationsButton; }
QToolButton* EditorMapBarController::zoomToFitAnnotationsButton() const { return ui_->zoomToFitAnnotationsButton; }
QToolButton* EditorMapBarController::zoomOutAnnotationsButton() const { return ui_->zoomOutAnnotationsButton; }
QToolButton* EditorMapBarController::centerAnnotationsButton() const { return ui_->centerAnnotationsButton; }
QLabel* EditorMapBarController::tileStatusLabel() const { return ui_->tileStatusLabel; }

QList<QAction*> EditorMapBarController::mapStyleActions() const
{
    return mapStyleGroup_->actions();
}

QList<QAction*> EditorMapBarController::automaticZoomActions() const
{
    return automaticZoomGroup_->actions();
}

void EditorMapBarController::setupViews()
{
    updateInformation(std::nullopt);
}

void EditorMapBarController::updateMenuStates()
{
    const bool attached = editorWindowController() != nullptr;
    const int style = int(defaults().value(Settings::mapViewTypeValue()));
    for (QAction* action : mapStyleGroup_->actions())
        action->setChecked(action->data().toInt() == style);
    showOtherItemsAction_->setChecked(
        attached && defaults().value(Settings::mapDisplayOtherItemsUserChoice()) == MapDisplayOtherItemsUserChoice::display);
    displayFilenameAction_->setChecked(
        attached && defaults().value(Settings::mapDisplayFilenameUserChoice()) == MapDisplayFilenameUserChoice::display);
    const MapAutomaticZoomUserChoice zoom = defaults().value(Settings::mapAutomaticZoomUserChoice());
    const QList<QAction*> zooms = automaticZoomGroup_->actions();
    zooms[0]->setChecked(attached && zoom == MapAutomaticZoomUserChoice::none);
    zooms[1]->setChecked(attached && zoom == MapAutomaticZoomUserChoice::zoom);
    zooms[2]->setChecked(attached && zoom == MapAutomaticZoomUserChoice::center);
}

void EditorMapBarController::showStatus()
{
    QStringList lines;
    for (const QString& line : {tileMessage_, baseMapMessage_}) {
        if (!line.isEmpty())
            lines << line;
    }
    ui_->tileStatusLabel->setText(lines.join(QLatin1Char('\n')));
    ui_->tileStatusLabel->setVisible(!lines.isEmpty());
}

void EditorMapBarController::applyMapStyle()
{
    tileSource_->setUrlTemplate(EditorMapViewController::tileURLTemplate());
    const MapType type = defaults().value(Settings::mapViewTypeValue());
    mapView_->setGreyed(type == MapType::mutedStandard);
    mapView_->setImagery(type != MapType::standard && type != MapType::mutedStandard);
    mapView_->update();
    updateMenuStates();
}

QList<halvex::Coordinate> EditorMapBarController::selectedCoordinates() const
{
    QList<halvex::Coordinate> coordinates;
    for (const maps::MapAnnotation& pin : mapView_->annotations()) {
        if (pin.isSelected)
            coordinates << pin.coordinate;
    }
    return coordinates;
}

bool EditorMapBarController::canCenterSelection() const
{
    for (const maps::MapAnnotation& pin : mapView_->annotations()) {
        if (pin.isSelected)
            return true;
    }
    return false;
}

void EditorMapBarController::centerSelection()
{
    const QList<halvex::Coordinate> coordinates = selectedCoordinates();
    if (coordinates.isEmpty())
        return;
    double latitude = 0;
    double longitude = 0;
    for (const halvex::Coordinate& coordinate : coordinates) {
        latitude += coordinate.latitude();
        longitude += coordinate.longitude();
    }
    mapView_->setCentre(halvex::Coordinate(latitude / coordinates.size(), longitude / coordinates.size()), mapView_->zoom());
}

void EditorMapBarController::zoomIn()
{
    mapView_->scaleSpans(zoomInFactor);
}

void EditorMapBarController::zoomOut()
{
    mapView_->scaleSpans(zoomOutFactor);
}

void EditorMapBarController::zoomToFit()
{
    if (const auto region = maps::SyncRegionMapView::regionFitting(selectedCoordinates()))
        mapView_->setRegion(*region);
}

void EditorMapBarController::applyAutomaticZoom()
{
    if (!editorWindowController())
        return;
    switch (defaults().value(Settings::mapAutomaticZoomUserChoice())) {
    case MapAutomaticZoomUserChoice::none:
        return;
    case MapAutomaticZoomUserChoice::zoom: {
        const QList<halvex::Coordinate> coordinates = selectedCoordinates();
        const halvex::CoordinateRegion region = mapView_->region();
        const bool allShown = std::all_of(coordinates.begin(), coordinates.end(),
                                          [&region](const halvex::Coordinate& c) { return region.contains(c); });
        if (!allShown)
            zoomToFit();
        return;
    }
    case MapAutomaticZoomUserChoice::center:
        centerSelection();
        return;
    }
}

void EditorMapBarController::updateInformation(const std::optional<halvex::Coordinate>& coordinate)
{
    coordinate_ = coordinate;
    ui_->informationTextField->setText(coordinateText(coordinate, defaults().value(Settings::generalUserChoiceGPSFormat())));
}

void EditorMapBarController::updateInterface()
{
    EditorBarController::updateInterface();
    zoomInAction_->setEnabled(true);
    zoomOutAction_->setEnabled(true);
    const bool selected = canCenterSelection();
    zoomToFitAction_->setEnabled(selected);
    centerSelectionAction_->setEnabled(selected);
}

void EditorMapBarController::focus()
{
    mapView_->setFocus();
}

void EditorMapBarController::windowWillStartLiveResize()
{
    if (isLiveResizing_)
        return;
    isLiveResizing_ = true;
    // The map is not redrawn while the panes move.
    mapView_->hide();
}

void EditorMapBarController::windowDidEndLiveResize()
{
    if (!isLiveResizing_)
        return;
    isLiveResizing_ = false;
    mapView_->show();
}

void EditorMapBarController::startObserving()
{
    userDefaultsDidSetKeySubscriber_.subscribe(brisa::UserDefaults::didSetKeyNotification, &defaults(),
                                               [this](const brisa::Notification& note) {
                                                   const QString key = brisa::UserDefaults::editedKeyName(note);
                                                   if (key == Settings::generalUserChoiceGPSFormat().name())
                                                       updateInformation(coordinate_);
                                                   else if (key.startsWith(QStringLiteral("Map")))
                                                       applyMapStyle();
                                               });
}

void EditorMapBarController::stopObserving()
{
    userDefaultsDidSetKeySubscriber_.unsubscribe();
}

} // namespace corvelle
