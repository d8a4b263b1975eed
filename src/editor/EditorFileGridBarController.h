#pragma once

#include "editor/EditorFileBarController.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QSizeF>

#include <memory>

namespace Ui {
class EditorFileGridBar;
} // namespace Ui

namespace corvelle {

class FileCollectionViewItem;
class GridSliderView;
class ImageCollectionView;
class MetadataFileListModel;

// The opened files as a grid of thumbnails, zoomed by a slider: one item per file of the window's
// list, in its order, its selection the list's. Items dragged inside the grid move the files (a
// drop always goes before an item, never onto one); file URLs dropped on an item are opened and
// inserted before it. The zoom is kept per section, and the file at the top left stays there
// while the grid is zoomed or resized.
class EditorFileGridBarController : public EditorFileBarController {
    Q_OBJECT

public:
    // Sliding: while the slider is dragged, columns keep their fraction. Live resizing: while the
    // window or its split view is resized. Resting: every other time.
    enum class SizingMode { sliding, liveResizing, resting };

    static constexpr double spacing = 2.0;
    static constexpr double defaultZoom = 0.6;
    // The zoom read in a section that keeps none.
    static constexpr double zoomWithoutSection = 0.5;
    // However narrow the grid, its items are no smaller than this.
    static constexpr double minimumItemWidth = 48.0;

    explicit EditorFileGridBarController(EditorViewController* editorViewController);
    ~EditorFileGridBarController() override;

    // The size of an item at zoom `zoom` (0 smallest, 1 one column) in a grid `width` wide.
    static QSizeF itemSize(double zoom, double width, SizingMode mode);
    // Columns at that zoom, before rounding.
    static double columns(double zoom);

    ImageCollectionView* fileCollectionView() const;
    GridSliderView* sliderView() const;
    FileCollectionViewItem* collectionViewItem() const { return item_; }
    MetadataFileListModel* fileListModel() const { return model_; }
    double collectionZoomFactor() const { return collectionZoomFactor_; }
    // The size the items have now.
    QSize currentItemSize() const;

    // The zoom kept for the window's section ("TagsSectionFileCollectionZoom", ...); an unusable
    // stored value reads as the key's default.
    double storedZoom() const;
    void storeZoom(double zoom);

    // The private type of items dragged in the grid, made once per launch.
    static QString itemPasteboardType();

    void setupViews() override;
    void focus() override;
    void revealSelection() override;
    void saveScrollPosition() override;
    void restoreScrollPosition() override;
    void windowWillStartLiveResize() override;
    void windowDidEndLiveResize() override;
    void splitViewWillStartResizing() override { windowWillStartLiveResize(); }
    void splitViewDidEndResizing() override { windowDidEndLiveResize(); }

    // The item whose picture lies wholly (or mostly) in sight, highest and leftmost; invalid
    // when none does.
    QModelIndex topLeftVisibleIndex() const;

    // The slider's four reports.
    void zoomClicked();
    void zoomSlideStarted();
    void zoomSlideContinued();
    void zoomSlideStopped();

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void loadView() override;
    QAbstractItemView* fileItemView() const override;
    QString rowDragType() const override { return itemPasteboardType(); }
    std::optional<int> dropDestination(QDropEvent* event, bool movesRows) const override;

private:
    void updateItemSize(SizingMode mode);
    void saveTopLeftItem();
    void scrollToSavedTopLeftItem();
    void showContextualMenu(const QPoint& position);

    std::unique_ptr<Ui::EditorFileGridBar> ui_;
    QPointer<MetadataFileListModel> model_;
    FileCollectionViewItem* item_ = nullptr;
    double collectionZoomFactor_ = defaultZoom;
    QPersistentModelIndex savedTopLeft_;
    bool isLiveResizing_ = false;
    bool isSliding_ = false;
};

} // namespace corvelle
