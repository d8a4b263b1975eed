#pragma once

#include "platform/photolibrary/PhotoAsset.h"
#include "platform/photolibrary/PhotoFetchChange.h"

#include <QAbstractListModel>

namespace corvelle {

// The movies of the photo sheet's grid, one row each in the fetch's order. While disabled the
// model shows no row at all (the grid is empty while its window changes to or from full screen).
class PhotoAssetListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { PathRole = Qt::UserRole + 1, FavoriteRole, LocationRole, CreationDateRole };

    explicit PhotoAssetListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const QList<photolibrary::PhotoAsset>& assets() const { return assets_; }
    // Null outside the rows.
    const photolibrary::PhotoAsset* asset(int row) const;
    // The first row showing that file; -1 when none does.
    int rowOf(const QString& path) const;

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // A new fetch, shown at once (a model reset).
    void setAssets(const QList<photolibrary::PhotoAsset>& assets);
    // Applies a change without moves in place: the removed rows go, then the inserted rows come,
    // then the changed rows are told to show again; selection and scroll position stay.
    void applyIncrementalChanges(const photolibrary::PhotoFetchChange& change);

private:
    QList<photolibrary::PhotoAsset> assets_;
    bool enabled_ = false;
};

} // namespace corvelle
