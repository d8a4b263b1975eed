#include "photos/OpenPhotosWindowController.h"

#include "filebrowser/GridSliderView.h"
#include "photos/PhotoAlbumListModel.h"
#include "photos/PhotoAssetListModel.h"
#include "photos/PhotoCollectionView.h"
#include "photos/PhotoCollectionViewItem.h"
#include "photos/PhotoImageManager.h"
#include "photos/PhotosAlbumTableCellView.h"
#include "photos/PhotosSettings.h"
#include "platform/brisa/core/FutureDelivery.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "platform/photolibrary/PhotoFetchChange.h"
#include "platform/photolibrary/PhotoLibrary.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_OpenPhotosWindow.h"

#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QtConcurrent>

#include <cmath>

namespace corvelle {

OpenPhotosWindowController::OpenPhotosWindowController(QWidget* parent)
    : OpenPhotosWindowController(sharedLibrary(), PhotoImageManager::shared(), parent)
{
}

photolibrary::PhotoLibrary& OpenPhotosWindowController::sharedLibrary()
{
    photolibrary::PhotoLibrary& library = photolibrary::PhotoLibrary::shared();
    library.setRootPath(brisa::UserDefaults::standard().value(Settings::photoLibraryFolder()));
    return library;
}

OpenPhotosWindowController::OpenPhotosWindowController(photolibrary::PhotoLibrary& library, PhotoImageManager& images,
                                                       QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::OpenPhotosWindow>())
    , library_(library)
    , images_(images)
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    setupWindow();
    setupTouchBar();
    connect(&library_, &photolibrary::PhotoLibrary::libraryDidChange, this, &OpenPhotosWindowController::libraryDidChange);
    connect(&images_, &PhotoImageManager::imageDidArrive, this, &OpenPhotosWindowController::imageDidArrive);
    showCollection();
}

OpenPhotosWindowController::~OpenPhotosWindowController() = default;

QTableView* OpenPhotosWindowController::albumsTableView() const { return ui_->albumsTableView; }
QLabel* OpenPhotosWindowController::albumsPlaceholderView() const { return ui_->albumsPlaceholderView; }
PhotoCollectionView* OpenPhotosWindowController::collectionView() const { return ui_->collectionView; }
QLabel* OpenPhotosWindowController::emptyLibraryLabel() const { return ui_->emptyLibraryLabel; }
QAbstractButton* OpenPhotosWindowController::chooseButton() const { return ui_->chooseButton; }
QAbstractButton* OpenPhotosWindowController::cancelButton() const { return ui_->cancelButton; }
QAbstractButton* OpenPhotosWindowController::zoomInButton() const { return ui_->zoomInButton; }
QAbstractButton* OpenPhotosWindowController::zoomOutButton() const { return ui_->zoomOutButton; }
QWidget* OpenPhotosWindowController::progressIndicator() const { return ui_->progressIndicator; }
GridSliderView* OpenPhotosWindowController::zoomSlider() const { return ui_->zoomSlider; }

// --- Set-up

