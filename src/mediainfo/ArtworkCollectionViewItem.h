#pragma once

#include "engine/cobbin/MetadataArtwork.h"

#include <QImage>
#include <QObject>

#include <optional>

class QThreadPool;

namespace corvelle {

// One artwork of the artwork grid and its preview, fetched on a queue shared by every item (up
// to 8 at a time). A fetch that ends after the item moved on to another artwork is dropped.
// Main thread only.
class ArtworkCollectionViewItem : public QObject {
    Q_OBJECT

public:
    explicit ArtworkCollectionViewItem(QObject* parent = nullptr);

    static QThreadPool& loadingQueue();

    const std::optional<cobbin::MetadataArtwork>& artwork() const { return artwork_; }
    const std::optional<QImage>& displayedImage() const { return displayedImage_; }
    bool isLoading() const { return loading_; }
    // "poster", "season", "episode", "backdrop" or "none"; empty without an artwork.
    QString text() const;
    static QString kindText(cobbin::MetadataArtwork::Kind kind);

    // Another artwork resets the item and fetches its preview; the same artwork (the same image
    // address) changes nothing.
    void setRepresentedObject(const std::optional<cobbin::MetadataArtwork>& artwork);
    void loadArtworkImage();

Q_SIGNALS:
    void contentChanged();

private:
    std::optional<cobbin::MetadataArtwork> artwork_;
    std::optional<QImage> displayedImage_;
    bool loading_ = false;
};

} // namespace corvelle
