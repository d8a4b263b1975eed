#include "editor/EditorFileGridBarController.h"

#include "editor/EditorSettings.h"
#include "editor/EditorWindowHost.h"
#include "filebrowser/FileCollectionViewItem.h"
#include "filebrowser/GridSliderView.h"
#include "filebrowser/ImageCollectionView.h"
#include "filemodel/FileRowDragData.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"
#include "filemodel/MetadataFileListSelectionModel.h"
#include "platform/brisa/core/UserDefaults.h"
#include "widgets/FormTexts.h"

#include "ui_EditorFileGridBar.h"

#include <QDropEvent>
#include <QMenu>
#include <QResizeEvent>
#include <QScrollBar>

#include <cmath>

namespace corvelle {

namespace {

const QString itemIdentifier = QStringLiteral("FileCollectionViewItem");

} // namespace

EditorFileGridBarController::EditorFileGridBarController(EditorViewController* editorViewController)
    : EditorFileBarController(editorViewController)
    , ui_(std::make_unique<Ui::EditorFileGridBar>())
{
}

EditorFileGridBarController::~EditorFileGridBarController() = default;

void EditorFileGridBarController::loadView()
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

ImageCollectionView* EditorFileGridBarController::fileCollectionView() const
{
    return ui_->fileCollectionView;
}

GridSliderView* EditorFileGridBarController::sliderView() const
{
    return ui_->sliderView;
}

QAbstractItemView* EditorFileGridBarController::fileItemView() const
{
    return ui_->fileCollectionView;
}

QString EditorFileGridBarController::itemPasteboardType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("editorFileGridTableViewRow"));
    return type;
}

double EditorFileGridBarController::columns(double zoom)
{
    return zoom < 1 ? (1 - std::max(zoom, 0.0)) * 6 + 1 : 1;
}

QSizeF EditorFileGridBarController::itemSize(double zoom, double width, SizingMode mode)
{
    double n = columns(zoom);
    if (mode != SizingMode::sliding)
        n = std::floor(n);
    double w = mode == SizingMode::liveResizing ? (width - spacing * (n - 1)) / (n + 0.5)
                                                : (width - spacing * (n - 1)) / n - 0.1;
    // A narrow grid, or one not laid out yet, would make items of nothing.
    if (!std::isfinite(w) || w < minimumItemWidth)
        w = minimumItemWidth;
    return {w, w * 0.75 + FileCollectionViewItem::nameHeight};
}

QSize EditorFileGridBarController::currentItemSize() const
{
    return item_ ? item_->sizeHint({}, {}) : QSize();
}

double EditorFileGridBarController::storedZoom() const
{
    EditorWindowHost* host = editorWindowController();
    const Settings::CGFloatKey* key = host ? Settings::fileCollectionZoomKey(host->contentSection()) : nullptr;
    if (!key)
        return zoomWithoutSection;
    const double zoom = brisa::UserDefaults::standard().value(*key);
    return std::isfinite(zoom) && zoom >= 0 && zoom <= 1 ? zoom : key->defaultValue();
}

void EditorFileGridBarController::storeZoom(double zoom)
{
    EditorWindowHost* host = editorWindowController();
    if (const Settings::CGFloatKey* key = host ? Settings::fileCollectionZoomKey(host->contentSection()) : nullptr)
        brisa::UserDefaults::standard().set(*key, zoom);
}

void EditorFileGridBarController::setupViews()
{
    ImageCollectionView* view = ui_->fileCollectionView;
    item_ = new FileCollectionViewItem(view);
    item_->setObjectName(itemIdentifier);
    view->setItemDelegate(item_);
    view->setSpacing(0);
    view->setDragEnabled(true);
    view->setDragDropMode(QAbstractItemView::DragDrop);
    view->setDefaultDropAction(Qt::MoveAction);
    installFileItemViewHandling();
    connect(view, &QWidget::customContextMenuRequested, this, &EditorFileGridBarController::showContextualMenu);

    GridSliderView* slider = ui_->sliderView;
    collectionZoomFactor_ = storedZoom();
    slider->setValue(collectionZoomFactor_);
    connect(slider, &GridSliderView::clicked, this, &EditorFileGridBarController::zoomClicked);
    connect(slider, &GridSliderView::slideStarted, this, &EditorFileGridBarController::zoomSlideStarted);
    connect(slider, &GridSliderView::slideContinued, this, &EditorFileGridBarController::zoomSlideContinued);
    connect(slider, &GridSliderView::slideStopped, this, &EditorFileGridBarController::zoomSlideStopped);

    if (MetadataFileList* list = metadataFileList()) {
        // The grid's own model: its one column shows larger thumbnails than the table's.
        model_ = new MetadataFileListModel(list, this);
        model_->setColumns({{itemIdentifier, QString(), true}});
        model_->setThumbnailPixelSide(256);
        model_->setRowDragType(itemPasteboardType());
        view->setModel(model_);
        view->setSelectionModel(new MetadataFileListSelectionModel(model_, this));
    }
    view->viewport()->installEventFilter(this);
    updateItemSize(SizingMode::resting);
}

