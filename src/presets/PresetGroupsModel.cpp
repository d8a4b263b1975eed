#include "presets/PresetGroupsModel.h"

#include "filemodel/FileRowDragData.h"
#include "platform/brisa/core/StringHelpers.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "widgets/TextLocalizer.h"

#include <QDataStream>
#include <QMimeData>

namespace corvelle {

using halvex::PresetGroup;
using halvex::PresetGroupPtr;
using halvex::PresetItem;
using halvex::PresetItemPtr;

PresetGroupsModel::PresetGroupsModel(halvex::PresetManager& manager, QObject* parent)
    : QAbstractItemModel(parent), manager_(manager)
{
    resync();
    groupsSubscriber_.subscribe(halvex::PresetManager::didChangeGroupsNotification, &manager_,
                                [this](const brisa::Notification& note) { managerDidChangeGroups(note); });
    presetsSubscriber_.subscribe(PresetGroup::didChangePresetsNotification, nullptr,
                                 [this](const brisa::Notification& note) { groupDidChangePresets(note); });
    groupInfoSubscriber_.subscribe(PresetGroup::didChangeInfoNotification, nullptr,
                                   [this](const brisa::Notification& note) { objectDidChange(note.object, nameColumn); });
    presetInfoSubscriber_.subscribe(PresetItem::didChangeInfoNotification, nullptr,
                                    [this](const brisa::Notification& note) { objectDidChange(note.object, nameColumn); });
    entriesSubscriber_.subscribe(PresetItem::didChangeEntriesNotification, nullptr,
                                 [this](const brisa::Notification& note) { objectDidChange(note.object, countColumn); });
}

PresetGroupsModel::~PresetGroupsModel() = default;

QString PresetGroupsModel::dragType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("private.presetOutlineViewRow"));
    return type;
}

void PresetGroupsModel::resync()
{
    shadow_.clear();
    for (const PresetGroupPtr& group : manager_.groups())
        shadow_.append({group, group->presets()});
}

int PresetGroupsModel::groupRow(const PresetGroup* group) const
{
    for (int row = 0; row < shadow_.size(); ++row) {
        if (shadow_.at(row).group.get() == group)
            return row;
    }
    return -1;
}

halvex::EquatableObjectPtr PresetGroupsModel::object(const QModelIndex& index) const
{
    if (!index.isValid())
        return nullptr;
    if (!index.internalPointer())
        return index.row() < shadow_.size() ? shadow_.at(index.row()).group : nullptr;
    const int group = groupRow(static_cast<const PresetGroup*>(index.internalPointer()));
    if (group < 0 || index.row() >= shadow_.at(group).presets.size())
        return nullptr;
    return shadow_.at(group).presets.at(index.row());
}

QModelIndex PresetGroupsModel::indexOf(const halvex::EquatableObject* object, int column) const
{
    for (int row = 0; object && row < shadow_.size(); ++row) {
        if (shadow_.at(row).group.get() == object)
            return createIndex(row, column, nullptr);
        const QList<PresetItemPtr>& presets = shadow_.at(row).presets;
        for (int child = 0; child < presets.size(); ++child) {
            if (presets.at(child).get() == object)
                return createIndex(child, column, shadow_.at(row).group.get());
        }
    }
    return {};
}

QModelIndex PresetGroupsModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= columnCount_)
        return {};
    if (!parent.isValid())
        return row < shadow_.size() ? createIndex(row, column, nullptr) : QModelIndex();
    if (parent.internalPointer() || parent.row() >= shadow_.size())
        return {};
    const Shadow& group = shadow_.at(parent.row());
    return row < group.presets.size() ? createIndex(row, column, group.group.get()) : QModelIndex();
}

QModelIndex PresetGroupsModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || !child.internalPointer())
        return {};
    const int row = groupRow(static_cast<const PresetGroup*>(child.internalPointer()));
    return row < 0 ? QModelIndex() : createIndex(row, 0, nullptr);
}

int PresetGroupsModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(shadow_.size());
    if (parent.internalPointer() || parent.column() != 0 || parent.row() >= shadow_.size())
        return 0;
    return int(shadow_.at(parent.row()).presets.size());
}

int PresetGroupsModel::columnCount(const QModelIndex&) const
{
    return columnCount_;
}

QVariant PresetGroupsModel::data(const QModelIndex& index, int role) const
{
    const halvex::EquatableObjectPtr object = this->object(index);
    if (!object)
        return {};
    const auto* group = dynamic_cast<const PresetGroup*>(object.get());
    const auto* preset = dynamic_cast<const PresetItem*>(object.get());
    switch (index.column()) {
    case nameColumn:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            const QString name = group ? group->name() : preset->name();
            return brisa::nonBlank(name).value_or(localizedString(QStringLiteral("PresetItemUntitledName")));
        }
        if (role == Qt::DecorationRole)
            return brisa::SymbolIcons::icon(group ? QStringLiteral("folder") : QStringLiteral("bolt"));
        break;
    case countColumn:
        if (role == Qt::DisplayRole)
            return preset ? QString::number(preset->entries().size()) : QString();
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    default:
        break;
    }
    if (role == objectRole)
        return QVariant::fromValue(static_cast<const void*>(object.get()));
    return {};
}

Qt::ItemFlags PresetGroupsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    // Presets go into groups; a drop on a preset is none.
    if (!index.internalPointer())
        flags |= Qt::ItemIsDropEnabled;
    return flags;
}

QStringList PresetGroupsModel::mimeTypes() const
{
    return {dragType()};
}

QMimeData* PresetGroupsModel::mimeData(const QModelIndexList& indexes) const
{
    // A drop moves one row: the first dragged one.
    for (const QModelIndex& index : indexes) {
        if (!index.isValid())
            continue;
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        const QModelIndex parent = index.parent();
        stream << qint32(parent.isValid() ? parent.row() : index.row()) << qint32(parent.isValid() ? index.row() : -1);
        auto* data = new QMimeData;
        data->setData(dragType(), bytes);
        return data;
    }
    return nullptr;
}

std::optional<std::pair<int, int>> PresetGroupsModel::draggedRow(const QMimeData* data) const
{
    if (!data || !data->hasFormat(dragType()))
        return std::nullopt;
    QDataStream stream(data->data(dragType()));
    qint32 group = -1;
    qint32 preset = -1;
    stream >> group >> preset;
    if (stream.status() != QDataStream::Ok || group < 0 || group >= shadow_.size()
        || preset >= shadow_.at(group).presets.size())
        return std::nullopt;
    return std::make_pair(int(group), int(preset));
}

bool PresetGroupsModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                        const QModelIndex& parent) const
{
    const std::optional<std::pair<int, int>> dragged = draggedRow(data);
    if (action != Qt::MoveAction || !dragged)
        return false;
    const bool isGroup = dragged->second < 0;
    // Groups move among the groups; presets into a group (a row of the top level).
    return isGroup ? !parent.isValid() : parent.isValid() && !parent.internalPointer();
}

bool PresetGroupsModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                     const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const auto [groupRow, presetRow] = *draggedRow(data);
    if (presetRow < 0) {
        const PresetGroupPtr group = shadow_.at(groupRow).group;
        int destination = row < 0 ? int(shadow_.size()) : row;
        // Counted before the removal: a group moved down lands in the gap it was dropped in.
        if (destination > groupRow)
            --destination;
        manager_.removeGroups(brisa::IndexSet{groupRow});
        manager_.insertGroups({group}, std::clamp(destination, 0, int(manager_.groups().size())));
    } else {
        const PresetGroupPtr source = shadow_.at(groupRow).group;
        const PresetGroupPtr target = shadow_.at(parent.row()).group;
        const PresetItemPtr preset = shadow_.at(groupRow).presets.at(presetRow);
        int destination = row < 0 ? 0 : row;
        if (source == target && destination > presetRow)
            --destination;
        source->removePresets(brisa::IndexSet{presetRow});
        target->insertPresets({preset}, std::clamp(destination, 0, int(target->presets().size())));
    }
    Q_EMIT itemMoved();
    return true;
}

