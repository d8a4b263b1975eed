#include "mediainfo/ArtworkDownload.h"

#include "engine/cobbin/HttpFetch.h"

#include <QBuffer>

namespace corvelle {

std::optional<QImage> ArtworkDownload::downloadArtworkImage(const std::optional<QUrl>& address, int timeout)
{
    if (!address || address->isEmpty())
        return std::nullopt;
    const cobbin::HttpFetch::Reply reply = cobbin::HttpFetch::get(*address, {}, timeout);
    // A partial (206) or not-modified (304) reply may carry data, but not the whole image.
    if (reply.failure != cobbin::HttpFetch::Failure::none || reply.status != 200)
        return std::nullopt;
    QImage image;
    if (!image.loadFromData(reply.body) || image.isNull())
        return std::nullopt;
    return image;
}

std::optional<QImage> ArtworkDownload::coverImage(const cobbin::MetadataArtwork& artwork)
{
    if (std::optional<QImage> image = downloadArtworkImage(artwork.url))
        return image;
    return downloadArtworkImage(artwork.secondUrl);
}

std::optional<QImage> ArtworkDownload::previewImage(const cobbin::MetadataArtwork& artwork)
{
    return downloadArtworkImage(artwork.previewUrl);
}

std::optional<QString> ArtworkDownload::coverArtText(const QImage& image)
{
    if (image.isNull())
        return std::nullopt;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG", 100) || data.isEmpty())
        return std::nullopt;
    return QString::fromLatin1(data.toBase64());
}

} // namespace corvelle
