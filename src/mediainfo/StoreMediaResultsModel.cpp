#include "mediainfo/StoreMediaResultsModel.h"

#include "mediainfo/StoreResultTagMap.h"

namespace corvelle {

void StoreMediaResultsModel::setResults(const QList<cobbin::MetadataResult>& results)
{
    beginResetModel();
    results_ = results;
    endResetModel();
}

int StoreMediaResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(results_.size());
}

QVariant StoreMediaResultsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return StoreResultTagMap::titleLine(results_.at(index.row()));
    return {};
}

} // namespace corvelle
