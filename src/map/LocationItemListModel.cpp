#include "map/LocationItemListModel.h"

#include "engine/halvex/libraries/LibraryError.h"
#include "filemodel/FileRowDragData.h"
#include "widgets/LibraryErrorText.h"
#include "widgets/TextLocalizer.h"

#include <QMimeData>

namespace corvelle {

using halvex::LocationItem;
using halvex::LocationItemPtr;
using halvex::LocationManager;

QString LocationItemListModel::rowMimeType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("location-rows"));
    return type;
}

LocationItemListModel::LocationItemListModel(LocationManager& manager, QObject* parent)
    : QAbstractListModel(parent), manager_(manager)
{
    itemsSubscriber_.subscribe(LocationManager::didChangeItemsNotification, &manager_,
                               [this](const brisa::Notification& note) { libraryDidChange(note); });
    infoSubscriber_.subscribe(LocationItem::didChangeInfoNotification, nullptr,
                              [this](const brisa::Notification& note) {
                                  for (int i = 0; i < manager_.items().size(); ++i) {
                                      if (manager_.items()[i].get() == note.object) {
                                          const QModelIndex changed = index(i);
                                          Q_EMIT dataChanged(changed, changed);
                                      }
                                  }
                              });
}

void LocationItemListModel::libraryDidChange(const brisa::Notification& note)
{
    const auto edition = LocationManager::itemEdition(note);
    // A change of the selected item leaves the rows as they are.
    if (edition && edition->kind() == LocationManager::ItemEdition::Kind::selection)
        return;
    beginResetModel();
    endResetModel();
}

LocationItemPtr LocationItemListModel::item(int row) const
{
    if (row < 0 || row >= manager_.items().size())
        return nullptr;
    return manager_.items()[row];
}

int LocationItemListModel::row(const LocationItemPtr& item) const
{
    for (int i = 0; i < manager_.items().size(); ++i) {
        if (manager_.items()[i] == item)
            return i;
    }
    return -1;
}

bool LocationItemListModel::save()
{
    try {
        manager_.save();
    } catch (const halvex::LibraryError& error) {
        if (onSaveFailure)
            onSaveFailure(libraryErrorText(error));
        return false;
    }
    return true;
}

int LocationItemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(manager_.items().size());
}

QVariant LocationItemListModel::data(const QModelIndex& index, int role) const
{
    const LocationItemPtr item = this->item(index.row());
    if (!item || index.parent().isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return item->name().trimmed().isEmpty() ? localizedString(QStringLiteral("LocationItemUntitled"))
                                                : item->name();
    case Qt::EditRole:
        return item->name();
    case Qt::ToolTipRole:
        return item->location().textLocation().formattedAddress();
    default:
        return {};
    }
}

bool LocationItemListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const LocationItemPtr item = this->item(index.row());
    if (!item || role != Qt::EditRole)
        return false;
    const QString name = value.toString();
    if (name == item->name())
        return true;
    // A blank name is kept: the item then shows as untitled.
    item->setName(name);
    save();
    return true;
}

Qt::ItemFlags LocationItemListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
}

QStringList LocationItemListModel::mimeTypes() const
{
    return {rowMimeType()};
}

QMimeData* LocationItemListModel::mimeData(const QModelIndexList& indexes) const
{
    brisa::IndexSet rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    return FileRowDragData::make(rowMimeType(), rows, this);
}

Qt::DropActions LocationItemListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

std::optional<brisa::IndexSet> LocationItemListModel::draggedRows(const QMimeData* data) const
{
    const std::optional<brisa::IndexSet> rows = FileRowDragData::rows(data, rowMimeType(), this);
    if (!rows || rows->isEmpty())
        return std::nullopt;
    for (int row : *rows) {
        if (row >= manager_.items().size())
            return std::nullopt;
    }
    return rows;
}

bool LocationItemListModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                            const QModelIndex& parent) const
{
    // Between rows only: a drop onto a row comes with that row as parent.
    return action == Qt::MoveAction && !parent.isValid() && row <= manager_.items().size() && draggedRows(data);
}

bool LocationItemListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                         const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    if (row < 0)
        row = int(manager_.items().size());
    manager_.moveItems(*draggedRows(data), row);
    save();
    // The rows are moved already: the view removes nothing after the drop (no removeRows()).
    return true;
}

} // namespace corvelle
