#pragma once

#include <QMetaType>
#include <QUrl>

#include <optional>

namespace cobbin {

// One picture a record offers: the image that becomes cover art, a smaller preview, and another
// address tried when the first gives no image.
struct MetadataArtwork {
    enum class Kind { poster, season, episode, backdrop, none };

    QUrl url;
    QUrl previewUrl;
    std::optional<QUrl> secondUrl;
    Kind kind = Kind::none;

    // The same artwork: the same image address.
    friend bool operator==(const MetadataArtwork& a, const MetadataArtwork& b) { return a.url == b.url; }
    friend bool operator!=(const MetadataArtwork& a, const MetadataArtwork& b) { return !(a == b); }
};

} // namespace cobbin

Q_DECLARE_METATYPE(cobbin::MetadataArtwork)
