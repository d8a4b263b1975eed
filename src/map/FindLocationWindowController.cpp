#include "map/FindLocationWindowController.h"

#include "engine/halvex/libraries/LocationManager.h"
#include "engine/halvex/places/CoordinateWriter.h"
#include "map/EditorMapViewController.h"
#include "map/LocationEditWindowController.h"
#include "map/LocationItemListModel.h"
#include "map/LocationSearchEngine.h"
#include "map/MapSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/SpinningProgressIndicator.h"

#include "ui_FindLocationWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QStandardPaths>

#include <cmath>

namespace corvelle {

namespace {

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

halvex::LocationManager& library()
{
    return halvex::LocationManager::shared();
}

// Zooming in shows a quarter of the span, zooming out four times it.
constexpr double zoomInFactor = 0.25;
constexpr double zoomOutFactor = 4.0;

// The four numbers of a saved region, after the autosave name.
const char* const regionKeys[] = {"MapCenterLatitudeValue", "MapCenterLongitudeValue", "MapCenterLatitudeDelta",
                                  "MapCenterLongitudeDelta"};

const char* const mapStyleKeys[] = {"MapTypeStandard",         "MapTypeSatellite",    "MapTypeHybrid",
                                    "MapTypeSatelliteFlyover", "MapTypeHybridFlyover", "MapTypeMutedStandard"};

} // namespace

FindLocationWindowController::FindLocationWindowController(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::FindLocationWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    setObjectName(QStringLiteral("findLocationSheet"));
    ui_->favoritesPlaceholderView->setForegroundRole(QPalette::PlaceholderText);
    ui_->messageLabel->hide();
    // The field keeps its width while the indicator comes and goes.
    QSizePolicy indicatorPolicy = ui_->progressIndicator->sizePolicy();
    indicatorPolicy.setRetainSizeWhenHidden(true);
    ui_->progressIndicator->setSizePolicy(indicatorPolicy);
    ui_->progressIndicator->hide();

    mapView_ = new maps::SyncRegionMapView(ui_->mapContainerView);
    mapView_->setObjectName(QStringLiteral("mapView"));
    mapView_->setAttribution(localizedString(QStringLiteral("MapSectionTileAttribution")));
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/map-tiles");
    tileSource_ = new maps::MapTileSource(EditorMapViewController::tileURLTemplate(), cache, this);
    mapView_->setTileSource(tileSource_);
    brisa::FilledSubview::setFilledSubview(ui_->mapContainerView, mapView_);
    // A tile server out of reach is named below the map until a tile comes again.
    connect(tileSource_, &maps::MapTileSource::wentOffline, this, [this](const QString& reason) {
        tileMessage_ = localizedString(QStringLiteral("MapTilesOfflineMessage"), {reason});
        showOfflineMessage();
    });
    // So is a missing or unreadable base map, drawn where no tile is at hand.
    connect(mapView_, &maps::SyncRegionMapView::baseMapUnavailable, this, [this](const QString& reason) {
        baseMapMessage_ = localizedString(QStringLiteral("MapBaseMapUnavailableMessage"), {reason});
        showOfflineMessage();
    });
    connect(tileSource_, &maps::MapTileSource::tileLoaded, this, [this] {
        if (tileMessage_.isEmpty())
            return;
        tileMessage_.clear();
        if (ui_->messageLabel->text() == offlineMessage_)
            showOfflineMessage();
        else
            offlineMessage_ = baseMapMessage_;
    });

    favoritesModel_ = new LocationItemListModel(library(), this);
    QListView* favorites = ui_->favoritesTableView;
    favorites->setModel(favoritesModel_);
    favorites->setSelectionMode(QAbstractItemView::SingleSelection);
    favorites->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    favorites->setDragDropMode(QAbstractItemView::InternalMove);
    favorites->setDefaultDropAction(Qt::MoveAction);
    favorites->setDropIndicatorShown(true);

    searchEngine_ = new LocationSearchEngine(this);

    // The commands: one action each, named after the command, shown by its button.
    brisa::SymbolIcons::ensureTheme();
    const auto makeAction = [this](const char* name, const char* key, const QString& glyph, const char* icon) {
        auto* action = new QAction(glyph.isEmpty() ? localizedString(QString::fromLatin1(key)) : glyph, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(localizedString(QString::fromLatin1(key)));
        if (icon) {
            const QIcon picture = QIcon::fromTheme(QString::fromLatin1(icon));
            if (!picture.isNull())
                action->setIcon(picture);
        }
        addAction(action);
        return action;
    };
    cancelAction_ = makeAction("cancelSheet:", "FindLocationCancelButton", {}, nullptr);
    applyAction_ = makeAction("applySheet:", "FindLocationSetButton", {}, nullptr);
    addToFavoritesAction_ = makeAction("addToFavorites:", "FindLocationAddToFavorites", QStringLiteral("+"), "list-add-symbolic");
    deleteFavoriteAction_ = makeAction("deleteFavorite:", "FindLocationDeleteFavorite", QStringLiteral("−"), "list-remove-symbolic");
    renameFavoriteAction_ = makeAction("renameFavorite:", "FindLocationRenameFavorite", {}, nullptr);
    editFavoriteAction_ = makeAction("editFavorite:", "FindLocationEditFavorite", {}, nullptr);
    editCurrentLocationAction_ = makeAction("editCurrentLocation:", "FindLocationEditCurrentLocation", {}, nullptr);
    zoomInAction_ = makeAction("mapZoomIn:", "FindLocationZoomIn", QStringLiteral("+"), "zoom-in-symbolic");
    zoomOutAction_ = makeAction("mapZoomOut:", "FindLocationZoomOut", QStringLiteral("−"), "zoom-out-symbolic");
    zoomToFitAction_ = makeAction("mapZoomToFit:", "FindLocationZoomToFit", QStringLiteral("◎"), "zoom-fit-best-symbolic");
    centerSelectionAction_ = makeAction("mapCenterSelection:", "FindLocationCenterSelection", QStringLiteral("•"),
                                        "find-location-symbolic");
    ui_->addToFavoriteButton->setDefaultAction(addToFavoritesAction_);
    ui_->deleteFavoriteButton->setDefaultAction(deleteFavoriteAction_);
    ui_->renameFavoriteButton->setDefaultAction(renameFavoriteAction_);
    ui_->editFavoriteButton->setDefaultAction(editFavoriteAction_);
    ui_->editCurrentLocationButton->setDefaultAction(editCurrentLocationAction_);
    ui_->zoomInButton->setDefaultAction(zoomInAction_);
    ui_->zoomOutButton->setDefaultAction(zoomOutAction_);
    ui_->zoomToFitButton->setDefaultAction(zoomToFitAction_);
    ui_->centerButton->setDefaultAction(centerSelectionAction_);
    // The push buttons stand for their actions and follow their enabled state.
    for (const auto& [button, action] : {std::pair{ui_->cancelButton, cancelAction_}, std::pair{ui_->applyButton, applyAction_}}) {
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    }

    // The map style: one checkable item per style, the settings' number as its tag.
    mapStyleMenu_ = new QMenu(this);
    mapStyleMenu_->setObjectName(QStringLiteral("mapStyleMenu"));
    mapStyleGroup_ = new QActionGroup(this);
    for (int style = 0; style < 6; ++style) {
        QAction* action = mapStyleMenu_->addAction(localizedString(QString::fromLatin1(mapStyleKeys[style])));
        action->setObjectName(QStringLiteral("changeMapStyle:"));
        action->setCheckable(true);
        action->setData(style);
        mapStyleGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [action] { changeMapStyle(action->data().toInt()); });
    }
    connect(mapStyleMenu_, &QMenu::aboutToShow, this, &FindLocationWindowController::applyMapStyle);
    ui_->mapStyleButton->setMenu(mapStyleMenu_);
    userDefaultsDidSetKeySubscriber_.subscribe(brisa::UserDefaults::didSetKeyNotification, &defaults(),
                                               [this](const brisa::Notification& note) {
                                                   if (brisa::UserDefaults::editedKeyName(note).startsWith(QStringLiteral("Map")))
                                                       applyMapStyle();
                                               });

    connect(cancelAction_, &QAction::triggered, this, [this] { done(0); });
    connect(applyAction_, &QAction::triggered, this, [this] {
        if (location_)
            done(1);
    });
    connect(searchEngine_, &LocationSearchEngine::stateChanged, this, &FindLocationWindowController::updateInterface);
    connect(searchEngine_, &LocationSearchEngine::placesChanged, this, &FindLocationWindowController::searchDidEnd);
    connect(ui_->searchField, &QLineEdit::textEdited, this, [this] { search(false); });
    // Return in the field picks the first town rather than ending the sheet.
    ui_->searchField->installEventFilter(this);
    connect(ui_->resultList, &QListWidget::currentRowChanged, this, [this](int row) { pickResult(row); });
    connect(mapView_, &maps::SyncRegionMapView::doubleAction, this, &FindLocationWindowController::pickCoordinate);
    connect(ui_->directionSlider, &QSlider::valueChanged, this, [this](int value) { changeDirection(value / 10.0); });
    connect(zoomInAction_, &QAction::triggered, this, &FindLocationWindowController::zoomIn);
    connect(zoomOutAction_, &QAction::triggered, this, &FindLocationWindowController::zoomOut);
    connect(zoomToFitAction_, &QAction::triggered, this, &FindLocationWindowController::zoomToFit);
    connect(centerSelectionAction_, &QAction::triggered, this, &FindLocationWindowController::centerSelection);

    connect(addToFavoritesAction_, &QAction::triggered, this, &FindLocationWindowController::addToFavorites);
    connect(deleteFavoriteAction_, &QAction::triggered, this, &FindLocationWindowController::deleteFavorite);
    connect(renameFavoriteAction_, &QAction::triggered, this, &FindLocationWindowController::renameFavorite);
    connect(editFavoriteAction_, &QAction::triggered, this, &FindLocationWindowController::editFavorite);
    connect(editCurrentLocationAction_, &QAction::triggered, this, &FindLocationWindowController::editCurrentLocation);
    connect(favorites->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FindLocationWindowController::favoriteSelectionDidChange);
    // The library changed: the rows are new, the selected favourite is shown selected again.
    connect(favoritesModel_, &QAbstractItemModel::modelReset, this, [this] {
        selectFavoriteRow();
        updateInterface();
    });
    favoritesModel_->onSaveFailure = [this](const QString& reason) {
        showMessage(localizedString(QStringLiteral("FindLocationFavoritesSaveDidFail"), {reason}));
    };
    touchBar_.addItemSet({}).addSheetButtons(
        this, localizedString(QStringLiteral("EditorPanelCancelTouchButton")), [this] { cancelAction_->trigger(); },
        localizedString(QStringLiteral("EditorPanelSaveTouchButton")), [this] { applyAction_->trigger(); },
        [this] { return location_.has_value(); });

    selectFavoriteRow();
    applyMapStyle();
    setLocation(std::nullopt);
    restoreRegion();
}

const QString FindLocationWindowController::autosaveName = QStringLiteral("FindLocationWindowController");

void FindLocationWindowController::saveRegion() const
{
    const halvex::CoordinateRegion region = mapView_->region();
    const double values[] = {region.centre().latitude(), region.centre().longitude(), region.latitudeDelta(),
                             region.longitudeDelta()};
    for (int index = 0; index < 4; ++index)
        defaults().setObject(autosaveName + QString::fromLatin1(regionKeys[index]), values[index]);
}

bool FindLocationWindowController::restoreRegion()
{
    double values[4];
    bool stored = false;
    for (int index = 0; index < 4; ++index) {
        values[index] = defaults().object(autosaveName + QString::fromLatin1(regionKeys[index])).toDouble();
        stored = stored || values[index] != 0;
    }
    if (!stored || values[2] <= 0 || values[3] <= 0)
        return false;
    showRegion(halvex::CoordinateRegion(halvex::Coordinate(values[0], values[1]), values[2], values[3]));
    return true;
}

void FindLocationWindowController::showRegion(const halvex::CoordinateRegion& region)
{
    mapView_->setRegion(region);
    if (isVisible())
        regionToShow_.reset();
    else
        regionToShow_ = region;
}

void FindLocationWindowController::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (regionToShow_)
        mapView_->setRegion(*regionToShow_);
    regionToShow_.reset();
}

