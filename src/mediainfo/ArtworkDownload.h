#pragma once

#include "engine/cobbin/MetadataArtwork.h"

#include <QImage>
#include <QString>
#include <QUrl>

#include <optional>

namespace corvelle {

// Artwork images over HTTP, and the text that carries the chosen one into the cover art tag.
// Every call blocks its thread until the transfer ends: run them on a worker, never on the main
// thread.
class ArtworkDownload {
public:
    static constexpr int timeoutMs = 30000;

    // A GET of the address; an image only for a reply with status 200 whose data is an image.
    static std::optional<QImage> downloadArtworkImage(const std::optional<QUrl>& address, int timeout = timeoutMs);
    // The image address's image, else the second address's.
    static std::optional<QImage> coverImage(const cobbin::MetadataArtwork& artwork);
    static std::optional<QImage> previewImage(const cobbin::MetadataArtwork& artwork);
    // The image as JPEG at the highest quality, at its own size, in base64 without line breaks.
    static std::optional<QString> coverArtText(const QImage& image);
};

} // namespace corvelle
