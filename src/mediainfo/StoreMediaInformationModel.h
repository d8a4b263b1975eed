#pragma once

#include "mediainfo/StoreInformationRow.h"

#include <QAbstractTableModel>
#include <QList>

namespace corvelle {

// The values that applying writes: the tag's name and the value, one row each.
class StoreMediaInformationModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { nameColumn, valueColumn, columnCount_ };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(const QList<StoreInformationRow>& rows);
    const QList<StoreInformationRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<StoreInformationRow> rows_;
};

} // namespace corvelle
