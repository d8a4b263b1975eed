#include "keywords/KeywordSynonymListModel.h"

#include "filemodel/FileRowDragData.h"
#include "platform/brisa/core/ArrayHelpers.h"

#include <QMimeData>

#include <algorithm>
#include <numeric>

namespace corvelle {

const QString KeywordSynonymListModel::rowMimeType = QStringLiteral("application/x-corvelle-synonym-rows");

void KeywordSynonymListModel::setSynonyms(const QStringList& synonyms)
{
    // The whole list is replaced (the sheet loads another item's values).
    beginResetModel();
    synonyms_ = synonyms;
    endResetModel();
}

void KeywordSynonymListModel::append(const QString& synonym)
{
    const int row = int(synonyms_.size());
    beginInsertRows({}, row, row);
    synonyms_.append(synonym);
    endInsertRows();
}

void KeywordSynonymListModel::remove(const brisa::IndexSet& rows)
{
    const QList<int>& positions = rows.toList();
    for (auto row = positions.crbegin(); row != positions.crend(); ++row) {
        if (*row >= synonyms_.size())
            continue;
        beginRemoveRows({}, *row, *row);
        synonyms_.removeAt(*row);
        endRemoveRows();
    }
}

void KeywordSynonymListModel::move(const brisa::IndexSet& rows, int destination)
{
    QList<int> order(synonyms_.size());
    std::iota(order.begin(), order.end(), 0);
    brisa::move(order, rows, destination);
    if (std::is_sorted(order.cbegin(), order.cend()))
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QStringList moved;
    for (int old : order)
        moved.append(synonyms_.at(old));
    synonyms_ = moved;
    QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    for (const QModelIndex& index : from)
        to.append(this->index(int(order.indexOf(index.row())), 0));
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int KeywordSynonymListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(synonyms_.size());
}

QVariant KeywordSynonymListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return synonyms_.at(index.row());
}

bool KeywordSynonymListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole
        || value.typeId() != QMetaType::QString)
        return false;
    synonyms_[index.row()] = value.toString();
    Q_EMIT dataChanged(index, index);
    return true;
}

Qt::ItemFlags KeywordSynonymListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
}

QStringList KeywordSynonymListModel::mimeTypes() const
{
    return {rowMimeType};
}

QMimeData* KeywordSynonymListModel::mimeData(const QModelIndexList& indexes) const
{
    brisa::IndexSet rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    return FileRowDragData::make(rowMimeType, rows, this);
}

Qt::DropActions KeywordSynonymListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

std::optional<brisa::IndexSet> KeywordSynonymListModel::draggedRows(const QMimeData* data) const
{
    const std::optional<brisa::IndexSet> rows = FileRowDragData::rows(data, rowMimeType, this);
    if (!rows || rows->isEmpty())
        return std::nullopt;
    for (int row : *rows) {
        if (row >= synonyms_.size())
            return std::nullopt;
    }
    return rows;
}

bool KeywordSynonymListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                              const QModelIndex& parent) const
{
    // Between rows only: a drop onto a row comes with that row as parent.
    return action == Qt::MoveAction && !parent.isValid() && row <= synonyms_.size() && draggedRows(data);
}

bool KeywordSynonymListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                           const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    // Below the last row.
    if (row < 0)
        row = int(synonyms_.size());
    move(*draggedRows(data), row);
    // The rows are moved already: the view removes nothing after the drop (no removeRows()).
    return true;
}

} // namespace corvelle
