#include "map/FindLocationWindowController.h"

#include "engine/halvex/places/CoordinateParser.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "engine/halvex/libraries/LocationManager.h"
#include "map/EditorMapViewController.h"
#include "map/LocationEditWindowController.h"
#include "map/LocationItemListModel.h"
#include "map/MapSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

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
    auto* listColumn = new QVBoxLayout;
    resultList_ = new QListWidget(this);
    resultList_->setObjectName(QStringLiteral("resultList"));
    resultList_->setMaximumWidth(240);
    listColumn->addWidget(resultList_, 1);

    // The favourites: their title, or a placeholder when there is none, the list and its commands.
    favoritesTitleLabel_ = new QLabel(localizedString(QStringLiteral("FindLocationFavoritesTitle")), this);
    favoritesTitleLabel_->setObjectName(QStringLiteral("favoritesTitleLabel"));
    listColumn->addWidget(favoritesTitleLabel_);
    favoritesPlaceholderView_ = new QLabel(localizedString(QStringLiteral("FindLocationFavoritesPlaceholder")), this);
    favoritesPlaceholderView_->setObjectName(QStringLiteral("favoritesPlaceholderView"));
    favoritesPlaceholderView_->setWordWrap(true);
    favoritesPlaceholderView_->setForegroundRole(QPalette::PlaceholderText);
    listColumn->addWidget(favoritesPlaceholderView_);
    favoritesModel_ = new LocationItemListModel(halvex::LocationManager::shared(), this);
    favoritesTableView_ = new QListView(this);
    favoritesTableView_->setObjectName(QStringLiteral("favoritesTableView"));
    favoritesTableView_->setMaximumWidth(240);
    favoritesTableView_->setModel(favoritesModel_);
    favoritesTableView_->setSelectionMode(QAbstractItemView::SingleSelection);
    favoritesTableView_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    favoritesTableView_->setDragDropMode(QAbstractItemView::InternalMove);
    favoritesTableView_->setDefaultDropAction(Qt::MoveAction);
    favoritesTableView_->setDropIndicatorShown(true);
    listColumn->addWidget(favoritesTableView_, 1);

    const auto makeAction = [this](const char* name, const char* key, const QString& symbol) {
        auto* action = new QAction(symbol.isEmpty() ? localizedString(QString::fromLatin1(key)) : symbol, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(localizedString(QString::fromLatin1(key)));
        addAction(action);
        return action;
    };
    addToFavoritesAction_ = makeAction("addToFavorites", "FindLocationAddToFavorites", QStringLiteral("+"));
    deleteFavoriteAction_ = makeAction("deleteFavorite", "FindLocationDeleteFavorite", QStringLiteral("−"));
    renameFavoriteAction_ = makeAction("renameFavorite", "FindLocationRenameFavorite", {});
    editFavoriteAction_ = makeAction("editFavorite", "FindLocationEditFavorite", {});
    editCurrentLocationAction_ = makeAction("editCurrentLocation", "FindLocationEditCurrentLocation", {});
    auto* favoriteButtons = new QHBoxLayout;
    for (QAction* action : {addToFavoritesAction_, deleteFavoriteAction_, renameFavoriteAction_, editFavoriteAction_}) {
        auto* button = new QToolButton(this);
        button->setObjectName(action->objectName() + QStringLiteral("Button"));
        button->setDefaultAction(action);
        favoriteButtons->addWidget(button);
    }
    favoriteButtons->addStretch(1);
    listColumn->addLayout(favoriteButtons);
    middle->addLayout(listColumn);
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
    auto* editCurrent = new QToolButton(this);
    editCurrent->setObjectName(QStringLiteral("editCurrentLocationButton"));
    editCurrent->setDefaultAction(editCurrentLocationAction_);
    zoomRow->addWidget(editCurrent);
    zoomRow->addWidget(zoomOut);
    zoomRow->addWidget(zoomIn);
    mapColumn->addLayout(zoomRow);
    // The viewing direction, in tenths of a degree clockwise from north.
    auto* directionRow = new QHBoxLayout;
    auto* directionLabel = new QLabel(localizedString(QStringLiteral("FindLocationDirectionLabel")), this);
    directionSlider_ = new QSlider(Qt::Horizontal, this);
    directionSlider_->setObjectName(QStringLiteral("directionSlider"));
    directionSlider_->setRange(0, 3600);
    directionSlider_->setPageStep(150);
    directionLabel->setBuddy(directionSlider_);
    directionRow->addWidget(directionLabel);
    directionRow->addWidget(directionSlider_, 1);
    mapColumn->addLayout(directionRow);
    middle->addLayout(mapColumn, 1);
    layout->addLayout(middle, 1);

    messageLabel_ = new QLabel(this);
    messageLabel_->setObjectName(QStringLiteral("messageLabel"));
    messageLabel_->setWordWrap(true);
    messageLabel_->hide();
    layout->addWidget(messageLabel_);

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
    connect(directionSlider_, &QSlider::valueChanged, this, [this](int value) { changeDirection(value / 10.0); });
    connect(zoomIn, &QToolButton::clicked, this, [this] { mapView_->scaleSpans(0.25); });
    connect(zoomOut, &QToolButton::clicked, this, [this] { mapView_->scaleSpans(4); });

    connect(addToFavoritesAction_, &QAction::triggered, this, &FindLocationWindowController::addToFavorites);
    connect(deleteFavoriteAction_, &QAction::triggered, this, &FindLocationWindowController::deleteFavorite);
    connect(renameFavoriteAction_, &QAction::triggered, this, &FindLocationWindowController::renameFavorite);
    connect(editFavoriteAction_, &QAction::triggered, this, &FindLocationWindowController::editFavorite);
    connect(editCurrentLocationAction_, &QAction::triggered, this, &FindLocationWindowController::editCurrentLocation);
    connect(favoritesTableView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FindLocationWindowController::favoriteSelectionDidChange);
    // The library changed: the rows are new, the selected favourite is shown selected again.
    connect(favoritesModel_, &QAbstractItemModel::modelReset, this, [this] {
        selectFavoriteRow();
        updateInterface();
    });
    favoritesModel_->onSaveFailure = [this](const QString& reason) {
        showMessage(localizedString(QStringLiteral("FindLocationFavoritesSaveDidFail"), {reason}));
    };
    selectFavoriteRow();
    setLocation(std::nullopt);
}

