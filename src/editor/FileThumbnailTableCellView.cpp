#include "editor/FileThumbnailTableCellView.h"

#include "engine/halvex/TagEditorOrientation.h"
#include "filemodel/FileThumbnailer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace corvelle {

namespace {

constexpr int thumbnailSide = 50;

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
    ticket_ = FileThumbnailer(requested).makeContentAsync(
        this, [this, requested](const std::optional<FileThumbnailer::Content>& content) {
            if (requested != currentFile_)
                return;
            ticket_.reset();
            if (!content)
                return;
            const int orientation = halvex::exifOrientation(*requested->editor()).exifNumber();
            const QImage picture = content->oriented(orientation).picture();
            const qreal scale = thumbnailView_->devicePixelRatioF();
            QPixmap pixmap = QPixmap::fromImage(picture.scaled(QSize(thumbnailSide, thumbnailSide) * scale,
                                                               Qt::KeepAspectRatio, Qt::SmoothTransformation));
            pixmap.setDevicePixelRatio(scale);
            thumbnailView_->setPixmap(pixmap);
        });
}

} // namespace corvelle
