#pragma once

#include "engine/halvex/places/Location.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace maps {
class MapTileSource;
class SyncRegionMapView;
} // namespace maps

namespace corvelle {

// The sheet that picks a place: a search field (a town's name, or coordinates in any notation
// the editor reads), the towns found (those in the map's region first), and a map on which a
// double click picks the position under the pointer. A typed or clicked position is kept as it
// is; the gazetteer only adds the town's address. Set ends the sheet with 1 and `location()`
// holds the place; Cancel ends it with 0.
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

    // Runs the search of the field's text now.
    void search();
    // Picks the position, with the address of the town there.
    void pickCoordinate(const halvex::Coordinate& coordinate);

private:
    void pickResult(int row);
    void showLocation(bool zoom);

    QLineEdit* searchField_;
    QListWidget* resultList_;
    maps::SyncRegionMapView* mapView_;
    maps::MapTileSource* tileSource_;
    QLabel* addressLabel_;
    QPushButton* setButton_;
    std::optional<halvex::Location> location_;
    QList<halvex::Location> results_;
};

} // namespace corvelle
