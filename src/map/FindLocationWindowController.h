#pragma once

#include "engine/halvex/places/Location.h"

#include <QDialog>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QSlider;

namespace maps {
class MapTileSource;
class SyncRegionMapView;
} // namespace maps

namespace corvelle {

class LocationEditWindowController;
class LocationItemListModel;

// The sheet that picks a place: a search field (a town's name, or coordinates in any notation
// the editor reads), the towns found (those in the map's region first), and a map on which a
// double click picks the position under the pointer. A typed or clicked position is kept as it
// is; the gazetteer only adds the town's address. Set ends the sheet with 1 and `location()`
// holds the place; Cancel ends it with 0.
//
// It also keeps the favourite places of the location library: the current place is added to
// them, a favourite picked in the list becomes the current place, and favourites are renamed in
// place, deleted, reordered by dragging and edited by hand in the location edit sheet, as is the
// current place. Every change of the library is stored at once; one that cannot be stored is
// reported in the sheet.
class FindLocationWindowController : public QDialog {
    Q_OBJECT

public:
    explicit FindLocationWindowController(QWidget* parent = nullptr);

    const std::optional<halvex::Location>& location() const { return location_; }
    // Shows the place (none: the world) and enables Set for it.
    void setLocation(const std::optional<halvex::Location>& location);

    QLineEdit* searchField() const { return searchField_; }
    QListWidget* resultList() const { return resultList_; }
    maps::SyncRegionMapView* mapView() const { return mapView_; }
    QPushButton* setButton() const { return setButton_; }
    QListView* favoritesTableView() const { return favoritesTableView_; }
    LocationItemListModel* favoritesModel() const { return favoritesModel_; }
    QLabel* favoritesPlaceholderView() const { return favoritesPlaceholderView_; }
    QLabel* messageLabel() const { return messageLabel_; }
    QSlider* directionSlider() const { return directionSlider_; }
    // The edit sheet on screen; null when none is.
    LocationEditWindowController* locationEditSheet() const { return editSheet_; }

    // The commands of the favourites and of the edit sheet, enabled as their rules say.
    QAction* addToFavoritesAction() const { return addToFavoritesAction_; }
    QAction* renameFavoriteAction() const { return renameFavoriteAction_; }
    QAction* deleteFavoriteAction() const { return deleteFavoriteAction_; }
    QAction* editFavoriteAction() const { return editFavoriteAction_; }
    QAction* editCurrentLocationAction() const { return editCurrentLocationAction_; }

    void addToFavorites();
    void renameFavorite();
    void deleteFavorite();
    void editFavorite();
    void editCurrentLocation();
    // Turns the place to `degrees` clockwise from north and leaves the favourite it came from.
    void changeDirection(double degrees);

    // Runs the search of the field's text now.
    void search();
    // Picks the position, with the address of the town there.
    void pickCoordinate(const halvex::Coordinate& coordinate);

private:
    void pickResult(int row);
    void showLocation(bool zoom);
    void updateInterface();
    void selectFavoriteRow();
    void favoriteSelectionDidChange();
    void presentEditSheet(const halvex::Location& location, std::function<void(const halvex::Location&)> saved);
    void showMessage(const QString& message);

    QLineEdit* searchField_;
    QListWidget* resultList_;
    maps::SyncRegionMapView* mapView_;
    maps::MapTileSource* tileSource_;
    QLabel* addressLabel_;
    QPushButton* setButton_;
    QListView* favoritesTableView_;
    LocationItemListModel* favoritesModel_;
    QLabel* favoritesTitleLabel_;
    QLabel* favoritesPlaceholderView_;
    QLabel* messageLabel_;
    QSlider* directionSlider_;
    QAction* addToFavoritesAction_;
    QAction* renameFavoriteAction_;
    QAction* deleteFavoriteAction_;
    QAction* editFavoriteAction_;
    QAction* editCurrentLocationAction_;
    LocationEditWindowController* editSheet_ = nullptr;
    // Set while the list's selection follows the library's selected item.
    bool followingLibrary_ = false;
    std::optional<halvex::Location> location_;
    QList<halvex::Location> results_;
};

} // namespace corvelle
