#pragma once

#include "engine/halvex/places/Coordinate.h"
#include "engine/halvex/places/Location.h"
#include "photos/RCEditPropertyWindowController.h"

#include <memory>
#include <optional>

namespace Ui {
class RCEditImageLocationWindow;
}

namespace maps {
class MapTileSource;
class SyncRegionMapView;
} // namespace maps

namespace corvelle {

// The sheet of the GPS position a profile gives each file: typed as a coordinate in any
// notation the parser reads, double-clicked on a map, or found by a town's name. The position
// shows as decimal degrees and as one pin. With the switch on, Save waits for a position that
// is a real one: an unreadable text is never stored as 0, 0.
class RCEditImageLocationWindowController final : public RCEditPropertyWindowController {
    Q_OBJECT

public:
    explicit RCEditImageLocationWindowController(QWidget* parent = nullptr);
    ~RCEditImageLocationWindowController() override;

    QString nibName() const override { return QStringLiteral("RCEditImageLocationWindow"); }
    Ui::RCEditImageLocationWindow& ui() const { return *ui_; }
    maps::SyncRegionMapView* mapView() const { return mapView_; }
    const std::optional<halvex::Coordinate>& currentCoordinate() const { return currentCoordinate_; }

    // The typed text became the position (none when it cannot be read); the switch turns on.
    void changeCoordinate();
    // A double click on the map, at a point of the map view; the attribution corner takes none.
    void clickLocation(const QPointF& point);
    // The town of the search results' row.
    void chooseSearchResult(int row);
    void searchLocation();
    // 0 to 5 (MapType); anything else is the standard map.
    void changeMapStyle(int mapType);
    // Zooming in shows a smaller region, out a larger one; both keep the region.
    void mapZoomIn();
    void mapZoomOut();
    void mapZoomToFit();

    void updateInterface() override;
    // Keeps the map's region, then ends the sheet.
    void done(int returnCode) override;

protected:
    void setupViews() override;
    void loadValue() override;
    void saveValue() override;

private:
    // The text as a real position; none when it is unreadable or out of range.
    std::optional<halvex::Coordinate> typedCoordinate() const;
    void showCurrentCoordinate();
    void restoreRegion();
    void saveRegion();
    void applyMapType();

    std::unique_ptr<Ui::RCEditImageLocationWindow> ui_;
    maps::SyncRegionMapView* mapView_ = nullptr;
    maps::MapTileSource* tileSource_ = nullptr;
    std::optional<halvex::Coordinate> currentCoordinate_;
    QList<halvex::Location> searchResults_;
};

} // namespace corvelle