void FindLocationWindowController::done(int result)
{
    saveRegion();
    QDialog::done(result);
}

FindLocationWindowController::~FindLocationWindowController() = default;

QLineEdit* FindLocationWindowController::searchField() const { return ui_->searchField; }
SpinningProgressIndicator* FindLocationWindowController::progressIndicator() const { return ui_->progressIndicator; }
QListWidget* FindLocationWindowController::resultList() const { return ui_->resultList; }
QLineEdit* FindLocationWindowController::coordinatesTextField() const { return ui_->coordinatesTextField; }
QPushButton* FindLocationWindowController::setButton() const { return ui_->applyButton; }
QPushButton* FindLocationWindowController::cancelButton() const { return ui_->cancelButton; }
QListView* FindLocationWindowController::favoritesTableView() const { return ui_->favoritesTableView; }
QLabel* FindLocationWindowController::favoritesPlaceholderView() const { return ui_->favoritesPlaceholderView; }
QLabel* FindLocationWindowController::messageLabel() const { return ui_->messageLabel; }
QSlider* FindLocationWindowController::directionSlider() const { return ui_->directionSlider; }
QWidget* FindLocationWindowController::zoomSegmentControl() const { return ui_->zoomSegmentControl; }
QToolButton* FindLocationWindowController::mapStyleButton() const { return ui_->mapStyleButton; }