void OpenPhotosWindowController::setupWindow()
{
    const double stored = brisa::UserDefaults::standard().value(Settings::photoCollectionZoom());
    collectionZoomFactor_ = std::isfinite(stored) ? std::clamp(stored, 0.0, 1.0) : 0.8;

    albumModel_ = new PhotoAlbumListModel(this);
    QTableView* albums = ui_->albumsTableView;
    albums->setModel(albumModel_);
    albums->setItemDelegate(new PhotosAlbumTableCellView(albums));
    albums->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    albums->verticalHeader()->setDefaultSectionSize(PhotosAlbumTableCellView::rowHeight);
    connect(albums->selectionModel(), &QItemSelectionModel::selectionChanged, this, &OpenPhotosWindowController::reloadPhotos);

    assetModel_ = new PhotoAssetListModel(this);
    PhotoCollectionView* grid = ui_->collectionView;
    item_ = new PhotoCollectionViewItem(images_, grid);
    item_->setObjectName(PhotoCollectionViewItem::identifier());
    grid->setItemDelegate(item_);
    grid->setModel(assetModel_);
    grid->setSpacing(0);
    grid->setDragEnabled(false);
    connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &OpenPhotosWindowController::updateInterface);
    connect(grid, &ImageCollectionView::imageDoubleClicked, this, &OpenPhotosWindowController::chooseSelection);
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &OpenPhotosWindowController::prefetchAroundVisibleItems);
    connect(assetModel_, &QAbstractItemModel::modelReset, this, &OpenPhotosWindowController::prefetchAroundVisibleItems);
    grid->viewport()->installEventFilter(this);

    GridSliderView* slider = ui_->zoomSlider;
    slider->setValue(collectionZoomFactor_);
    connect(slider, &GridSliderView::clicked, this, &OpenPhotosWindowController::zoomClicked);
    connect(slider, &GridSliderView::slideStarted, this, &OpenPhotosWindowController::zoomSlideStarted);
    connect(slider, &GridSliderView::slideContinued, this, &OpenPhotosWindowController::zoomSlideContinued);
    connect(slider, &GridSliderView::slideStopped, this, &OpenPhotosWindowController::zoomSlideStopped);
    ui_->zoomInButton->setIcon(brisa::SymbolIcons::icon(QStringLiteral("plus")));
    ui_->zoomOutButton->setIcon(brisa::SymbolIcons::icon(QStringLiteral("minus")));
    connect(ui_->zoomInButton, &QAbstractButton::clicked, this, &OpenPhotosWindowController::zoomIn);
    connect(ui_->zoomOutButton, &QAbstractButton::clicked, this, &OpenPhotosWindowController::zoomOut);
    connect(ui_->cancelButton, &QAbstractButton::clicked, this, &OpenPhotosWindowController::cancelSheet);
    connect(ui_->chooseButton, &QAbstractButton::clicked, this, &OpenPhotosWindowController::choose);

    ui_->splitView->setStretchFactor(0, 0);
    ui_->splitView->setStretchFactor(1, 1);
    ui_->splitView->setSizes({200, 560});
    resize(900, 560);
    ui_->progressIndicator->hide();
    ui_->containerView->hide();
    setItemSize(GridSizing::settled);
}

void OpenPhotosWindowController::setupTouchBar()
{
    QPointer<OpenPhotosWindowController> weakSelf(this);
    brisa::DynamicTouchBarItemSet& items = touchBar_.addItemSet({});
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    items.addItem(brisa::DynamicTouchBarItem::createButton(
        [weakSelf](brisa::DynamicTouchBarItemButtonSettings& settings) {
            settings.title = localizedString(QStringLiteral("OpenPhotosWindowCancelTouchButton"));
            settings.width = brisa::DynamicTouchBarItemButtonSettings::standardWidth;
            settings.action = [weakSelf] {
                if (weakSelf)
                    weakSelf->cancelSheet();
            };
        },
        [weakSelf](brisa::DynamicTouchBarItem& item) { item.setEnabled(weakSelf); }));
    items.addItem(brisa::DynamicTouchBarItem::createButton(
        [weakSelf](brisa::DynamicTouchBarItemButtonSettings& settings) {
            settings.title = localizedString(QStringLiteral("OpenPhotosWindowOpenTouchButton"));
            settings.width = brisa::DynamicTouchBarItemButtonSettings::standardWidth;
            settings.bezelColor = brisa::DynamicTouchBarItemButtonSettings::accentColor();
            settings.action = [weakSelf] {
                if (weakSelf)
                    weakSelf->choose();
            };
        },
        [weakSelf](brisa::DynamicTouchBarItem& item) {
            item.setEnabled(weakSelf && weakSelf->collectionView()->selectionModel()->hasSelection());
        }));
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
}

void OpenPhotosWindowController::showCollection()
{
    ui_->containerView->show();
    assetModel_->setEnabled(true);
    reloadCollections();
    setItemSize(GridSizing::settled);
    updateInterface();
}

// --- Albums and movies

