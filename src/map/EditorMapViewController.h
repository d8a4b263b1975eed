#pragma once

#include "editor/EditorViewController.h"
#include "map/MapPinSnapshot.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QPointer>

class QSplitter;

namespace maps {
class MapTileSource;
class SyncRegionMapView;
} // namespace maps

namespace corvelle {

class EditorFileListBarController;
class EditorMapSidebarController;
class EditorWindowController;

// The map section of the editor window: the file list beside a map on which the files with a
// position stand as pins. The selected files' pins are red and drawn on top; the others show
// when the settings say so. A click on a pin selects its file (Ctrl adds or removes it); a
// double click writes that position into the selected files, with the address of the town
// there, as one edit. The divider's place is shared with the tags section. When the settings
// say so, the location sidebar stands right of the map.
class EditorMapViewController : public EditorViewController {
    Q_OBJECT

public:
    explicit EditorMapViewController(EditorWindowHost* editorWindowController);
    ~EditorMapViewController() override;

    WindowTitleVisibility windowTitleVisibility() const override { return WindowTitleVisibility::hidden; }
    QString windowTitle() const override;
    QString windowSubtitle() const override;

    maps::SyncRegionMapView* mapView() const { return mapView_; }
    maps::MapTileSource* tileSource() const { return tileSource_; }
    EditorFileListBarController* fileBarController() const { return fileBarController_; }
    EditorMapSidebarController* mapSidebarController() const { return sidebarController_; }
    EditorBarController* sidebarController() const override;
    QSplitter* splitter() const { return splitter_; }
    // The state the pins were last made from.
    const MapPinSnapshot& pinSnapshot() const { return snapshot_; }

    void setupViews() override;
    void addToolbarItems() override;
    void startObserving() override;
    void stopObserving() override;
    void focusFileBar() override;
    void focusSidebar() override;
    void saveScrollPosition() override;
    void restoreScrollPosition() override;
    std::optional<int> takePendingDropIndex() override;
    bool canCopy() const override;
    bool canCut() const override;
    bool canPaste() const override;
    void copy() override;
    void cut() override;
    void paste() override;

    // Rebuilds the pins from the file list now.
    void reloadPins();
    // Shows every selected pin; nothing without one.
    void zoomToFitSelection();
    // Writes the position into the selected files, with the address of the town there.
    void writeLocation(const halvex::Coordinate& coordinate);
    // The tile server of the map style in the settings, and whether that style is greyed.
    static QString tileURLTemplate();

protected:
    void loadView() override;

private:
    EditorWindowController* windowController() const;
    void applySettings();
    void saveRegion();
    void saveSplitRatio();
    void annotationClicked(int index, Qt::KeyboardModifiers modifiers);

    QSplitter* splitter_ = nullptr;
    EditorFileListBarController* fileBarController_ = nullptr;
    EditorMapSidebarController* sidebarController_ = nullptr;
    maps::SyncRegionMapView* mapView_ = nullptr;
    maps::MapTileSource* tileSource_ = nullptr;
    MapPinSnapshot snapshot_;
    brisa::NoteSubscriber filesSubscriber_;
    brisa::NoteSubscriber historySubscriber_;
    brisa::NoteSubscriber settingsSubscriber_;
};

} // namespace corvelle