void FindLocationWindowController::updateInterface()
{
    const bool hasLocation = location_.has_value();
    const bool hasFavorite = halvex::LocationManager::shared().selectedItem() != nullptr;
    const bool hasFavorites = favoritesModel_->rowCount() > 0;
    setButton_->setEnabled(hasLocation);
    addToFavoritesAction_->setEnabled(hasLocation);
    editCurrentLocationAction_->setEnabled(hasLocation);
    directionSlider_->setEnabled(hasLocation);
    renameFavoriteAction_->setEnabled(hasFavorite);
    deleteFavoriteAction_->setEnabled(hasFavorite);
    editFavoriteAction_->setEnabled(hasFavorite);
    favoritesTitleLabel_->setVisible(hasFavorites);
    favoritesTableView_->setVisible(hasFavorites);
    favoritesPlaceholderView_->setVisible(!hasFavorites);
}

void FindLocationWindowController::changeDirection(double degrees)
{
    if (!location_)
        return;
    const double old = location_->direction().value_or(-10000.0);
    location_ = location_->withDirection(degrees);
    // A turned place is no longer the favourite it came from.
    halvex::LocationManager::shared().setSelectedItem(nullptr);
    selectFavoriteRow();
    // The pin is turned only for a change of more than a degree.
    if (std::abs(old - degrees) > 1.0)
        showLocation(false);
    else
        updateInterface();
}

void FindLocationWindowController::showMessage(const QString& message)
{
    messageLabel_->setText(message);
    messageLabel_->setVisible(!message.isEmpty());
}

void FindLocationWindowController::selectFavoriteRow()
{
    const int row = favoritesModel_->row(halvex::LocationManager::shared().selectedItem());
    followingLibrary_ = true;
    if (row < 0)
        favoritesTableView_->selectionModel()->clearSelection();
    else
        favoritesTableView_->selectionModel()->select(favoritesModel_->index(row),
                                                      QItemSelectionModel::ClearAndSelect);
    followingLibrary_ = false;
}

