#include "photos/PhotoAssetListModel.h"

#include <QFileInfo>

#include <algorithm>

namespace corvelle {

PhotoAssetListModel::PhotoAssetListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int PhotoAssetListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !enabled_ ? 0 : int(assets_.size());
}

QVariant PhotoAssetListModel::data(const QModelIndex& index, int role) const
{
    const photolibrary::PhotoAsset* item = index.isValid() && enabled_ ? asset(index.row()) : nullptr;
    if (!item)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return QFileInfo(item->path).fileName();
    case PathRole: return item->path;
    case FavoriteRole: return item->isFavorite;
    case LocationRole: return item->hasLocation;
    case CreationDateRole: return item->creationDate;
    default: return {};
    }
}

const photolibrary::PhotoAsset* PhotoAssetListModel::asset(int row) const
{
    return row >= 0 && row < assets_.size() ? &assets_[row] : nullptr;
}

int PhotoAssetListModel::rowOf(const QString& path) const
{
    for (int row = 0; row < assets_.size(); ++row) {
        if (assets_[row].path == path)
            return row;
    }
    return -1;
}

void PhotoAssetListModel::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    beginResetModel();
    enabled_ = enabled;
    endResetModel();
}

void PhotoAssetListModel::setAssets(const QList<photolibrary::PhotoAsset>& assets)
{
    beginResetModel();
    assets_ = assets;
    endResetModel();
}

void PhotoAssetListModel::applyIncrementalChanges(const photolibrary::PhotoFetchChange& change)
{
    if (change.hasMoves || !enabled_) {
        setAssets(change.fetchResultAfterChanges);
        return;
    }
    // From the last row up, so the indexes still to go stay valid.
    QList<int> removed = change.removedIndexes;
    std::sort(removed.begin(), removed.end(), std::greater<>());
    for (int row : removed) {
        beginRemoveRows({}, row, row);
        assets_.removeAt(row);
        endRemoveRows();
    }
    QList<int> inserted = change.insertedIndexes;
    std::sort(inserted.begin(), inserted.end());
    for (int row : inserted) {
        beginInsertRows({}, row, row);
        assets_.insert(row, change.fetchResultAfterChanges.value(row));
        endInsertRows();
    }
    for (int row : change.changedIndexes) {
        if (row < 0 || row >= assets_.size())
            continue;
        assets_[row] = change.fetchResultAfterChanges[row];
        Q_EMIT dataChanged(index(row), index(row));
    }
    // Whatever the change said, the rows end as the new fetch has them.
    if (assets_ != change.fetchResultAfterChanges)
        setAssets(change.fetchResultAfterChanges);
}

} // namespace corvelle