QString OpenPhotosWindowController::placeholderText() const
{
    const QString folder = library_.rootPath();
    switch (library_.availability()) {
    case photolibrary::PhotoLibrary::Availability::available: break;
    case photolibrary::PhotoLibrary::Availability::noFolderChosen:
        return localizedString(QStringLiteral("OpenPhotosWindowNoLibraryFolderLabel"));
    case photolibrary::PhotoLibrary::Availability::folderMissing:
        return localizedString(QStringLiteral("OpenPhotosWindowLibraryMissingLabel"), {folder});
    case photolibrary::PhotoLibrary::Availability::notAFolder:
        return localizedString(QStringLiteral("OpenPhotosWindowLibraryNotFolderLabel"), {folder});
    case photolibrary::PhotoLibrary::Availability::folderUnreadable:
        return localizedString(QStringLiteral("OpenPhotosWindowLibraryUnreadableLabel"), {folder});
    }
    return localizedString(QStringLiteral("OpenPhotosWindowNoAlbumLabel"));
}

void OpenPhotosWindowController::reloadCollections()
{
    const QList<photolibrary::PhotoAlbum> albums = library_.albums();
    {
        const QSignalBlocker blocker(ui_->albumsTableView->selectionModel());
        albumModel_->setAlbums(albums);
        if (!albums.isEmpty())
            ui_->albumsTableView->selectRow(0);
    }
    ui_->albumsPlaceholderView->setText(placeholderText());
    reloadPhotos();
}

std::optional<photolibrary::PhotoAlbum> OpenPhotosWindowController::selectedAlbum() const
{
    const QModelIndexList rows = ui_->albumsTableView->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= albumModel_->albums().size())
        return std::nullopt;
    return albumModel_->albums().at(rows.first().row());
}

void OpenPhotosWindowController::reloadPhotos()
{
    const quint64 generation = ++fetchGeneration_;
    const bool asChange = std::exchange(refetchAsChange_, false);
    const std::optional<photolibrary::PhotoAlbum> album = selectedAlbum();
    if (!asChange) {
        // Another album: its movies replace these at once, even before they are read.
        assetModel_->setAssets({});
        prefetched_.clear();
    }
    updateInterface();
    library_.fetchVideosAsync(album, this, [this, generation, asChange](const QList<photolibrary::PhotoAsset>& assets) {
        if (generation != fetchGeneration_)
            return;
        shownGeneration_ = generation;
        if (asChange) {
            const photolibrary::PhotoFetchChange change =
                photolibrary::PhotoFetchChange::between(assetModel_->assets(), assets);
            for (int row : change.changedIndexes)
                images_.forget(assets[row].path);
            assetModel_->applyIncrementalChanges(change);
        } else {
            assetModel_->setAssets(assets);
        }
        updateInterface();
    });
}

void OpenPhotosWindowController::libraryDidChange()
{
    const std::optional<photolibrary::PhotoAlbum> shown = selectedAlbum();
    const QList<photolibrary::PhotoAlbum> albums = library_.albums();
    const qsizetype row = shown ? albums.indexOf(*shown) : -1;
    if (row < 0) {
        // The album shown went away (or the library did): back to the first album.
        reloadCollections();
        return;
    }
    if (albums != albumModel_->albums()) {
        const QSignalBlocker blocker(ui_->albumsTableView->selectionModel());
        albumModel_->setAlbums(albums);
        ui_->albumsTableView->selectRow(int(row));
    }
    refetchAsChange_ = true;
    reloadPhotos();
}

// --- Interface

void OpenPhotosWindowController::updateInterface()
{
    touchBar_.reloadDisplayedItems();
    const bool busy = waitingImportCount_ >= 1;
    const bool empty = !ui_->collectionView->selectionModel()->hasSelection();
    ui_->progressIndicator->setVisible(busy || isFetching());
    ui_->collectionView->setSelectionMode(busy ? QAbstractItemView::NoSelection : QAbstractItemView::ExtendedSelection);
    ui_->cancelButton->setEnabled(!busy);
    ui_->chooseButton->setEnabled(!busy && !empty);
    ui_->cancelButton->setVisible(!busy);
    ui_->chooseButton->setVisible(!busy);
    if (!isSliding_)
        ui_->zoomSlider->setValue(collectionZoomFactor_);
    ui_->emptyLibraryLabel->setVisible(assetModel_->isEnabled() && assetModel_->assets().isEmpty() && !isFetching());
    ui_->collectionView->setVisible(!ui_->emptyLibraryLabel->isVisible());
    const bool noAlbum = albumModel_->albums().isEmpty();
    ui_->albumsPlaceholderView->setVisible(noAlbum);
    ui_->albumsTableView->setVisible(!noAlbum);
}

