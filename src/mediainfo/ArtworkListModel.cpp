#include "mediainfo/ArtworkListModel.h"

#include "mediainfo/ArtworkCollectionViewItem.h"

#include <QPixmap>

namespace corvelle {

void ArtworkListModel::setArtworks(const QList<cobbin::MetadataArtwork>& artworks)
{
    // Items are kept and handed the new artworks in order: an item whose artwork stays keeps its
    // preview and fetches nothing.
    beginResetModel();
    artworks_ = artworks;
    while (items_.size() > artworks_.size())
        delete items_.takeLast();
    while (items_.size() < artworks_.size()) {
        auto* item = new ArtworkCollectionViewItem(this);
        connect(item, &ArtworkCollectionViewItem::contentChanged, this, [this, item] {
            const int row = int(items_.indexOf(item));
            if (row >= 0)
                Q_EMIT dataChanged(index(row), index(row));
        });
        items_ << item;
    }
    endResetModel();
    for (int row = 0; row < artworks_.size(); ++row)
        items_.at(row)->setRepresentedObject(artworks_.at(row));
}

ArtworkCollectionViewItem* ArtworkListModel::item(int row) const
{
    return row >= 0 && row < items_.size() ? items_.at(row) : nullptr;
}

int ArtworkListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(artworks_.size());
}

QVariant ArtworkListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ArtworkCollectionViewItem* artworkItem = items_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return artworkItem->text();
    case Qt::DecorationRole:
        if (const std::optional<QImage>& image = artworkItem->displayedImage())
            return QPixmap::fromImage(image->scaled(thumbnailSize, thumbnailSize, Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation));
        return {};
    case Qt::ToolTipRole:
        return artworkItem->artwork() ? artworkItem->artwork()->url.toString() : QString();
    default:
        return {};
    }
}

} // namespace corvelle
