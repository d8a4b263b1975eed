#include "photos/PhotoAlbumListModel.h"

#include "widgets/TextLocalizer.h"

namespace corvelle {

PhotoAlbumListModel::PhotoAlbumListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int PhotoAlbumListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(albums_.size());
}

QString PhotoAlbumListModel::title(const photolibrary::PhotoAlbum& album)
{
    switch (album.kind) {
    case photolibrary::PhotoAlbum::Kind::allItems: return localizedString(QStringLiteral("PhotosAlbumAllItemsName"));
    case photolibrary::PhotoAlbum::Kind::favorites: return localizedString(QStringLiteral("PhotosAlbumFavoritesName"));
    case photolibrary::PhotoAlbum::Kind::folder: break;
    }
    return album.title.isEmpty() ? localizedString(QStringLiteral("PhotosAlbumUntitledName")) : album.title;
}

QVariant PhotoAlbumListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= albums_.size())
        return {};
    const photolibrary::PhotoAlbum& album = albums_[index.row()];
    switch (role) {
    case Qt::DisplayRole: return title(album);
    case Qt::ToolTipRole: return album.path;
    case UserAlbumRole: return album.isUserAlbum();
    default: return {};
    }
}

void PhotoAlbumListModel::setAlbums(const QList<photolibrary::PhotoAlbum>& albums)
{
    beginResetModel();
    albums_ = albums;
    endResetModel();
}

} // namespace corvelle
