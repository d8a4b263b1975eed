#include "photos/RCProfileListModel.h"

#include "filemodel/FileRowDragData.h"
#include "widgets/TextLocalizer.h"

#include <QMimeData>

namespace corvelle {

using halvex::PhotosRemoteProfile;
using halvex::PhotosRemoteProfilePtr;

RCProfileListModel::RCProfileListModel(halvex::PhotosRemoteManager& manager, std::function<void()> store,
                                       QObject* parent)
    : QAbstractTableModel(parent), manager_(manager), store_(std::move(store)), profiles_(manager.profiles())
{
    managerSubscriber_.subscribe(halvex::PhotosRemoteManager::didChangeProfilesNotification, &manager_,
                                 [this](const brisa::Notification& note) { managerDidChangeProfiles(note); });
    const auto changed = [this](const brisa::Notification& note) { profileDidChange(note); };
    infoSubscriber_.subscribe(PhotosRemoteProfile::didChangeInfoNotification, nullptr, changed);
    valuesSubscriber_.subscribe(PhotosRemoteProfile::didChangeValuesNotification, nullptr, changed);
}

QString RCProfileListModel::columnIdentifier(int column)
{
    switch (column) {
    case SelectionColumn:
        return QStringLiteral("RCProfileSelectionTableColumn");
    case NameColumn:
        return QStringLiteral("RCProfileNameTableColumn");
    case CommentColumn:
        return QStringLiteral("RCProfileCommentTableColumn");
    case MoreColumn:
        return QStringLiteral("RCProfileMoreTableColumn");
    }
    return {};
}

QString RCProfileListModel::rowMimeType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("private.profilesTableViewRow"));
    return type;
}

PhotosRemoteProfilePtr RCProfileListModel::profileAt(int row) const
{
    return row >= 0 && row < profiles_.size() ? profiles_.at(row) : nullptr;
}

int RCProfileListModel::rowOf(const PhotosRemoteProfile* profile) const
{
    for (int row = 0; row < profiles_.size(); ++row) {
        if (profiles_.at(row).get() == profile)
            return row;
    }
    return -1;
}

int RCProfileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(profiles_.size());
}

int RCProfileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RCProfileListModel::data(const QModelIndex& index, int role) const
{
    const PhotosRemoteProfilePtr profile = profileAt(index.row());
    if (!profile)
        return {};
    if (role == ProfileRole)
        return QVariant::fromValue(static_cast<const void*>(profile.get()));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case SelectionColumn:
        return role == Qt::DisplayRole ? QVariant(!manager_.selectedProfiles().isEmpty()
                                                  && manager_.selectedProfiles().first() == profile)
                                       : QVariant();
    case NameColumn:
        return profile->name().trimmed().isEmpty() ? localizedString(QStringLiteral("RemoteProfileUntitledConfiguration"))
                                                   : profile->name();
    case CommentColumn:
        return localizedString(QStringLiteral("RemoteProfilesEditionCount"), {profile->editionCount()});
    default:
        return {};
    }
}

Qt::ItemFlags RCProfileListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList RCProfileListModel::mimeTypes() const
{
    return {rowMimeType()};
}

QMimeData* RCProfileListModel::mimeData(const QModelIndexList& indexes) const
{
    brisa::IndexSet rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    return FileRowDragData::make(rowMimeType(), rows);
}

Qt::DropActions RCProfileListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool RCProfileListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                         const QModelIndex& parent) const
{
    // Between rows only: a drop onto a row names it as the parent.
    if (parent.isValid() || row < 0 || row > profiles_.size())
        return false;
    const std::optional<brisa::IndexSet> rows = FileRowDragData::rows(data, rowMimeType());
    return rows && !rows->isEmpty() && rows->first() >= 0 && rows->last() < profiles_.size();
}

bool RCProfileListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                      const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    manager_.moveProfiles(*FileRowDragData::rows(data, rowMimeType()), row);
    if (store_)
        store_();
    // The rows moved through the manager's note; the view's removal of the dragged rows after a
    // move finds no removeRows() here.
    return true;
}

void RCProfileListModel::managerDidChangeProfiles(const brisa::Notification& note)
{
    using Kind = halvex::LibraryListEdition::Kind;
    const QList<PhotosRemoteProfilePtr>& current = manager_.profiles();
    const std::optional<halvex::LibraryListEdition> edition = halvex::PhotosRemoteManager::profileEdition(note);
    const Kind kind = edition ? edition->kind() : Kind::reload;
    switch (kind) {
    case Kind::insertion:
        for (int index : edition->indexes()) {
            if (index > profiles_.size() || index >= current.size())
                break;
            beginInsertRows({}, index, index);
            profiles_.insert(index, current.at(index));
            endInsertRows();
        }
        break;
    case Kind::removal: {
        const QList<int>& indexes = edition->indexes().toList();
        for (auto it = indexes.crbegin(); it != indexes.crend(); ++it) {
            if (*it >= profiles_.size())
                continue;
            beginRemoveRows({}, *it, *it);
            profiles_.removeAt(*it);
            endRemoveRows();
        }
        break;
    }
    case Kind::move: {
        Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const QModelIndexList persistent = persistentIndexList();
        QModelIndexList moved;
        for (const QModelIndex& index : persistent) {
            const PhotosRemoteProfilePtr profile = profileAt(index.row());
            const int row = int(current.indexOf(profile));
            moved << (row < 0 ? QModelIndex() : createIndex(row, index.column()));
        }
        profiles_ = current;
        changePersistentIndexList(persistent, moved);
        Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
        break;
    }
    case Kind::reload:
        beginResetModel();
        profiles_ = current;
        endResetModel();
        break;
    case Kind::selection:
        break;
    }
    // Whatever the steps, the rows end as the library is.
    if (profiles_ != current) {
        beginResetModel();
        profiles_ = current;
        endResetModel();
    }
    refreshMarks();
    Q_EMIT rowsDidChange();
}

void RCProfileListModel::profileDidChange(const brisa::Notification& note)
{
    const int row = rowOf(static_cast<const PhotosRemoteProfile*>(note.object));
    if (row >= 0)
        Q_EMIT dataChanged(index(row, NameColumn), index(row, CommentColumn));
}

void RCProfileListModel::refreshMarks()
{
    if (!profiles_.isEmpty())
        Q_EMIT dataChanged(index(0, SelectionColumn), index(int(profiles_.size()) - 1, SelectionColumn));
}

} // namespace corvelle
