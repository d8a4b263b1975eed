#pragma once

#include "engine/cobbin/MetadataResult.h"

#include <QAbstractListModel>
#include <QList>

namespace corvelle {

// The results of the last search, one title line each.
class StoreMediaResultsModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setResults(const QList<cobbin::MetadataResult>& results);
    const QList<cobbin::MetadataResult>& results() const { return results_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<cobbin::MetadataResult> results_;
};

} // namespace corvelle
