#include "photos/RCEditImageLocationWindowController.h"

#include "engine/halvex/places/CoordinateParser.h"
#include "engine/halvex/places/CoordinateWriter.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "map/EditorMapViewController.h"
#include "map/MapSettings.h"
#include "photos/PhotosSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"
#include "widgets/TextLocalizer.h"

#include "ui_RCEditImageLocationWindow.h"

#include <QPushButton>
#include <QStandardPaths>

namespace corvelle {

namespace {

constexpr int maxSearchResults = 20;

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

} // namespace

RCEditImageLocationWindowController::RCEditImageLocationWindowController(QWidget* parent)
    : RCEditPropertyWindowController(parent), ui_(std::make_unique<Ui::RCEditImageLocationWindow>())
{
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    windowDidLoad(content);
}

RCEditImageLocationWindowController::~RCEditImageLocationWindowController() = default;

void RCEditImageLocationWindowController::setupViews()
{
    // Typing goes to the value, not to the switch before it.
    ui_->coordinateTextField->setFocus();
    setWindowTitle(localizedString(QStringLiteral("RemoteProfileFileLocation")));
    mapView_ = new maps::SyncRegionMapView(this);
    mapView_->setObjectName(QStringLiteral("mapView"));
    mapView_->setAttribution(localizedString(QStringLiteral("MapSectionTileAttribution")));
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/map-tiles");
    tileSource_ = new maps::MapTileSource(EditorMapViewController::tileURLTemplate(), cache, this);
    mapView_->setTileSource(tileSource_);
    brisa::FilledSubview::setFilledSubview(ui_->mapContainerView, mapView_);
    restoreRegion();
    ui_->searchResultList->hide();

    for (const char* key : {"MapTypeStandard", "MapTypeSatellite", "MapTypeHybrid", "MapTypeSatelliteFlyover",
                            "MapTypeHybridFlyover", "MapTypeMutedStandard"})
        ui_->mapStylePopUpButton->addItem(localizedString(QString::fromLatin1(key)));
    ui_->mapStylePopUpButton->setCurrentIndex(int(defaults().value(Settings::mapViewTypeValue())));
    applyMapType();

    connect(mapView_, &maps::SyncRegionMapView::doubleAction, this, [this](const halvex::Coordinate& coordinate) {
        clickLocation(mapView_->pointOf(coordinate));
    });
    connect(ui_->coordinateTextField, &QLineEdit::editingFinished, this, [this] {
        if (ui_->coordinateTextField->isModified())
            changeCoordinate();
    });
    connect(ui_->coordinateTextField, &QLineEdit::textEdited, this, [this] {
        ui_->useCoordinateSwitch->setChecked(true);
        updateInterface();
    });
    connect(ui_->useCoordinateSwitch, &QCheckBox::toggled, this, [this] { updateInterface(); });
    connect(ui_->searchField, &QLineEdit::textEdited, this, &RCEditImageLocationWindowController::searchLocation);
    connect(ui_->searchField, &QLineEdit::returnPressed, this, [this] {
        searchLocation();
        chooseSearchResult(0);
    });
    connect(ui_->searchResultList, &QListWidget::currentRowChanged, this,
            &RCEditImageLocationWindowController::chooseSearchResult);
    connect(ui_->mapStylePopUpButton, &QComboBox::activated, this, &RCEditImageLocationWindowController::changeMapStyle);
    connect(ui_->zoomInButton, &QToolButton::clicked, this, &RCEditImageLocationWindowController::mapZoomIn);
    connect(ui_->zoomToFitButton, &QToolButton::clicked, this, &RCEditImageLocationWindowController::mapZoomToFit);
    connect(ui_->zoomOutButton, &QToolButton::clicked, this, &RCEditImageLocationWindowController::mapZoomOut);
}

void RCEditImageLocationWindowController::updateInterface()
{
    RCEditPropertyWindowController::updateInterface();
    if (!ui_ || !mapView_)
        return;
    ui_->zoomToFitButton->setEnabled(!mapView_->annotations().isEmpty());
    // With the switch on, only a real position can be saved.
    if (validateButton())
        validateButton()->setEnabled(!ui_->useCoordinateSwitch->isChecked() || typedCoordinate().has_value());
}

std::optional<halvex::Coordinate> RCEditImageLocationWindowController::typedCoordinate() const
{
    const std::optional<halvex::Coordinate> coordinate =
        halvex::CoordinateParser::coordinate(ui_->coordinateTextField->text().trimmed());
    if (!coordinate || !coordinate->isValid())
        return std::nullopt;
    return coordinate;
}

void RCEditImageLocationWindowController::showCurrentCoordinate()
{
    mapView_->setAnnotations({});
    if (currentCoordinate_) {
        ui_->coordinateTextField->setText(halvex::CoordinateWriter().DDddddd(*currentCoordinate_));
        maps::MapAnnotation pin;
        pin.coordinate = *currentCoordinate_;
        pin.isSelected = true;
        pin.priority = 1;
        mapView_->setAnnotations({pin});
        if (!mapView_->region().contains(*currentCoordinate_))
            mapView_->setRegion(halvex::CoordinateRegion(*currentCoordinate_, mapView_->region().latitudeDelta(),
                                                         mapView_->region().longitudeDelta()));
    }
    updateInterface();
}

void RCEditImageLocationWindowController::loadValue()
{
    if (profile() && profile()->locationEdition()) {
        ui_->useCoordinateSwitch->setChecked(true);
        currentCoordinate_ = *profile()->locationEdition();
        showCurrentCoordinate();
        mapView_->setRegion(halvex::CoordinateRegion(*currentCoordinate_, 0.1, 0.1));
    } else {
        ui_->useCoordinateSwitch->setChecked(false);
        ui_->coordinateTextField->clear();
        updateInterface();
    }
}

void RCEditImageLocationWindowController::saveValue()
{
    if (!profile())
        return;
    if (!ui_->useCoordinateSwitch->isChecked()) {
        profile()->setLocationEdition(std::nullopt);
        return;
    }
    // Save is disabled without a real position; should it come anyway, nothing is written.
    if (const std::optional<halvex::Coordinate> coordinate = typedCoordinate())
        profile()->setLocationEdition(*coordinate);
}

void RCEditImageLocationWindowController::changeCoordinate()
{
    currentCoordinate_ = typedCoordinate();
    ui_->useCoordinateSwitch->setChecked(true);
    showCurrentCoordinate();
}

void RCEditImageLocationWindowController::clickLocation(const QPointF& point)
{
    if (mapView_->attributionRect().contains(point.toPoint()))
        return;
    const halvex::Coordinate coordinate = mapView_->coordinateAt(point);
    if (!coordinate.isValid())
        return;
    currentCoordinate_ = coordinate;
    ui_->useCoordinateSwitch->setChecked(true);
    showCurrentCoordinate();
}

void RCEditImageLocationWindowController::searchLocation()
{
    const QString text = ui_->searchField->text().trimmed();
    searchResults_.clear();
    const QSignalBlocker blocker(ui_->searchResultList);
    ui_->searchResultList->clear();
    auto geocoder = std::dynamic_pointer_cast<halvex::GazetteerGeocoder>(halvex::Geocoder::shared());
    if (!text.isEmpty() && geocoder) {
        for (const halvex::GazetteerPlace& town : geocoder->search(text, mapView_->region(), maxSearchResults)) {
            searchResults_ << halvex::Location(town.latitude, town.longitude, std::nullopt, std::nullopt, std::nullopt,
                                               halvex::GazetteerGeocoder::address(town));
            ui_->searchResultList->addItem(searchResults_.last().textLocation().formattedAddress());
        }
    }
    ui_->searchResultList->setVisible(!searchResults_.isEmpty());
}

void RCEditImageLocationWindowController::chooseSearchResult(int row)
{
    ui_->useCoordinateSwitch->setChecked(true);
    if (row < 0 || row >= searchResults_.size()) {
        updateInterface();
        return;
    }
    currentCoordinate_ = searchResults_.at(row).coordinate();
    showCurrentCoordinate();
    mapView_->setRegion(halvex::CoordinateRegion(*currentCoordinate_, 0.1, 0.1));
}

void RCEditImageLocationWindowController::changeMapStyle(int mapType)
{
    const int type = mapType >= 0 && mapType <= 5 ? mapType : 0;
    defaults().set(Settings::mapViewTypeValue(), MapType(type));
    applyMapType();
}

void RCEditImageLocationWindowController::applyMapType()
{
    const MapType type = defaults().value(Settings::mapViewTypeValue());
    tileSource_->setUrlTemplate(EditorMapViewController::tileURLTemplate());
    mapView_->setGreyed(type == MapType::mutedStandard);
    mapView_->setImagery(type != MapType::standard && type != MapType::mutedStandard);
    const QSignalBlocker blocker(ui_->mapStylePopUpButton);
    ui_->mapStylePopUpButton->setCurrentIndex(int(type));
    mapView_->update();
}

void RCEditImageLocationWindowController::mapZoomIn()
{
    mapView_->scaleSpans(0.5);
    saveRegion();
}

void RCEditImageLocationWindowController::mapZoomOut()
{
    mapView_->scaleSpans(2);
    saveRegion();
}

void RCEditImageLocationWindowController::mapZoomToFit()
{
    mapView_->fitAnnotations();
}

void RCEditImageLocationWindowController::restoreRegion()
{
    const QStringList saved = defaults().value(Settings::remoteLocationMapRegion()).split(QLatin1Char(' '));
    if (saved.size() == 3)
        mapView_->setCentre(halvex::Coordinate(saved[0].toDouble(), saved[1].toDouble()), saved[2].toDouble());
}

void RCEditImageLocationWindowController::saveRegion()
{
    defaults().set(Settings::remoteLocationMapRegion(), QStringLiteral("%1 %2 %3")
                                                           .arg(mapView_->centre().latitude(), 0, 'f', 6)
                                                           .arg(mapView_->centre().longitude(), 0, 'f', 6)
                                                           .arg(mapView_->zoom(), 0, 'f', 3));
}

void RCEditImageLocationWindowController::done(int returnCode)
{
    saveRegion();
    RCEditPropertyWindowController::done(returnCode);
}

} // namespace corvelle