QList<QAction*> FindLocationWindowController::mapStyleActions() const
{
    return mapStyleGroup_->actions();
}

// The one place that decides what is enabled, shown and checked.
void FindLocationWindowController::updateInterface()
{
    const bool hasLocation = location_.has_value();
    const bool hasFavorite = library().selectedItem() != nullptr;
    const bool hasFavorites = favoritesModel_->rowCount() > 0;
    const bool hasPin = !mapView_->annotations().isEmpty();
    cancelAction_->setEnabled(true);
    applyAction_->setEnabled(hasLocation);
    ui_->applyButton->setEnabled(hasLocation);
    addToFavoritesAction_->setEnabled(hasLocation);
    addToFavoritesAction_->setVisible(hasLocation);
    editCurrentLocationAction_->setEnabled(hasLocation);
    ui_->directionSlider->setEnabled(hasLocation);
    zoomInAction_->setEnabled(true);
    zoomOutAction_->setEnabled(true);
    zoomToFitAction_->setEnabled(hasPin);
    centerSelectionAction_->setEnabled(hasPin);
    renameFavoriteAction_->setEnabled(hasFavorite);
    deleteFavoriteAction_->setEnabled(hasFavorite);
    editFavoriteAction_->setEnabled(hasFavorite);
    ui_->favoritesTitleLabel->setVisible(hasFavorites);
    ui_->favoritesTableView->setVisible(hasFavorites);
    ui_->favoritesPlaceholderView->setVisible(!hasFavorites);

    SpinningProgressIndicator* indicator = ui_->progressIndicator;
    if (searchEngine_->isSearching()) {
        indicator->show();
        indicator->startAnimation();
    } else {
        indicator->stopAnimation();
        indicator->hide();
    }

    QString line;
    if (location_) {
        const QString address = location_->textLocation().shortFormattedAddress();
        line = halvex::CoordinateWriter().DDddddd(location_->coordinate());
        if (!address.isEmpty())
            line += QLatin1Char(' ') + address;
    }
    if (line.trimmed().isEmpty())
        line = localizedString(QStringLiteral("TagMapNoResultsTitle"));
    ui_->coordinatesTextField->setText(line);
    ui_->coordinatesTextField->setCursorPosition(0);
    ui_->coordinatesTextField->setToolTip(line);
    touchBar_.reloadDisplayedItems();
}

