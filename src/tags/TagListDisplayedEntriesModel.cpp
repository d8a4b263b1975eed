#include "tags/TagListDisplayedEntriesModel.h"

#include "editor/LocalizedTaskText.h"
#include "filemodel/FileRowDragData.h"
#include "tags/TagListAvailableTagsModel.h"

#include <QFont>
#include <QMimeData>

namespace corvelle {

QString TagListDisplayedEntriesModel::displayedRowType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("private.displayedEntryTableViewRow"));
    return type;
}

QString TagListDisplayedEntriesModel::entryText(const halvex::TagSet::FlatEntry& entry)
{
    if (entry.isSection())
        return localizedText(entry.section().localizedName());
    if (const std::optional<ostrak::TagItem> item = entry.tagItem())
        return QStringLiteral("- ") + item->title();
    return QStringLiteral("- UNKNOWN(") + entry.tagName()->rawValue() + QLatin1Char(')');
}

TagListDisplayedEntriesModel::TagListDisplayedEntriesModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void TagListDisplayedEntriesModel::setTagSet(const halvex::TagSet& tagSet)
{
    if (tagSet == tagSet_)
        return;
    if (tagSet.count() == tagSet_.count()) {
        tagSet_ = tagSet;
        if (tagSet_.count() > 0)
            Q_EMIT dataChanged(index(0), index(tagSet_.count() - 1));
        return;
    }
    beginResetModel();
    tagSet_ = tagSet;
    endResetModel();
}

int TagListDisplayedEntriesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : tagSet_.count();
}

QVariant TagListDisplayedEntriesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const halvex::TagSet::FlatEntry& entry = tagSet_.entry(index.row());
    switch (role) {
    case Qt::DisplayRole: return entryText(entry);
    case Qt::EditRole: return entry.isSection() ? QVariant(entry.section().title()) : QVariant(entryText(entry));
    case Qt::ToolTipRole: return entry.isSection() ? QVariant() : QVariant(entry.tagName()->rawValue());
    case Qt::FontRole: {
        QFont font;
        font.setBold(entry.isSection());
        return font;
    }
    default: return {};
    }
}

bool TagListDisplayedEntriesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || !tagSet_.entry(index.row()).isSection() || value.typeId() != QMetaType::QString || !renameHandler_)
        return false;
    return renameHandler_(index.row(), value.toString());
}

Qt::ItemFlags TagListDisplayedEntriesModel::flags(const QModelIndex& index) const
{
    // Drops land between rows only: the list itself takes them, a row never does.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (index.row() < tagSet_.count() && tagSet_.entry(index.row()).isSection())
        flags |= Qt::ItemIsEditable;
    return flags;
}

QStringList TagListDisplayedEntriesModel::mimeTypes() const
{
    return {TagListAvailableTagsModel::availableRowType(), displayedRowType()};
}

QMimeData* TagListDisplayedEntriesModel::mimeData(const QModelIndexList& indexes) const
{
    brisa::IndexSet rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    return FileRowDragData::make(displayedRowType(), rows);
}

bool TagListDisplayedEntriesModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                                   const QModelIndex& parent) const
{
    if (parent.isValid() || !data)
        return false;
    return data->hasFormat(TagListAvailableTagsModel::availableRowType()) || data->hasFormat(displayedRowType());
}

bool TagListDisplayedEntriesModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                                const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent) || !dropHandler_)
        return false;
    return dropHandler_(data, row < 0 ? tagSet_.count() : std::min(row, tagSet_.count()));
}

} // namespace corvelle
