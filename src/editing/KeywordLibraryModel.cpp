#include "editing/KeywordLibraryModel.h"

#include "engine/halvex/libraries/KeywordItem.h"
#include "engine/halvex/libraries/KeywordManager.h"

namespace corvelle {

KeywordLibraryModel::KeywordLibraryModel(halvex::KeywordManager& manager, QObject* parent)
    : QAbstractItemModel(parent)
    , manager_(manager)
{
    itemsSubscriber_.subscribe(halvex::KeywordManager::didChangeItemsNotification, &manager_,
                               [this](const brisa::Notification&) { reloadAll(); });
    childrenSubscriber_.subscribe(halvex::KeywordItem::didChangeChildrenNotification, nullptr,
                                  [this](const brisa::Notification&) { reloadAll(); });
    infoSubscriber_.subscribe(halvex::KeywordItem::didChangeInfoNotification, nullptr,
                              [this](const brisa::Notification& note) {
                                  const QModelIndex changed = indexOf(static_cast<const halvex::KeywordItem*>(note.object));
                                  if (changed.isValid())
                                      Q_EMIT dataChanged(changed, changed);
                              });
}

halvex::KeywordItem* KeywordLibraryModel::keywordItem(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<halvex::KeywordItem*>(index.internalPointer()) : nullptr;
}

QModelIndex KeywordLibraryModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return QModelIndex();
    const halvex::KeywordItem* parentItem = keywordItem(parent);
    const QList<halvex::KeywordItemPtr> children = parentItem ? parentItem->children() : manager_.items();
    if (row >= children.size())
        return QModelIndex();
    return createIndex(row, 0, children.at(row).get());
}

QModelIndex KeywordLibraryModel::parent(const QModelIndex& child) const
{
    const halvex::KeywordItem* item = keywordItem(child);
    return item ? indexOf(item->parent()) : QModelIndex();
}

int KeywordLibraryModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    const halvex::KeywordItem* item = keywordItem(parent);
    return int(item ? item->children().size() : manager_.items().size());
}

int KeywordLibraryModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant KeywordLibraryModel::data(const QModelIndex& index, int role) const
{
    const halvex::KeywordItem* item = keywordItem(index);
    if (!item || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    return item->name();
}

QModelIndex KeywordLibraryModel::indexOf(const halvex::KeywordItem* item) const
{
    if (!item)
        return QModelIndex();
    const halvex::KeywordItem* parentItem = item->parent();
    const QList<halvex::KeywordItemPtr> siblings = parentItem ? parentItem->children() : manager_.items();
    for (int row = 0; row < siblings.size(); ++row) {
        if (siblings.at(row).get() == item)
            return createIndex(row, 0, const_cast<halvex::KeywordItem*>(item));
    }
    return QModelIndex();
}

void KeywordLibraryModel::reloadAll()
{
    beginResetModel();
    endResetModel();
}

} // namespace corvelle