void FindLocationWindowController::showOfflineMessage()
{
    QStringList lines;
    for (const QString& line : {tileMessage_, baseMapMessage_}) {
        if (!line.isEmpty())
            lines << line;
    }
    offlineMessage_ = lines.join(QLatin1Char('\n'));
    showMessage(offlineMessage_);
}

void FindLocationWindowController::applyMapStyle()
{
    const MapType style = defaults().value(Settings::mapViewTypeValue());
    tileSource_->setUrlTemplate(EditorMapViewController::tileURLTemplate());
    mapView_->setGreyed(style == MapType::mutedStandard);
    mapView_->setImagery(style != MapType::standard && style != MapType::mutedStandard);
    mapView_->update();
    for (QAction* action : mapStyleGroup_->actions())
        action->setChecked(action->data().toInt() == int(style));
}

void FindLocationWindowController::changeMapStyle(int style)
{
    defaults().set(Settings::mapViewTypeValue(), MapType(style >= 0 && style <= 5 ? style : 0));
}

void FindLocationWindowController::zoomIn()
{
    mapView_->scaleSpans(zoomInFactor);
    saveRegion();
}

void FindLocationWindowController::zoomOut()
{
    mapView_->scaleSpans(zoomOutFactor);
    saveRegion();
}

void FindLocationWindowController::zoomToFit()
{
    mapView_->fitAnnotations();
}

