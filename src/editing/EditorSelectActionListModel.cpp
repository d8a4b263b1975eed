#include "editing/EditorSelectActionListModel.h"

namespace corvelle {

EditorSelectActionListModel::EditorSelectActionListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void EditorSelectActionListModel::setActionEditions(const QList<FlatActionEdition>& editions)
{
    beginResetModel();
    actionEditions_ = editions;
    endResetModel();
}

void EditorSelectActionListModel::setChosenEdition(const std::optional<FlatActionEdition>& edition)
{
    if (edition == chosen_)
        return;
    const int before = rowOf(chosen_);
    chosen_ = edition;
    for (int row : {before, rowOf(chosen_)}) {
        if (row >= 0)
            Q_EMIT dataChanged(index(row), index(row), {CheckedRole, Qt::DecorationRole});
    }
}

int EditorSelectActionListModel::rowOf(const std::optional<FlatActionEdition>& edition) const
{
    return edition ? int(actionEditions_.indexOf(*edition)) : -1;
}

int EditorSelectActionListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(actionEditions_.size());
}

QVariant EditorSelectActionListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FlatActionEdition& edition = actionEditions_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return edition.title();
    case CheckedRole:
        return chosen_ && *chosen_ == edition;
    default:
        return {};
    }
}

} // namespace corvelle
