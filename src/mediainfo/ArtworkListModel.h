#pragma once

#include "engine/cobbin/MetadataArtwork.h"

#include <QAbstractListModel>
#include <QList>

namespace corvelle {

class ArtworkCollectionViewItem;

// The artworks of the loaded record, each with its preview as it arrives (DecorationRole) and
// its kind (DisplayRole).
class ArtworkListModel : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int thumbnailSize = 160;

    using QAbstractListModel::QAbstractListModel;

    void setArtworks(const QList<cobbin::MetadataArtwork>& artworks);
    const QList<cobbin::MetadataArtwork>& artworks() const { return artworks_; }
    ArtworkCollectionViewItem* item(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<cobbin::MetadataArtwork> artworks_;
    QList<ArtworkCollectionViewItem*> items_;
};

} // namespace corvelle