void FindLocationWindowController::centerSelection()
{
    const QList<maps::MapAnnotation>& pins = mapView_->annotations();
    if (pins.isEmpty())
        return;
    double latitude = 0;
    double longitude = 0;
    for (const maps::MapAnnotation& pin : pins) {
        latitude += pin.coordinate.latitude() / pins.size();
        longitude += pin.coordinate.longitude() / pins.size();
    }
    mapView_->setCentre(halvex::Coordinate(latitude, longitude), mapView_->zoom());
}

void FindLocationWindowController::changeDirection(double degrees)
{
    if (!location_)
        return;
    const double old = location_->direction().value_or(-10000.0);
    location_ = location_->withDirection(degrees);
    // A turned place is no longer the favourite it came from.
    library().setSelectedItem(nullptr);
    selectFavoriteRow();
    // The pin is turned only for a change of more than a degree.
    if (std::abs(old - degrees) > 1.0)
        showLocation(false);
    else
        updateInterface();
}

void FindLocationWindowController::showMessage(const QString& message)
{
    ui_->messageLabel->setText(message);
    ui_->messageLabel->setVisible(!message.isEmpty());
}

void FindLocationWindowController::selectFavoriteRow()
{
    const int row = favoritesModel_->row(library().selectedItem());
    followingLibrary_ = true;
    QItemSelectionModel* selection = ui_->favoritesTableView->selectionModel();
    if (row < 0)
        selection->clearSelection();
    else
        selection->select(favoritesModel_->index(row), QItemSelectionModel::ClearAndSelect);
    followingLibrary_ = false;
}