void EditorFileGridBarController::updateItemSize(SizingMode mode)
{
    ImageCollectionView* view = ui_->fileCollectionView;
    if (!item_ || !view)
        return;
    const QSizeF size = itemSize(collectionZoomFactor_, view->layoutWidth() - spacing, mode);
    const QSize item(int(std::floor(size.width())), int(std::floor(size.height())));
    if (item == item_->sizeHint({}, {}) && view->gridSize() == item + QSize(int(spacing), int(spacing)))
        return;
    item_->setItemSize(item);
    view->setGridSize(item + QSize(int(spacing), int(spacing)));
}

QModelIndex EditorFileGridBarController::topLeftVisibleIndex() const
{
    return ui_->fileCollectionView ? ui_->fileCollectionView->topLeftVisibleIndex() : QModelIndex();
}

void EditorFileGridBarController::saveTopLeftItem()
{
    savedTopLeft_ = topLeftVisibleIndex();
}

void EditorFileGridBarController::scrollToSavedTopLeftItem()
{
    ImageCollectionView* view = ui_->fileCollectionView;
    if (!savedTopLeft_.isValid() || !view)
        return;
    view->doItemsLayout();
    view->scrollTo(savedTopLeft_, QAbstractItemView::PositionAtTop);
}

void EditorFileGridBarController::zoomClicked()
{
    collectionZoomFactor_ = ui_->sliderView->value();
    storeZoom(collectionZoomFactor_);
    saveTopLeftItem();
    updateItemSize(SizingMode::resting);
    scrollToSavedTopLeftItem();
    savedTopLeft_ = QPersistentModelIndex();
}

void EditorFileGridBarController::zoomSlideStarted()
{
    isSliding_ = true;
    collectionZoomFactor_ = ui_->sliderView->value();
    storeZoom(collectionZoomFactor_);
    saveTopLeftItem();
    updateItemSize(SizingMode::sliding);
    scrollToSavedTopLeftItem();
}

void EditorFileGridBarController::zoomSlideContinued()
{
    collectionZoomFactor_ = ui_->sliderView->value();
    storeZoom(collectionZoomFactor_);
    updateItemSize(SizingMode::sliding);
    scrollToSavedTopLeftItem();
}

void EditorFileGridBarController::zoomSlideStopped()
{
    isSliding_ = false;
    collectionZoomFactor_ = ui_->sliderView->value();
    storeZoom(collectionZoomFactor_);
    updateItemSize(SizingMode::resting);
    scrollToSavedTopLeftItem();
    savedTopLeft_ = QPersistentModelIndex();
}

void EditorFileGridBarController::windowWillStartLiveResize()
{
    isLiveResizing_ = true;
    saveTopLeftItem();
}

void EditorFileGridBarController::windowDidEndLiveResize()
{
    isLiveResizing_ = false;
    updateItemSize(SizingMode::resting);
    scrollToSavedTopLeftItem();
    savedTopLeft_ = QPersistentModelIndex();
}

bool EditorFileGridBarController::eventFilter(QObject* watched, QEvent* event)
{
    ImageCollectionView* view = ui_->fileCollectionView;
    if (view && watched == view->viewport() && event->type() == QEvent::Resize) {
        // A resize that is not tracked as one keeps the top-left file too.
        const bool tracked = isLiveResizing_ || isSliding_;
        if (!tracked)
            saveTopLeftItem();
        updateItemSize(isLiveResizing_ ? SizingMode::liveResizing
                                       : isSliding_ ? SizingMode::sliding : SizingMode::resting);
        scrollToSavedTopLeftItem();
        if (!tracked)
            savedTopLeft_ = QPersistentModelIndex();
    }
    return EditorFileBarController::eventFilter(watched, event);
}

std::optional<int> EditorFileGridBarController::dropDestination(QDropEvent* event, bool movesRows) const
{
    Q_UNUSED(movesRows);
    ImageCollectionView* view = ui_->fileCollectionView;
    // Always before the item under the point, margin included; past the last item, at the end.
    const QModelIndex index = static_cast<QListView*>(view)->QListView::indexAt(event->position().toPoint());
    return index.isValid() ? index.row() : (model_ ? model_->rowCount() : 0);
}

void EditorFileGridBarController::focus()
{
    ui_->fileCollectionView->setFocus();
    updateItemSize(SizingMode::resting);
}

void EditorFileGridBarController::revealSelection()
{
    const MetadataFileList* list = metadataFileList();
    if (model_ && list && !list->selection().isEmpty())
        ui_->fileCollectionView->scrollTo(model_->index(list->selection().first(), 0), QAbstractItemView::PositionAtCenter);
}

void EditorFileGridBarController::saveScrollPosition()
{
    brisa::UserDefaults::standard().set(Settings::fileSectionGridScrollY(),
                                        ui_->fileCollectionView->verticalScrollBar()->value());
}

void EditorFileGridBarController::restoreScrollPosition()
{
    const double position = brisa::UserDefaults::standard().value(Settings::fileSectionGridScrollY());
    if (std::isfinite(position) && position > 0)
        ui_->fileCollectionView->verticalScrollBar()->setValue(int(position));
}

void EditorFileGridBarController::showContextualMenu(const QPoint& position)
{
    EditorWindowHost* host = editorWindowController();
    QMenu* menu = host ? host->fileContextualMenu() : nullptr;
    if (menu)
        menu->popup(ui_->fileCollectionView->viewport()->mapToGlobal(position));
}

} // namespace corvelle
