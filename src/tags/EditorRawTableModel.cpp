#include "tags/EditorRawTableModel.h"

#include "engine/halvex/tags/TagComparatorSource.h"
#include "tags/InspectorValueTableCellView.h"

namespace corvelle {

EditorRawTableModel::EditorRawTableModel(const halvex::TagComparatorSource* source, QObject* parent)
    : QAbstractTableModel(parent)
    , source_(source)
{
}

void EditorRawTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

bool EditorRawTableModel::isHeading(int row) const
{
    return row >= 0 && row < source_->numberOfRows() && source_->row(row).isHeading();
}

int EditorRawTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : source_->numberOfRows();
}

int EditorRawTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : source_->numberOfColumns();
}

QVariant EditorRawTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const halvex::TagComparatorRow row = source_->row(index.row());
    if (role == isHeadingRole)
        return row.isHeading();
    if (row.isHeading())
        return role == Qt::DisplayRole && index.column() == 0 ? QVariant(row.heading()) : QVariant();
    if (role != Qt::DisplayRole && role != InspectorValueTableCellView::searchValueRole)
        return {};
    const halvex::TagComparatorSearchValue value = row.entry().search(index.column(), source_->search(), false);
    if (role == InspectorValueTableCellView::searchValueRole)
        return QVariant::fromValue(value);
    return value.text ? QVariant(*value.text) : QVariant();
}

QVariant EditorRawTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    return source_->columnTitle(section);
}

Qt::ItemFlags EditorRawTableModel::flags(const QModelIndex& index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    return isHeading(index.row()) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace corvelle
