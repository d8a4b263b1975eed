#pragma once

#include "engine/halvex/tags/TagStorageSource.h"
#include "platform/brisa/ui/DynamicTouchBar.h"
#include "platform/photolibrary/PhotoAlbum.h"
#include "platform/photolibrary/PhotoAsset.h"

#include <QDialog>
#include <QPersistentModelIndex>
#include <QSet>

#include <memory>
#include <optional>

class QAbstractButton;
class QLabel;
class QTableView;

namespace Ui {
class OpenPhotosWindow;
} // namespace Ui

namespace photolibrary {
class PhotoLibrary;
} // namespace photolibrary

namespace corvelle {

class GridSliderView;
class PhotoAlbumListModel;
class PhotoAssetListModel;
class PhotoCollectionView;
class PhotoCollectionViewItem;
class PhotoImageManager;

// The sheet that opens movies of the photo library: its albums on the left, the movies of the
// chosen album on the right, newest first, as a grid zoomed by a slider. The user picks movies
// and opens them; the sheet then holds one storage source per chosen movie still on disk and
// ends with 1. It follows the library while it shows: movies added, removed or changed show in
// place; an album that went away takes the list back to its first album.
class OpenPhotosWindowController : public QDialog {
    Q_OBJECT

public:
    // While the slider is dragged the columns keep their fraction; they are whole otherwise.
    enum class GridSizing { continuous, settled };

    static constexpr double spacing = 2.0;
    static constexpr double zoomStep = 0.2;

    explicit OpenPhotosWindowController(QWidget* parent = nullptr);
    OpenPhotosWindowController(photolibrary::PhotoLibrary& library, PhotoImageManager& images,
                               QWidget* parent = nullptr);
    ~OpenPhotosWindowController() override;

    // The application's photo library, in the folder the preferences name now.
    static photolibrary::PhotoLibrary& sharedLibrary();

    // The sources of the last choice; emptied when a choice starts.
    const QList<halvex::TagStorageSource>& sources() const { return sources_; }

    QTableView* albumsTableView() const;
    QLabel* albumsPlaceholderView() const;
    PhotoCollectionView* collectionView() const;
    QLabel* emptyLibraryLabel() const;
    QAbstractButton* chooseButton() const;
    QAbstractButton* cancelButton() const;
    QAbstractButton* zoomInButton() const;
    QAbstractButton* zoomOutButton() const;
    QWidget* progressIndicator() const;
    GridSliderView* zoomSlider() const;
    PhotoAlbumListModel* albumModel() const { return albumModel_; }
    PhotoAssetListModel* assetModel() const { return assetModel_; }
    PhotoCollectionViewItem* collectionViewItem() const { return item_; }
    brisa::DynamicTouchBar& dynamicTouchBar() { return touchBar_; }

    // Chosen movies still being turned into sources; the sheet is busy while any are.
    int waitingImportCount() const { return waitingImportCount_; }
    // An album's movies are being read.
    bool isFetching() const { return fetchGeneration_ != shownGeneration_; }
    double collectionZoomFactor() const { return collectionZoomFactor_; }

    // The columns at a zoom (4 at 1, 10 at 0), whole when settled.
    static double columns(double zoom, GridSizing sizing);
    // The side of an item at a zoom in a grid that wide; 0 for a grid of no width.
    static double itemSide(double zoom, double width, GridSizing sizing);
    double itemSide(GridSizing sizing) const;
    // The item whose picture lies wholly (or more than 40% of it) in sight, highest and leftmost.
    QModelIndex topLeftVisibleItem() const;

public Q_SLOTS:
    void cancelSheet();
    void choose();
    void zoomIn();
    void zoomOut();
    void reject() override;

private:
    void setupWindow();
    void setupTouchBar();
    void updateInterface();
    void showCollection();
    void reloadCollections();
    void reloadPhotos();
    void libraryDidChange();
    void chooseSelection();
    void loadSources(const QList<photolibrary::PhotoAsset>& assets);
    std::optional<photolibrary::PhotoAlbum> selectedAlbum() const;
    void setItemSize(GridSizing sizing);
    void rememberTopLeftItem();
    void scrollToTopLeftItem();
    void zoomClicked();
    void zoomSlideStarted();
    void zoomSlideContinued();
    void zoomSlideStopped();
    void storeZoom();
    // Makes the small pictures of the rows a screen above and below the visible ones.
    void prefetchAroundVisibleItems();
    void imageDidArrive(const QString& path);
    QString placeholderText() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<Ui::OpenPhotosWindow> ui_;
    photolibrary::PhotoLibrary& library_;
    PhotoImageManager& images_;
    PhotoAlbumListModel* albumModel_ = nullptr;
    PhotoAssetListModel* assetModel_ = nullptr;
    PhotoCollectionViewItem* item_ = nullptr;
    brisa::DynamicTouchBar touchBar_;
    QList<halvex::TagStorageSource> sources_;
    int waitingImportCount_ = 0;
    double collectionZoomFactor_ = 0.8;
    bool isSliding_ = false;
    QPersistentModelIndex saveTopLeftIndex_;
    // Each fetch has a number; only the answer of the latest one is shown.
    quint64 fetchGeneration_ = 0;
    quint64 shownGeneration_ = 0;
    bool refetchAsChange_ = false;
    QSet<QString> prefetched_;
};

} // namespace corvelle
