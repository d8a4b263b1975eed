#pragma once

#include "editor/EditorBarController.h"
#include "engine/halvex/places/Coordinate.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QList>

#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

namespace Ui {
class EditorMapBar;
} // namespace Ui

namespace maps {
class MapTileSource;
class SyncRegionMapView;
} // namespace maps

namespace corvelle {

// The map pane of the map section: the map, and above it the zoom in, zoom to fit, zoom out and
// centre buttons, the GPS position of the selected files in the notation the settings choose,
// and a menu of the map's style, of the pins shown (other files, file names) and of how the map
// follows a new selection. Zoom to fit and centre act on the selected files' pins, and are
// enabled only while there is one. The map is taken out of the layout while the panes are being
// resized, so that it is not redrawn at each step.
class EditorMapBarController : public EditorBarController {
    Q_OBJECT

public:
    explicit EditorMapBarController(EditorViewController* editorViewController);
    ~EditorMapBarController() override;

    maps::SyncRegionMapView* mapView() const { return mapView_; }
    maps::MapTileSource* tileSource() const { return tileSource_; }
    QWidget* mapContainerView() const;
    QLineEdit* informationTextField() const;
    QToolButton* zoomInAnnotationsButton() const;
    QToolButton* zoomToFitAnnotationsButton() const;
    QToolButton* zoomOutAnnotationsButton() const;
    QToolButton* centerAnnotationsButton() const;
    // Names the tile server and why it cannot be reached; hidden while tiles come.
    QLabel* tileStatusLabel() const;
    QMenu* optionsMenu() const { return optionsMenu_; }
    bool isLiveResizing() const { return isLiveResizing_; }

    // The commands of the buttons and of the menu, enabled and checked as the rules say.
    QAction* zoomInAction() const { return zoomInAction_; }
    QAction* zoomOutAction() const { return zoomOutAction_; }
    QAction* zoomToFitAction() const { return zoomToFitAction_; }
    QAction* centerSelectionAction() const { return centerSelectionAction_; }
    // The six styles, by the number the settings store.
    QList<QAction*> mapStyleActions() const;
    QAction* showOtherItemsAction() const { return showOtherItemsAction_; }
    QAction* displayFilenameAction() const { return displayFilenameAction_; }
    // No automatic zoom, zoom to fit, centre.
    QList<QAction*> automaticZoomActions() const;

    void setupViews() override;
    void updateInterface() override;
    void focus() override;
    void windowWillStartLiveResize() override;
    void windowDidEndLiveResize() override;
    void splitViewWillStartResizing() override { windowWillStartLiveResize(); }
    void splitViewDidEndResizing() override { windowDidEndLiveResize(); }
    void startObserving() override;
    void stopObserving() override;

    // The pins of the selected files are on the map.
    bool canCenterSelection() const;
    bool canZoomToFit() const { return canCenterSelection(); }
    void centerSelection();
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    // Follows the selection as "MapAutomaticZoomUserChoice" says: the selected pins brought
    // into view when one is out of it, the map centred on them, or nothing.
    void applyAutomaticZoom();
    // The selected files' common position, in the notation of the settings; empty for none.
    void updateInformation(const std::optional<halvex::Coordinate>& coordinate);
    // The tile server and greying of the style in the settings.
    void applyMapStyle();
    // The tiles' and the base map's problems, if any.
    void showStatus();

private:
    QString tileMessage_;
    QString baseMapMessage_;
    QList<halvex::Coordinate> selectedCoordinates() const;
    void updateMenuStates();

    std::unique_ptr<Ui::EditorMapBar> ui_;
    maps::SyncRegionMapView* mapView_ = nullptr;
    maps::MapTileSource* tileSource_ = nullptr;
    bool isLiveResizing_ = false;
    std::optional<halvex::Coordinate> coordinate_;
    QAction* zoomInAction_ = nullptr;
    QAction* zoomOutAction_ = nullptr;
    QAction* zoomToFitAction_ = nullptr;
    QAction* centerSelectionAction_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QActionGroup* mapStyleGroup_ = nullptr;
    QActionGroup* automaticZoomGroup_ = nullptr;
    QAction* showOtherItemsAction_ = nullptr;
    QAction* displayFilenameAction_ = nullptr;
    brisa::NoteSubscriber userDefaultsDidSetKeySubscriber_;
};

} // namespace corvelle
