#include "tags/TagListAvailableTagsModel.h"

#include "filemodel/FileRowDragData.h"
#include "platform/brisa/ui/SymbolIcons.h"

#include <QMimeData>

namespace corvelle {

QString TagListAvailableTagsModel::availableRowType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("private.availableTagTableViewRow"));
    return type;
}

TagListAvailableTagsModel::TagListAvailableTagsModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void TagListAvailableTagsModel::setItems(const QList<ostrak::TagItem>& items)
{
    beginResetModel();
    items_ = items;
    endResetModel();
}

void TagListAvailableTagsModel::setDisplayedTags(const QSet<ostrak::TagName>& names)
{
    if (names == displayed_)
        return;
    displayed_ = names;
    if (!items_.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(items_.size()) - 1), {Qt::DecorationRole});
}

int TagListAvailableTagsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(items_.size());
}

QVariant TagListAvailableTagsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ostrak::TagItem& item = items_.at(index.row());
    switch (role) {
    case Qt::DisplayRole: return QString(QStringLiteral("- ") + item.title());
    case Qt::ToolTipRole: return item.tagName().rawValue();
    case Qt::DecorationRole: {
        static const QIcon checkmark = brisa::SymbolIcons::icon(QStringLiteral("checkmark"));
        static const QIcon none = [] {
            QPixmap blank(16, 16);
            blank.fill(Qt::transparent);
            return QIcon(blank);
        }();
        return displayed_.contains(item.tagName()) ? checkmark : none;
    }
    default: return {};
    }
}

Qt::ItemFlags TagListAvailableTagsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList TagListAvailableTagsModel::mimeTypes() const
{
    return {availableRowType()};
}

QMimeData* TagListAvailableTagsModel::mimeData(const QModelIndexList& indexes) const
{
    brisa::IndexSet rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    return FileRowDragData::make(availableRowType(), rows);
}

} // namespace corvelle
