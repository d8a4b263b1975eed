#include "mediainfo/StoreMediaInformationModel.h"

#include "widgets/TextLocalizer.h"

namespace corvelle {

void StoreMediaInformationModel::setRows(const QList<StoreInformationRow>& rows)
{
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

int StoreMediaInformationModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int StoreMediaInformationModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnCount_;
}

QVariant StoreMediaInformationModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const StoreInformationRow& row = rows_.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return index.column() == nameColumn ? row.tag.title() : row.value;
    return {};
}

QVariant StoreMediaInformationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return localizedString(section == nameColumn ? QStringLiteral("StoreImporterTagColumn")
                                                 : QStringLiteral("StoreImporterValueColumn"));
}

} // namespace corvelle
