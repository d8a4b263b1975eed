#include "map/FindLocationWindowController.h"

#include "engine/halvex/places/CoordinateParser.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "map/EditorMapViewController.h"
#include "map/MapSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"
#include "widgets/TextLocalizer.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvelle {

namespace {

constexpr int maxResults = 20;

std::optional<halvex::Location> addressed(const halvex::Coordinate& coordinate)
{
    halvex::Location place(coordinate.latitude(), coordinate.longitude());
    if (const auto geocoder = halvex::Geocoder::shared()) {
        if (const auto found = geocoder->reverseGeocode(coordinate))
            place = place.withTextLocation(found->textLocation());
    }
    return place;
}

} // namespace

FindLocationWindowController::FindLocationWindowController(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("findLocationSheet"));
    setWindowTitle(localizedString(QStringLiteral("FindLocationWindowTitle")));
    resize(720, 520);
    auto* layout = new QVBoxLayout(this);

    searchField_ = new QLineEdit(this);
    searchField_->setObjectName(QStringLiteral("searchField"));
    searchField_->setPlaceholderText(localizedString(QStringLiteral("FindLocationSearchPlaceholder")));
    searchField_->setClearButtonEnabled(true);
    layout->addWidget(searchField_);

    auto* middle = new QHBoxLayout;
    resultList_ = new QListWidget(this);
    resultList_->setObjectName(QStringLiteral("resultList"));
    resultList_->setMaximumWidth(240);
    middle->addWidget(resultList_);
    auto* mapColumn = new QVBoxLayout;
    mapView_ = new maps::SyncRegionMapView(this);
    mapView_->setObjectName(QStringLiteral("mapView"));
    mapView_->setAttribution(localizedString(QStringLiteral("MapSectionTileAttribution")));
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/map-tiles");
    tileSource_ = new maps::MapTileSource(EditorMapViewController::tileURLTemplate(), cache, this);
    mapView_->setTileSource(tileSource_);
    mapColumn->addWidget(mapView_, 1);
    auto* zoomRow = new QHBoxLayout;
    auto* zoomOut = new QToolButton(this);
    zoomOut->setObjectName(QStringLiteral("zoomOutButton"));
    zoomOut->setText(QStringLiteral("−"));
    zoomOut->setToolTip(localizedString(QStringLiteral("FindLocationZoomOut")));
    auto* zoomIn = new QToolButton(this);
    zoomIn->setObjectName(QStringLiteral("zoomInButton"));
    zoomIn->setText(QStringLiteral("+"));
    zoomIn->setToolTip(localizedString(QStringLiteral("FindLocationZoomIn")));
    addressLabel_ = new QLabel(this);
    addressLabel_->setObjectName(QStringLiteral("addressLabel"));
    addressLabel_->setWordWrap(true);
    zoomRow->addWidget(addressLabel_, 1);
    zoomRow->addWidget(zoomOut);
    zoomRow->addWidget(zoomIn);
    mapColumn->addLayout(zoomRow);
    middle->addLayout(mapColumn, 1);
    layout->addLayout(middle, 1);

    auto* buttons = new QDialogButtonBox(this);
    setButton_ = buttons->addButton(localizedString(QStringLiteral("FindLocationSetButton")), QDialogButtonBox::AcceptRole);
    setButton_->setObjectName(QStringLiteral("setButton"));
    buttons->addButton(localizedString(QStringLiteral("FindLocationCancelButton")), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (location_)
            done(1);
    });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { done(0); });
    connect(searchField_, &QLineEdit::textEdited, this, [this] { search(); });
    connect(searchField_, &QLineEdit::returnPressed, this, [this] {
        search();
        if (!results_.isEmpty())
            pickResult(0);
    });
    connect(resultList_, &QListWidget::currentRowChanged, this, [this](int row) { pickResult(row); });
    connect(mapView_, &maps::SyncRegionMapView::doubleAction, this, &FindLocationWindowController::pickCoordinate);
    // Zooming in shows a smaller region, out a larger one.
    connect(zoomIn, &QToolButton::clicked, this, [this] { mapView_->scaleSpans(0.25); });
    connect(zoomOut, &QToolButton::clicked, this, [this] { mapView_->scaleSpans(4); });
    setLocation(std::nullopt);
}

void FindLocationWindowController::setLocation(const std::optional<halvex::Location>& location)
{
    location_ = location;
    showLocation(true);
}

void FindLocationWindowController::showLocation(bool zoom)
{
    setButton_->setEnabled(location_.has_value());
    if (!location_) {
        mapView_->setAnnotations({});
        addressLabel_->clear();
        if (zoom)
            mapView_->setCentre(halvex::Coordinate(20, 0), 1);
        return;
    }
    maps::MapAnnotation pin;
    pin.coordinate = location_->coordinate();
    pin.isSelected = true;
    pin.priority = 1;
    pin.direction = location_->direction();
    mapView_->setAnnotations({pin});
    const QString address = location_->textLocation().formattedAddress();
    addressLabel_->setText(QStringLiteral("%1, %2%3")
                               .arg(location_->latitude(), 0, 'f', 6)
                               .arg(location_->longitude(), 0, 'f', 6)
                               .arg(address.isEmpty() ? QString() : QStringLiteral(" — ") + address));
    if (zoom)
        mapView_->setRegion(halvex::CoordinateRegion(location_->coordinate(), 0.1, 0.1));
}

void FindLocationWindowController::search()
{
    const QString text = searchField_->text().trimmed();
    results_.clear();
    const QSignalBlocker blocker(resultList_);
    resultList_->clear();
    if (text.isEmpty())
        return;
    if (const auto coordinate = halvex::CoordinateParser::coordinate(text); coordinate && coordinate->isValid()) {
        pickCoordinate(*coordinate);
        return;
    }
    auto geocoder = std::dynamic_pointer_cast<halvex::GazetteerGeocoder>(halvex::Geocoder::shared());
    if (!geocoder)
        return;
    for (const halvex::GazetteerPlace& town : geocoder->search(text, mapView_->region(), maxResults)) {
        results_ << halvex::Location(town.latitude, town.longitude, std::nullopt, std::nullopt, std::nullopt,
                                     halvex::GazetteerGeocoder::address(town));
        resultList_->addItem(results_.last().textLocation().formattedAddress());
    }
}

void FindLocationWindowController::pickResult(int row)
{
    if (row < 0 || row >= results_.size())
        return;
    location_ = results_[row];
    showLocation(true);
}

void FindLocationWindowController::pickCoordinate(const halvex::Coordinate& coordinate)
{
    if (!coordinate.isValid())
        return;
    location_ = addressed(coordinate);
    showLocation(false);
    if (!mapView_->region().contains(coordinate))
        mapView_->setRegion(halvex::CoordinateRegion(coordinate, mapView_->region().latitudeDelta(),
                                                     mapView_->region().longitudeDelta()));
}

} // namespace corvelle