// --- Choosing

void OpenPhotosWindowController::cancelSheet()
{
    if (waitingImportCount_ > 0)
        return;
    done(0);
}

void OpenPhotosWindowController::choose()
{
    chooseSelection();
}

void OpenPhotosWindowController::reject()
{
    // Escape and the window's close button cancel, but not while the chosen movies are read.
    cancelSheet();
}

void OpenPhotosWindowController::chooseSelection()
{
    if (waitingImportCount_ > 0)
        return;
    QModelIndexList selected = ui_->collectionView->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QList<photolibrary::PhotoAsset> assets;
    for (const QModelIndex& index : std::as_const(selected)) {
        if (const photolibrary::PhotoAsset* asset = assetModel_->asset(index.row()))
            assets << *asset;
    }
    loadSources(assets);
}

void OpenPhotosWindowController::loadSources(const QList<photolibrary::PhotoAsset>& assets)
{
    const int count = int(assets.size());
    waitingImportCount_ += count;
    sources_.clear();
    updateInterface();
    brisa::deliverWhenFinished(this, QtConcurrent::run([assets] {
        // A movie removed since the fetch has no file any more: it gives no source.
        QList<halvex::TagStorageSource> made;
        for (const photolibrary::PhotoAsset& asset : assets) {
            if (QFileInfo(asset.path).isFile())
                made.append(halvex::TagStorageSource(QUrl::fromLocalFile(asset.path), asset.path));
        }
        return made;
    }), [this, count](const QList<halvex::TagStorageSource>& made) {
        waitingImportCount_ -= count;
        sources_.append(made);
        updateInterface();
        done(1);
    });
}

// --- Grid size and zoom

double OpenPhotosWindowController::columns(double zoom, GridSizing sizing)
{
    const double z = std::max(zoom, 0.0);
    const double n = z >= 1 ? 4.0 : 4.0 + 6.0 * (1.0 - z);
    return sizing == GridSizing::settled ? std::floor(n) : n;
}

double OpenPhotosWindowController::itemSide(double zoom, double width, GridSizing sizing)
{
    if (width <= 0)
        return 0;
    const double n = columns(zoom, sizing);
    const double available = width - spacing * (n - 1);
    return std::max(0.0, available / n - 0.1);
}

double OpenPhotosWindowController::itemSide(GridSizing sizing) const
{
    // The grid keeps a margin on each side of its items.
    return itemSide(collectionZoomFactor_, ui_->collectionView->layoutWidth() - 2 * spacing, sizing);
}

void OpenPhotosWindowController::setItemSize(GridSizing sizing)
{
    const int side = std::max(16, int(std::floor(itemSide(sizing))));
    const QSize size(side, side);
    PhotoCollectionView* grid = ui_->collectionView;
    const QSize gridSize = size + QSize(int(spacing), int(spacing));
    if (item_->itemSize() == size && grid->gridSize() == gridSize)
        return;
    item_->setItemSize(size);
    grid->setGridSize(gridSize);
}

QModelIndex OpenPhotosWindowController::topLeftVisibleItem() const
{
    return ui_->collectionView->topLeftVisibleIndex();
}

void OpenPhotosWindowController::rememberTopLeftItem()
{
    const QModelIndex index = topLeftVisibleItem();
    if (index.isValid())
        saveTopLeftIndex_ = index;
}

void OpenPhotosWindowController::scrollToTopLeftItem()
{
    if (!saveTopLeftIndex_.isValid())
        return;
    ui_->collectionView->doItemsLayout();
    ui_->collectionView->scrollTo(saveTopLeftIndex_, QAbstractItemView::PositionAtTop);
}

void OpenPhotosWindowController::storeZoom()
{
    brisa::UserDefaults::standard().set(Settings::photoCollectionZoom(), collectionZoomFactor_);
}

