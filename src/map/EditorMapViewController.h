#pragma once

#include "editor/EditorViewController.h"
#include "map/MapPinSnapshot.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QPointer>

#include <memory>

class QMenu;
class QSplitter;

namespace Ui {
class EditorMapView;
} // namespace Ui

namespace maps {
class MapTileSource;
class SyncRegionMapView;
} // namespace maps

namespace corvelle {

class EditorFileBarController;
class EditorMapBarController;
class EditorMapSidebarController;
class EditorWindowController;
class SplitViewTracker;

// The map section of the editor window: the files, as a list or a grid, beside a map on which
// the files with a position stand as pins, and the location sidebar when the settings ask for
// it. The selected files' pins are red and drawn on top; the others show when the settings say
// so. A click on a pin selects its file (Ctrl adds or removes it); a double click writes that
// position into the selected files, with the address of the town there, as one edit. The
// divider's place is shared with the tags section. The map is hidden while the panes or the
// window are being resized.
class EditorMapViewController : public EditorViewController {
    Q_OBJECT

public:
    explicit EditorMapViewController(EditorWindowHost* editorWindowController);
    ~EditorMapViewController() override;

    WindowTitleVisibility windowTitleVisibility() const override { return WindowTitleVisibility::hidden; }
    QString windowTitle() const override;
    QString windowSubtitle() const override;

    maps::SyncRegionMapView* mapView() const;
    maps::MapTileSource* tileSource() const;
    EditorFileBarController* fileBarController() const { return fileBarController_; }
    EditorMapBarController* mapBarController() const { return mapBarController_; }
    // Null while the sidebar is turned off.
    EditorMapSidebarController* mapSidebarController() const { return sidebarController_; }
    EditorBarController* sidebarController() const override;
    QSplitter* splitter() const;
    QMenu* pasteboardMenu() const;
    QMenu* autocompleteMenu() const;
    // The state the pins were last made from.
    const MapPinSnapshot& pinSnapshot() const { return snapshot_; }

    void setupViews() override;
    void addToolbarItems() override;
    void addTouchBarItems() override;
    void updateInterface() override;
    void startObserving() override;
    void stopObserving() override;
    void focusFileBar() override;
    void focusTagTable() override;
    void revealSelectionInFileBar() override;
    void saveScrollPosition() override;
    void restoreScrollPosition() override;
    std::optional<int> takePendingDropIndex() override;
    void windowWillStartLiveResize() override;
    void windowDidEndLiveResize() override;
    bool canCopy() const override;
    bool canCut() const override;
    bool canPaste() const override;
    void copy() override;
    void cut() override;
    void paste() override;
    // The map commands ("mapZoomIn:", ...) besides the base's.
    bool validateUserInterfaceItem(const QString& action) const override;

    bool canCenterSelection() const;
    bool canZoomIn() const { return mapBarController_ != nullptr; }
    bool canZoomToFit() const { return canCenterSelection(); }
    bool canZoomOut() const { return mapBarController_ != nullptr; }
    void centerSelection();
    void zoomIn();
    void zoomToFit();
    void zoomOut();

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
    void setUpFileBar();
    void updateFileListColumns();
    void setUpSidebar();
    void placeDividerBesideSidebar();
    void userDefaultsDidSetKey(const brisa::Notification& note);
    void saveRegion();
    void saveSplitRatio();
    void annotationClicked(int index, Qt::KeyboardModifiers modifiers);

    std::unique_ptr<Ui::EditorMapView> ui_;
    EditorFileBarController* fileBarController_ = nullptr;
    EditorMapBarController* mapBarController_ = nullptr;
    EditorMapSidebarController* sidebarController_ = nullptr;
    SplitViewTracker* splitViewTracker_ = nullptr;
    MapPinSnapshot snapshot_;
    brisa::NoteSubscriber filesSubscriber_;
    brisa::NoteSubscriber historySubscriber_;
    brisa::NoteSubscriber settingsSubscriber_;
    brisa::NoteSubscriber splitViewWillStartResizingSubscriber_;
    brisa::NoteSubscriber splitViewDidEndResizingSubscriber_;
};

} // namespace corvelle
