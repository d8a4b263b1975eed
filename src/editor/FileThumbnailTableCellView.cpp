#include "editor/FileThumbnailTableCellView.h"

#include "engine/halvex/tags/TagEditorOrientation.h"
#include "filemodel/FileThumbnailer.h"

#include <QCache>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace corvelle {

namespace {

constexpr int thumbnailSide = 50;

// Rows scrolled out of sight lose their cells: the pictures made for them are kept, so scrolling
// back shows them at once instead of decoding the files again.
// Kept as images: the cache outlives the application object, which pixmaps must not.
struct CachedThumbnail {
    std::weak_ptr<MetadataFile> file;
    QImage picture;
    qreal devicePixelRatio;
};

using ThumbnailKey = QPair<const MetadataFile*, int>;

QCache<ThumbnailKey, CachedThumbnail>& thumbnailCache()
{
    // Costs are in kilobytes: about 64 MB of pictures.
    static QCache<ThumbnailKey, CachedThumbnail> cache(64 * 1024);
    return cache;
}

int orientationOf(const MetadataFile& file)
{
    return halvex::exifOrientation(*file.editor()).exifNumber();
}

} // namespace

FileThumbnailTableCellView::FileThumbnailTableCellView(QWidget* parent)
    : FileItemTableCellView(parent)
    , thumbnailView_(new QLabel(this))
{
    thumbnailView_->setFixedSize(thumbnailSide, thumbnailSide);
    thumbnailView_->setAlignment(Qt::AlignCenter);
    stackView()->addWidget(thumbnailView_);
}

FileThumbnailTableCellView::~FileThumbnailTableCellView()
{
    if (ticket_)
        FileThumbnailer::operationQueue().cancel(*ticket_);
}

FileTableCellType FileThumbnailTableCellView::cellType()
{
    return typeOf<FileThumbnailTableCellView>(QStringLiteral("FileThumbnailTableCellView"), [] {
        return FileTableColumn::fixed(QStringLiteral("FileThumbnailTableColumn"), 58);
    });
}

bool FileThumbnailTableCellView::hasThumbnail() const
{
    return !thumbnailView_->pixmap().isNull();
}

void FileThumbnailTableCellView::updateContent()
{
    if (file() == currentFile_)
        return;
    currentFile_ = file();
    if (ticket_)
        FileThumbnailer::operationQueue().cancel(*ticket_);
    ticket_.reset();
    thumbnailView_->clear();
    if (!currentFile_)
        return;
    const MetadataFilePointer requested = currentFile_;
    const ThumbnailKey key(requested.get(), orientationOf(*requested));
    if (const CachedThumbnail* cached = thumbnailCache().object(key)) {
        if (cached->file.lock() == requested) {
            QPixmap pixmap = QPixmap::fromImage(cached->picture);
            pixmap.setDevicePixelRatio(cached->devicePixelRatio);
            thumbnailView_->setPixmap(pixmap);
            return;
        }
        thumbnailCache().remove(key);
    }
    ticket_ = FileThumbnailer(requested).makeContentAsync(
        this, [this, requested](const std::optional<FileThumbnailer::Content>& content) {
            if (requested != currentFile_)
                return;
            ticket_.reset();
            if (!content)
                return;
            const int orientation = orientationOf(*requested);
            const QImage picture = content->oriented(orientation).picture();
            const qreal scale = thumbnailView_->devicePixelRatioF();
            const QImage scaled = picture.scaled(QSize(thumbnailSide, thumbnailSide) * scale, Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation);
            QPixmap pixmap = QPixmap::fromImage(scaled);
            pixmap.setDevicePixelRatio(scale);
            thumbnailView_->setPixmap(pixmap);
            const int costKiB = std::max(1, int(scaled.sizeInBytes() / 1024));
            thumbnailCache().insert(ThumbnailKey(requested.get(), orientation), new CachedThumbnail{requested, scaled, scale},
                                    costKiB);
        });
}

} // namespace corvelle