void PresetGroupsModel::managerDidChangeGroups(const brisa::Notification& note)
{
    const std::optional<halvex::LibraryListEdition> edition = halvex::PresetManager::groupEdition(note);
    const auto kind = edition ? edition->kind() : halvex::LibraryListEdition::Kind::reload;
    if (kind == halvex::LibraryListEdition::Kind::selection)
        return;
    const QList<PresetGroupPtr>& groups = manager_.groups();
    if (kind == halvex::LibraryListEdition::Kind::insertion) {
        for (int row : edition->indexes().toList()) {
            if (row > shadow_.size() || row >= groups.size())
                break;
            beginInsertRows({}, row, row);
            shadow_.insert(row, {groups.at(row), groups.at(row)->presets()});
            endInsertRows();
        }
    } else if (kind == halvex::LibraryListEdition::Kind::removal) {
        const QList<int> rows = edition->indexes().toList();
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            if (*it >= shadow_.size())
                continue;
            beginRemoveRows({}, *it, *it);
            shadow_.removeAt(*it);
            endRemoveRows();
        }
    }
    if (kind != halvex::LibraryListEdition::Kind::insertion && kind != halvex::LibraryListEdition::Kind::removal) {
        beginResetModel();
        resync();
        endResetModel();
    }
    // Anything the edition did not say is caught here: the rows end as the library stands.
    bool inStep = shadow_.size() == groups.size();
    for (int row = 0; inStep && row < groups.size(); ++row)
        inStep = shadow_.at(row).group == groups.at(row);
    if (!inStep) {
        beginResetModel();
        resync();
        endResetModel();
    }
}

void PresetGroupsModel::groupDidChangePresets(const brisa::Notification& note)
{
    const int row = groupRow(static_cast<const PresetGroup*>(note.object));
    if (row < 0)
        return;
    const PresetGroupPtr group = shadow_.at(row).group;
    const QModelIndex parent = createIndex(row, 0, nullptr);
    QList<PresetItemPtr>& presets = shadow_[row].presets;
    const std::optional<halvex::LibraryListEdition> edition = PresetGroup::presetGroupEdition(note);
    const auto kind = edition ? edition->kind() : halvex::LibraryListEdition::Kind::reload;
    if (kind == halvex::LibraryListEdition::Kind::insertion) {
        for (int child : edition->indexes().toList()) {
            if (child > presets.size() || child >= group->presets().size())
                break;
            beginInsertRows(parent, child, child);
            presets.insert(child, group->presets().at(child));
            endInsertRows();
        }
    } else if (kind == halvex::LibraryListEdition::Kind::removal) {
        const QList<int> children = edition->indexes().toList();
        for (auto it = children.crbegin(); it != children.crend(); ++it) {
            if (*it >= presets.size())
                continue;
            beginRemoveRows(parent, *it, *it);
            presets.removeAt(*it);
            endRemoveRows();
        }
    }
    if (presets != group->presets()) {
        // Another kind of change: the group's rows are laid again.
        if (!presets.isEmpty()) {
            beginRemoveRows(parent, 0, int(presets.size()) - 1);
            presets.clear();
            endRemoveRows();
        }
        if (!group->presets().isEmpty()) {
            beginInsertRows(parent, 0, int(group->presets().size()) - 1);
            presets = group->presets();
            endInsertRows();
        }
    }
}

void PresetGroupsModel::objectDidChange(const void* object, int column)
{
    const QModelIndex index = indexOf(static_cast<const halvex::EquatableObject*>(object), column);
    if (index.isValid())
        Q_EMIT dataChanged(index, index);
}

} // namespace corvelle
