#pragma once

#include "engine/halvex/places/CoordinateRegion.h"
#include "engine/halvex/places/Location.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QMenu;
class QPushButton;
class QSlider;
class QToolButton;

namespace Ui {
class FindLocationWindow;
} // namespace Ui

namespace maps {
class MapTileSource;
class SyncRegionMapView;
} // namespace maps

namespace corvelle {

class LocationEditWindowController;
class LocationItemListModel;
class LocationSearchEngine;
class SpinningProgressIndicator;

// The sheet that picks a place: a search field (a town's name, or coordinates in any notation
// the editor reads), the towns found (those in the map's region first), and a map on which a
// double click picks the position under the pointer. Searches run in the background while the
// indicator beside the field turns; a newer search supersedes a running one. A typed or clicked
// position is kept as it is; the gazetteer only adds the town's address. Set ends the sheet
// with 1 and `location()` holds the place; Cancel ends it with 0.
//
// Below the map: the place as a line of text, its edit button, the zoom buttons (in, out, to
// the pin, centre on the pin) and the map style menu, which every map follows.
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
    ~FindLocationWindowController() override;

    const std::optional<halvex::Location>& location() const { return location_; }
    // Shows the place (none: the world) and enables Set for it.
    void setLocation(const std::optional<halvex::Location>& location);

    QLineEdit* searchField() const;
    SpinningProgressIndicator* progressIndicator() const;
    QListWidget* resultList() const;
    maps::SyncRegionMapView* mapView() const { return mapView_; }
    QLineEdit* coordinatesTextField() const;
    QPushButton* setButton() const;
    QPushButton* cancelButton() const;
    QListView* favoritesTableView() const;
    LocationItemListModel* favoritesModel() const { return favoritesModel_; }
    QLabel* favoritesPlaceholderView() const;
    QLabel* messageLabel() const;
    QSlider* directionSlider() const;
    QWidget* zoomSegmentControl() const;
    QToolButton* mapStyleButton() const;
    QMenu* mapStyleMenu() const { return mapStyleMenu_; }
    LocationSearchEngine* searchEngine() const { return searchEngine_; }
    // Cancel and Save between flexible spaces; Save only while there is a place.
    brisa::DynamicTouchBar& touchBar() { return touchBar_; }
    // The edit sheet on screen; null when none is.
    LocationEditWindowController* locationEditSheet() const { return editSheet_; }

    // The sheet's commands, enabled as their rules say.
    QAction* applyAction() const { return applyAction_; }
    QAction* cancelAction() const { return cancelAction_; }
    QAction* addToFavoritesAction() const { return addToFavoritesAction_; }
    QAction* renameFavoriteAction() const { return renameFavoriteAction_; }
    QAction* deleteFavoriteAction() const { return deleteFavoriteAction_; }
    QAction* editFavoriteAction() const { return editFavoriteAction_; }
    QAction* editCurrentLocationAction() const { return editCurrentLocationAction_; }
    // The zoom buttons, in their order: in, out, to fit, centre.
    QAction* zoomInAction() const { return zoomInAction_; }
    QAction* zoomOutAction() const { return zoomOutAction_; }
    QAction* zoomToFitAction() const { return zoomToFitAction_; }
    QAction* centerSelectionAction() const { return centerSelectionAction_; }
    // The six map styles, by the number the settings store.
    QList<QAction*> mapStyleActions() const;

    void addToFavorites();
    void renameFavorite();
    void deleteFavorite();
    void editFavorite();
    void editCurrentLocation();
    // Turns the place to `degrees` clockwise from north and leaves the favourite it came from.
    void changeDirection(double degrees);
    // Zoom in shows a quarter of the span, zoom out four times it; to fit and centre act on the
    // place's pin and do nothing without one.
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    void centerSelection();
    // Stores the style of the map: a number outside 0 to 5 is the standard map.
    static void changeMapStyle(int style);

    // The map's region is kept under this name: a zoom and the end of the sheet store it, and a
    // sheet opened without a place shows it again.
    static const QString autosaveName;
    void saveRegion() const;
    // False when none is stored (all four numbers 0).
    bool restoreRegion();

    void done(int result) override;

    // Searches the field's text; with `pickFirst`, the first town found becomes the place.
    void search(bool pickFirst = false);
    // Searches the position: it becomes the place, with the address of the town there.
    void pickCoordinate(const halvex::Coordinate& coordinate);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void searchDidEnd();
    void pickResult(int row);
    void takeLocation(const halvex::Location& location, bool zoom);
    void showLocation(bool zoom);
    void updateInterface();
    // Shows the region; before the sheet is on screen the map has no size yet, so the region
    // is shown again once it has.
    void showRegion(const halvex::CoordinateRegion& region);
    void applyMapStyle();
    void selectFavoriteRow();
    void favoriteSelectionDidChange();
    void presentEditSheet(const halvex::Location& location, std::function<void(const halvex::Location&)> saved);
    void showMessage(const QString& message);
    // The tiles' and the base map's problems together.
    void showOfflineMessage();

    std::unique_ptr<Ui::FindLocationWindow> ui_;
    maps::SyncRegionMapView* mapView_;
    maps::MapTileSource* tileSource_;
    LocationItemListModel* favoritesModel_;
    LocationSearchEngine* searchEngine_;
    QMenu* mapStyleMenu_;
    QActionGroup* mapStyleGroup_;
    QAction* applyAction_;
    QAction* cancelAction_;
    QAction* addToFavoritesAction_;
    QAction* renameFavoriteAction_;
    QAction* deleteFavoriteAction_;
    QAction* editFavoriteAction_;
    QAction* editCurrentLocationAction_;
    QAction* zoomInAction_;
    QAction* zoomOutAction_;
    QAction* zoomToFitAction_;
    QAction* centerSelectionAction_;
    LocationEditWindowController* editSheet_ = nullptr;
    brisa::NoteSubscriber userDefaultsDidSetKeySubscriber_;
    brisa::DynamicTouchBar touchBar_;
    // Set while the list's selection follows the library's selected item.
    bool followingLibrary_ = false;
    // Return was pressed: the first town of the search under way becomes the place.
    bool pickFirstResult_ = false;
    std::optional<halvex::Location> location_;
    QList<halvex::Location> results_;
    std::optional<halvex::CoordinateRegion> regionToShow_;
    // The message shown while the tile server cannot be reached.
    QString offlineMessage_;
    QString tileMessage_;
    QString baseMapMessage_;
};

} // namespace corvelle