void FindLocationWindowController::favoriteSelectionDidChange()
{
    if (followingLibrary_)
        return;
    const QModelIndexList rows = ui_->favoritesTableView->selectionModel()->selectedRows();
    const halvex::LocationItemPtr item = rows.isEmpty() ? nullptr : favoritesModel_->item(rows.first().row());
    library().setSelectedItem(item);
    if (item) {
        // A search still under way would replace the favourite when it ends.
        searchEngine_->cancel();
        const QSignalBlocker blocker(ui_->resultList);
        ui_->resultList->setCurrentRow(-1);
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
    auto item = std::make_shared<halvex::LocationItem>(location_->placeName().value_or(QString()), *location_);
    library().insertItems({item}, int(library().items().size()));
    favoritesModel_->save();
}

void FindLocationWindowController::renameFavorite()
{
    const int row = favoritesModel_->row(library().selectedItem());
    if (row < 0)
        return;
    const QModelIndex index = favoritesModel_->index(row);
    ui_->favoritesTableView->setCurrentIndex(index);
    ui_->favoritesTableView->edit(index);
}

void FindLocationWindowController::deleteFavorite()
{
    if (!library().selectedItem())
        return;
    brisa::IndexSet rows;
    for (const QModelIndex& index : ui_->favoritesTableView->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.isEmpty())
        rows.insert(favoritesModel_->row(library().selectedItem()));
    library().removeItems(rows);
    favoritesModel_->save();
}

void FindLocationWindowController::editFavorite()
{
    const halvex::LocationItemPtr item = library().selectedItem();
    if (!item)
        return;
    presentEditSheet(item->location(), [this, item](const halvex::Location& edited) {
        // The favourite may have been deleted meanwhile: the place is still taken.
        if (favoritesModel_->row(item) >= 0) {
            item->setLocation(edited);
            favoritesModel_->save();
        }
        searchEngine_->cancel();
        location_ = edited;
        showLocation(false);
    });
}

void FindLocationWindowController::editCurrentLocation()
{
    if (!location_)
        return;
    presentEditSheet(*location_, [this](const halvex::Location& edited) {
        searchEngine_->cancel();
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
    searchEngine_->cancel();
    location_ = location;
    showLocation(true);
}

void FindLocationWindowController::showLocation(bool zoom)
{
    {
        const QSignalBlocker blocker(ui_->directionSlider);
        ui_->directionSlider->setValue(location_ ? int(std::lround(location_->direction().value_or(0) * 10)) : 0);
    }
    if (!location_) {
        mapView_->setAnnotations({});
        if (zoom) {
            regionToShow_.reset();
            mapView_->setCentre(halvex::Coordinate(20, 0), 1);
        }
        updateInterface();
        return;
    }
    maps::MapAnnotation pin;
    pin.coordinate = location_->coordinate();
    pin.isSelected = true;
    pin.priority = 1;
    pin.direction = location_->direction();
    mapView_->setAnnotations({pin});
    if (zoom)
        showRegion(halvex::CoordinateRegion(location_->coordinate(), 0.1, 0.1));
    updateInterface();
}

void FindLocationWindowController::search(bool pickFirst)
{
    const QString text = ui_->searchField->text().trimmed();
    if (text.isEmpty()) {
        pickFirstResult_ = false;
        searchEngine_->cancel();
        results_.clear();
        const QSignalBlocker blocker(ui_->resultList);
        ui_->resultList->clear();
        return;
    }
    // The towns of this very text are listed already: the first is taken at once.
    if (pickFirst && !searchEngine_->isSearching() && searchEngine_->userInput() == text
        && !searchEngine_->result().isCoordinate) {
        pickResult(0);
        return;
    }
    pickFirstResult_ = pickFirst || (pickFirstResult_ && searchEngine_->isSearching() && searchEngine_->userInput() == text);
    searchEngine_->search(text, mapView_->region());
}

void FindLocationWindowController::pickCoordinate(const halvex::Coordinate& coordinate)
{
    if (!coordinate.isValid())
        return;
    pickFirstResult_ = false;
    searchEngine_->search(coordinate, mapView_->region());
}

void FindLocationWindowController::searchDidEnd()
{
    const LocationSearchEngine::Result& result = searchEngine_->result();
    const bool pickFirst = pickFirstResult_;
    pickFirstResult_ = false;
    if (result.isCoordinate) {
        // A typed or clicked position: it is the place, the map moves only to bring it in sight.
        if (result.places.isEmpty())
            return;
        takeLocation(result.places.first(), false);
        const halvex::Coordinate coordinate = result.places.first().coordinate();
        if (!mapView_->region().contains(coordinate))
            mapView_->setRegion(halvex::CoordinateRegion(coordinate, mapView_->region().latitudeDelta(),
                                                         mapView_->region().longitudeDelta()));
        return;
    }
    // No list of places to search: the message names it and says why.
    if (!result.problem.isEmpty())
        showMessage(localizedString(QStringLiteral("FindLocationSearchDidFail"), {result.problem}));
    else if (ui_->messageLabel->text().startsWith(localizedString(QStringLiteral("FindLocationSearchDidFail"), {QString()})))
        showMessage({});
    results_ = result.places;
    const QSignalBlocker blocker(ui_->resultList);
    ui_->resultList->clear();
    for (const halvex::Location& place : std::as_const(results_)) {
        // Cut to the list's width; the whole address in the tip.
        auto* item = new QListWidgetItem(place.textLocation().formattedAddress(), ui_->resultList);
        item->setToolTip(item->text());
    }
    if (results_.isEmpty()) {
        auto* none = new QListWidgetItem(localizedString(QStringLiteral("TagMapNoResultsTitle")), ui_->resultList);
        none->setFlags(Qt::NoItemFlags);
    } else if (pickFirst) {
        ui_->resultList->setCurrentRow(0);
        pickResult(0);
    }
}

void FindLocationWindowController::pickResult(int row)
{
    if (row < 0 || row >= results_.size())
        return;
    takeLocation(results_[row], true);
}

void FindLocationWindowController::takeLocation(const halvex::Location& location, bool zoom)
{
    // A place from elsewhere than the towns found leaves them unpicked, so that a click picks
    // one of them again.
    if (ui_->resultList->currentRow() < 0 || ui_->resultList->currentRow() >= results_.size()
        || !(results_[ui_->resultList->currentRow()] == location)) {
        const QSignalBlocker blocker(ui_->resultList);
        ui_->resultList->setCurrentRow(-1);
    }
    library().setSelectedItem(nullptr);
    selectFavoriteRow();
    location_ = location;
    showLocation(zoom);
}

bool FindLocationWindowController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->searchField && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            search(true);
            return true;
        }
        if (key == Qt::Key_Down && ui_->resultList->count() > 0) {
            ui_->resultList->setFocus();
            if (ui_->resultList->currentRow() < 0)
                ui_->resultList->setCurrentRow(0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace corvelle
