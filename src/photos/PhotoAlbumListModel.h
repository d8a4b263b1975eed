#pragma once

#include "platform/photolibrary/PhotoAlbum.h"

#include <QAbstractListModel>

namespace corvelle {

// The albums of the photo sheet, one row each in the library's order. A row's display value is
// the album's name (the localised name of the two whole-library albums).
class PhotoAlbumListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { UserAlbumRole = Qt::UserRole + 1 };

    explicit PhotoAlbumListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const QList<photolibrary::PhotoAlbum>& albums() const { return albums_; }
    void setAlbums(const QList<photolibrary::PhotoAlbum>& albums);

    static QString title(const photolibrary::PhotoAlbum& album);

private:
    QList<photolibrary::PhotoAlbum> albums_;
};

} // namespace corvelle
