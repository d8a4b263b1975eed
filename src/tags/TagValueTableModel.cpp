#include "tags/TagValueTableModel.h"

#include "editor/LocalizedTaskText.h"
#include "tags/ContentHeaderTableCellView.h"
#include "tags/ContentTableRowView.h"
#include "tags/ContentValue.h"
#include "tags/ContentValueTableCellView.h"

namespace corvelle {

TagValueTableModel::TagValueTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

TagValueTableModel::~TagValueTableModel() = default;

void TagValueTableModel::setContent(const std::optional<halvex::TagValueTableContent>& content)
{
    beginResetModel();
    content_ = content;
    endResetModel();
}

void TagValueTableModel::updateRows(const halvex::TagValueTableContent& content, const brisa::IndexSet& rows)
{
    content_ = content;
    for (int row : rows) {
        if (row >= 0 && row < rowCount() && !isSection(row))
            Q_EMIT dataChanged(index(row, 0), index(row, 0));
    }
}

void TagValueTableModel::replaceContentQuietly(const halvex::TagValueTableContent& content)
{
    content_ = content;
}

const halvex::TagValueTableEntry* TagValueTableModel::entry(int row) const
{
    if (!content_ || row < 0 || row >= content_->entries().size())
        return nullptr;
    return &content_->entries().at(row);
}

bool TagValueTableModel::isSection(int row) const
{
    const halvex::TagValueTableEntry* e = entry(row);
    return e && e->isSection();
}

QVariant TagValueTableModel::rowContent(int row) const
{
    const halvex::TagValueTableEntry* e = entry(row);
    return e && e->isRow() ? e->content() : QVariant();
}

int TagValueTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !content_ ? 0 : int(content_->entries().size());
}

int TagValueTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant TagValueTableModel::data(const QModelIndex& index, int role) const
{
    const halvex::TagValueTableEntry* e = index.isValid() ? entry(index.row()) : nullptr;
    if (!e)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (e->isSection())
            return localizedText(e->section().localizedName());
        if (const std::optional<ContentValue> value = ContentValue::fromVariant(e->content()))
            return value->title;
        return e->rowValue().tagItem().title();
    case ContentItemTableCellView::objectValueRole:
        return e->isSection() ? QVariant(localizedText(e->section().localizedName())) : e->content();
    case ContentTableRowView::cellIdentifierRole:
        return e->isSection() ? ContentHeaderTableCellView::cellIdentifier() : ContentValueTableCellView::cellIdentifier();
    case ContentTableRowView::isHeaderRole:
        return e->isSection();
    default:
        return {};
    }
}

Qt::ItemFlags TagValueTableModel::flags(const QModelIndex& index) const
{
    const halvex::TagValueTableEntry* e = index.isValid() ? entry(index.row()) : nullptr;
    if (!e)
        return Qt::NoItemFlags;
    return e->isSection() ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace corvelle