void OpenPhotosWindowController::zoomIn()
{
    const double zoom = std::min(collectionZoomFactor_ + zoomStep, 1.0);
    if (qFuzzyCompare(zoom, collectionZoomFactor_))
        return;
    ui_->zoomSlider->setValue(zoom);
    zoomClicked();
}

void OpenPhotosWindowController::zoomOut()
{
    const double zoom = std::max(collectionZoomFactor_ - zoomStep, 0.0);
    if (qFuzzyCompare(zoom + 1, collectionZoomFactor_ + 1))
        return;
    ui_->zoomSlider->setValue(zoom);
    zoomClicked();
}

void OpenPhotosWindowController::zoomClicked()
{
    collectionZoomFactor_ = ui_->zoomSlider->value();
    storeZoom();
    rememberTopLeftItem();
    setItemSize(GridSizing::settled);
    scrollToTopLeftItem();
    saveTopLeftIndex_ = QPersistentModelIndex();
}

void OpenPhotosWindowController::zoomSlideStarted()
{
    isSliding_ = true;
    collectionZoomFactor_ = ui_->zoomSlider->value();
    storeZoom();
    rememberTopLeftItem();
    setItemSize(GridSizing::continuous);
    scrollToTopLeftItem();
}

void OpenPhotosWindowController::zoomSlideContinued()
{
    collectionZoomFactor_ = ui_->zoomSlider->value();
    storeZoom();
    setItemSize(GridSizing::continuous);
    scrollToTopLeftItem();
}

void OpenPhotosWindowController::zoomSlideStopped()
{
    isSliding_ = false;
    collectionZoomFactor_ = ui_->zoomSlider->value();
    storeZoom();
    setItemSize(GridSizing::settled);
    scrollToTopLeftItem();
    saveTopLeftIndex_ = QPersistentModelIndex();
}

bool OpenPhotosWindowController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->collectionView->viewport() && event->type() == QEvent::Resize) {
        // The window or the split view was resized: whole columns again, the top-left item kept.
        if (!isSliding_) {
            rememberTopLeftItem();
            setItemSize(GridSizing::settled);
            scrollToTopLeftItem();
            saveTopLeftIndex_ = QPersistentModelIndex();
        }
        prefetchAroundVisibleItems();
    }
    return QDialog::eventFilter(watched, event);
}

// --- Pictures

void OpenPhotosWindowController::prefetchAroundVisibleItems()
{
    PhotoCollectionView* grid = ui_->collectionView;
    const int rows = assetModel_->rowCount();
    if (rows == 0) {
        images_.stopCaching(QStringList(prefetched_.cbegin(), prefetched_.cend()));
        prefetched_.clear();
        return;
    }
    const QRect visible = grid->viewport()->rect();
    const QModelIndex first = static_cast<QListView*>(grid)->QListView::indexAt(QPoint(1, 1));
    const QModelIndex last = static_cast<QListView*>(grid)->QListView::indexAt(visible.bottomRight() - QPoint(1, 1));
    const int firstRow = first.isValid() ? first.row() : 0;
    const int lastRow = last.isValid() ? last.row() : std::min(rows - 1, firstRow + 50);
    // A screenful before and after what shows.
    const int screen = std::max(1, lastRow - firstRow + 1);
    QSet<QString> wanted;
    for (int row = std::max(0, firstRow - screen); row <= std::min(rows - 1, lastRow + screen); ++row)
        wanted.insert(assetModel_->asset(row)->path);
    QStringList start;
    for (const QString& path : std::as_const(wanted)) {
        if (!prefetched_.contains(path))
            start << path;
    }
    QStringList stop;
    for (const QString& path : std::as_const(prefetched_)) {
        if (!wanted.contains(path))
            stop << path;
    }
    images_.stopCaching(stop);
    images_.startCaching(start);
    prefetched_ = wanted;
}

void OpenPhotosWindowController::imageDidArrive(const QString& path)
{
    const int row = assetModel_->rowOf(path);
    if (row >= 0)
        ui_->collectionView->update(assetModel_->index(row));
}

} // namespace corvelle
