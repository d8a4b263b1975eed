#include "mediainfo/ArtworkCollectionViewItem.h"

#include "mediainfo/ArtworkDownload.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

namespace corvelle {

ArtworkCollectionViewItem::ArtworkCollectionViewItem(QObject* parent)
    : QObject(parent)
{
}

QThreadPool& ArtworkCollectionViewItem::loadingQueue()
{
    static QThreadPool* queue = [] {
        auto* pool = new QThreadPool();
        pool->setMaxThreadCount(8);
        return pool;
    }();
    return *queue;
}

QString ArtworkCollectionViewItem::kindText(cobbin::MetadataArtwork::Kind kind)
{
    using Kind = cobbin::MetadataArtwork::Kind;
    switch (kind) {
    case Kind::poster:
        return QStringLiteral("poster");
    case Kind::season:
        return QStringLiteral("season");
    case Kind::episode:
        return QStringLiteral("episode");
    case Kind::backdrop:
        return QStringLiteral("backdrop");
    case Kind::none:
        break;
    }
    return QStringLiteral("none");
}

QString ArtworkCollectionViewItem::text() const
{
    return artwork_ ? kindText(artwork_->kind) : QString();
}

void ArtworkCollectionViewItem::setRepresentedObject(const std::optional<cobbin::MetadataArtwork>& artwork)
{
    if (artwork_ == artwork)
        return;
    artwork_ = artwork;
    displayedImage_.reset();
    loading_ = false;
    Q_EMIT contentChanged();
    loadArtworkImage();
}

void ArtworkCollectionViewItem::loadArtworkImage()
{
    if (!artwork_)
        return;
    loading_ = true;
    Q_EMIT contentChanged();
    const cobbin::MetadataArtwork artwork = *artwork_;
    QPointer<ArtworkCollectionViewItem> item(this);
    loadingQueue().start([item, artwork] {
        // The item is read only on the main thread, once the fetch is done.
        std::optional<QImage> image = ArtworkDownload::previewImage(artwork);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [item, artwork, image = std::move(image)] {
                if (!item || item->artwork_ != artwork)
                    return;
                item->displayedImage_ = image;
                item->loading_ = false;
                Q_EMIT item->contentChanged();
            },
            Qt::QueuedConnection);
    });
}

} // namespace corvelle