void FindLocationWindowController::favoriteSelectionDidChange()
{
    if (followingLibrary_)
        return;
    const QModelIndexList rows = favoritesTableView_->selectionModel()->selectedRows();
    const halvex::LocationItemPtr item = rows.isEmpty() ? nullptr : favoritesModel_->item(rows.first().row());
    halvex::LocationManager::shared().setSelectedItem(item);
    if (item) {
        location_ = item->location();
        showLocation(true);
    } else {
        updateInterface();
    }
}

void FindLocationWindowController::addToFavorites()
{
    if (!location_)
        return;
    halvex::LocationManager& library = halvex::LocationManager::shared();
    auto item = std::make_shared<halvex::LocationItem>(location_->placeName().value_or(QString()), *location_);
    library.insertItems({item}, int(library.items().size()));
    favoritesModel_->save();
}

void FindLocationWindowController::renameFavorite()
{
    const int row = favoritesModel_->row(halvex::LocationManager::shared().selectedItem());
    if (row < 0)
        return;
    const QModelIndex index = favoritesModel_->index(row);
    favoritesTableView_->setCurrentIndex(index);
    favoritesTableView_->edit(index);
}

void FindLocationWindowController::deleteFavorite()
{
    halvex::LocationManager& library = halvex::LocationManager::shared();
    if (!library.selectedItem())
        return;
    brisa::IndexSet rows;
    for (const QModelIndex& index : favoritesTableView_->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.isEmpty())
        rows.insert(favoritesModel_->row(library.selectedItem()));
    library.removeItems(rows);
    favoritesModel_->save();
}

void FindLocationWindowController::editFavorite()
{
    const halvex::LocationItemPtr item = halvex::LocationManager::shared().selectedItem();
    if (!item)
        return;
    presentEditSheet(item->location(), [this, item](const halvex::Location& edited) {
        // The favourite may have been deleted meanwhile: the place is still taken.
        if (favoritesModel_->row(item) >= 0) {
            item->setLocation(edited);
            favoritesModel_->save();
        }
        location_ = edited;
        showLocation(false);
    });
}

void FindLocationWindowController::editCurrentLocation()
{
    if (!location_)
        return;
    presentEditSheet(*location_, [this](const halvex::Location& edited) {
        location_ = edited;
        showLocation(false);
    });
}

void FindLocationWindowController::presentEditSheet(const halvex::Location& location,
                                                    std::function<void(const halvex::Location&)> saved)
{
    if (editSheet_)
        return;
    auto* sheet = new LocationEditWindowController(this);
    sheet->setLocation(location);
    editSheet_ = sheet;
    const bool presented = brisa::SheetPresenter::presentSheet(this, sheet, [this, sheet, saved](int returnCode) {
        editSheet_ = nullptr;
        if (returnCode == 1 && sheet->location())
            saved(*sheet->location());
        sheet->deleteLater();
    });
    if (!presented) {
        editSheet_ = nullptr;
        delete sheet;
    }
}

void FindLocationWindowController::setLocation(const std::optional<halvex::Location>& location)
{
    location_ = location;
    showLocation(true);
}

void FindLocationWindowController::showLocation(bool zoom)
{
    updateInterface();
    {
        const QSignalBlocker blocker(directionSlider_);
        directionSlider_->setValue(location_ ? int(std::lround(location_->direction().value_or(0) * 10)) : 0);
    }
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
    halvex::LocationManager::shared().setSelectedItem(nullptr);
    selectFavoriteRow();
    location_ = results_[row];
    showLocation(true);
}

void FindLocationWindowController::pickCoordinate(const halvex::Coordinate& coordinate)
{
    if (!coordinate.isValid())
        return;
    halvex::LocationManager::shared().setSelectedItem(nullptr);
    selectFavoriteRow();
    location_ = addressed(coordinate);
    showLocation(false);
    if (!mapView_->region().contains(coordinate))
        mapView_->setRegion(halvex::CoordinateRegion(coordinate, mapView_->region().latitudeDelta(),
                                                     mapView_->region().longitudeDelta()));
}

} // namespace corvelle
