#include "editing/TagValueSyncPairListModel.h"

#include "filemodel/FileRowDragData.h"
#include "platform/brisa/core/ArrayHelpers.h"

#include <QMimeData>

#include <numeric>

namespace corvelle {

TagValueSyncPairListModel::TagValueSyncPairListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

const QString& TagValueSyncPairListModel::rowMimeType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("pairs-rows"));
    return type;
}

void TagValueSyncPairListModel::setPairs(const QList<halvex::TagSyncPair>& pairs)
{
    if (pairs == pairs_)
        return;
    if (!pairs_.isEmpty()) {
        beginRemoveRows({}, 0, int(pairs_.size()) - 1);
        pairs_.clear();
        endRemoveRows();
    }
    if (!pairs.isEmpty()) {
        beginInsertRows({}, 0, int(pairs.size()) - 1);
        pairs_ = pairs;
        endInsertRows();
    }
}

void TagValueSyncPairListModel::append(const halvex::TagSyncPair& pair)
{
    beginInsertRows({}, int(pairs_.size()), int(pairs_.size()));
    pairs_.append(pair);
    endInsertRows();
}

void TagValueSyncPairListModel::remove(const brisa::IndexSet& rows)
{
    const QList<int> positions = rows.toList();
    for (auto row = positions.crbegin(); row != positions.crend(); ++row) {
        if (*row < 0 || *row >= pairs_.size())
            continue;
        beginRemoveRows({}, *row, *row);
        pairs_.removeAt(*row);
        endRemoveRows();
    }
}

void TagValueSyncPairListModel::move(const brisa::IndexSet& rows, int destination)
{
    QList<int> order(pairs_.size());
    std::iota(order.begin(), order.end(), 0);
    brisa::move(order, rows, destination);
    if (std::is_sorted(order.cbegin(), order.cend()))
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<halvex::TagSyncPair> moved;
    for (int from : order)
        moved.append(pairs_.at(from));
    pairs_ = moved;
    QModelIndexList after;
    for (const QModelIndex& index : before)
        after.append(index.isValid() ? this->index(int(order.indexOf(index.row())), index.column()) : QModelIndex());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TagValueSyncPairListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(pairs_.size());
}

int TagValueSyncPairListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnCount_;
}

std::optional<ostrak::TagName> TagValueSyncPairListModel::tagName(const QModelIndex& index)
{
    const QVariant value = index.data(TagNameRole);
    return value.canConvert<ostrak::TagName>() ? std::optional(value.value<ostrak::TagName>()) : std::nullopt;
}

QVariant TagValueSyncPairListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const halvex::TagSyncPair& pair = pairs_.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case sourceColumn:
            return pair.source.rawValue();
        case middleColumn:
            return QStringLiteral(">");
        case destinationColumn:
            return pair.destination.rawValue();
        default:
            return {};
        }
    }
    if (role == TagNameRole) {
        if (index.column() == sourceColumn)
            return QVariant::fromValue(pair.source);
        if (index.column() == destinationColumn)
            return QVariant::fromValue(pair.destination);
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() == middleColumn)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags TagValueSyncPairListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList TagValueSyncPairListModel::mimeTypes() const
{
    return {rowMimeType()};
}

QMimeData* TagValueSyncPairListModel::mimeData(const QModelIndexList& indexes) const
{
    brisa::IndexSet rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    return FileRowDragData::make(rowMimeType(), rows, this);
}

Qt::DropActions TagValueSyncPairListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

std::optional<brisa::IndexSet> TagValueSyncPairListModel::draggedRows(const QMimeData* data) const
{
    const std::optional<brisa::IndexSet> rows = FileRowDragData::rows(data, rowMimeType(), this);
    if (!rows)
        return std::nullopt;
    // Rows removed since the drag began are left behind; the others still move.
    brisa::IndexSet existing;
    for (int row : *rows) {
        if (row < pairs_.size())
            existing.insert(row);
    }
    if (existing.isEmpty())
        return std::nullopt;
    return existing;
}

bool TagValueSyncPairListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                                const QModelIndex& parent) const
{
    // Between rows only: a drop onto a row comes with that row as parent.
    return action == Qt::MoveAction && !parent.isValid() && row <= pairs_.size() && draggedRows(data);
}

bool TagValueSyncPairListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                             const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    if (row < 0)
        row = int(pairs_.size());
    move(*draggedRows(data), row);
    // The rows are moved already: the view removes nothing after the drop.
    return true;
}

} // namespace corvelle
