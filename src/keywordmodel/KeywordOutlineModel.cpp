#include "keywordmodel/KeywordOutlineModel.h"

#include "widgets/LocalizerString.h"
#include "widgets/TextLocalizer.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QUuid>

#include <algorithm>

namespace corvelle {

using halvex::KeywordEdition;
using halvex::KeywordItem;
using halvex::KeywordItemPtr;
using halvex::KeywordManager;

// The model's own picture of the tree, brought in line with the library inside each change
// notification, between the matching begin and end calls.
struct KeywordOutlineModel::Node {
    KeywordItemPtr item; // null for the root
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;

    int row() const
    {
        if (!parent)
            return -1;
        const auto found = std::find_if(parent->children.cbegin(), parent->children.cend(),
                                        [this](const std::unique_ptr<Node>& child) { return child.get() == this; });
        return int(found - parent->children.cbegin());
    }
};

namespace {

int positionIn(const QList<KeywordItemPtr>& items, const KeywordItem* item)
{
    const auto found = std::find_if(items.cbegin(), items.cend(),
                                    [item](const KeywordItemPtr& candidate) { return candidate.get() == item; });
    return found == items.cend() ? -1 : int(found - items.cbegin());
}

// The contiguous runs of a set, first to last.
QList<std::pair<int, int>> runs(const brisa::IndexSet& indexes)
{
    QList<std::pair<int, int>> out;
    for (int index : indexes) {
        if (!out.isEmpty() && out.last().second + 1 == index)
            out.last().second = index;
        else
            out.append({index, index});
    }
    return out;
}

} // namespace

KeywordOutlineModel::KeywordOutlineModel(KeywordManager& manager, QObject* parent)
    : QAbstractItemModel(parent), manager_(manager), root_(std::make_unique<Node>())
{
    for (const KeywordItemPtr& item : manager_.items())
        root_->children.push_back(makeNode(item, root_.get()));
    itemsSubscriber_.subscribe(KeywordManager::didChangeItemsNotification, &manager_,
                               [this](const brisa::Notification& note) { managerDidChangeItems(note); });
    childrenSubscriber_.subscribe(KeywordItem::didChangeChildrenNotification, nullptr,
                                  [this](const brisa::Notification& note) { itemDidChangeChildren(note); });
    infoSubscriber_.subscribe(KeywordItem::didChangeInfoNotification, nullptr,
                              [this](const brisa::Notification& note) { itemDidChangeInfo(note); });
}

KeywordOutlineModel::~KeywordOutlineModel() = default;

QString KeywordOutlineModel::columnIdentifier(int column)
{
    static const QStringList identifiers{
        QStringLiteral("KeywordNameTableColumn"),     QStringLiteral("KeywordHeaderTableColumn"),
        QStringLiteral("KeywordPersonTableColumn"),   QStringLiteral("KeywordSynonymsTableColumn"),
        QStringLiteral("KeywordMoreTableColumn"),
    };
    return identifiers.value(column);
}

QString KeywordOutlineModel::rowMimeType()
{
    static const QString type = QStringLiteral("application/x-corvelle-keyword-row-")
                                + QUuid::createUuid().toString(QUuid::WithoutBraces);
    return type;
}

// Tree structure

KeywordOutlineModel::Node* KeywordOutlineModel::nodeOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : root_.get();
}

QModelIndex KeywordOutlineModel::indexOfNode(const Node* node, int column) const
{
    if (!node || node == root_.get())
        return {};
    return createIndex(node->row(), column, const_cast<Node*>(node));
}

KeywordOutlineModel::Node* KeywordOutlineModel::nodeOfItem(const KeywordItem* item) const
{
    return nodes_.value(item, nullptr);
}

KeywordItemPtr KeywordOutlineModel::itemOf(const QModelIndex& index)
{
    if (!index.isValid())
        return nullptr;
    return static_cast<Node*>(index.internalPointer())->item;
}

KeywordItemPtr KeywordOutlineModel::keywordItem(const QModelIndex& index)
{
    return index.data(ItemRole).value<KeywordItemPtr>();
}

QModelIndex KeywordOutlineModel::indexOf(const KeywordItem* item, int column) const
{
    const Node* node = nodeOfItem(item);
    return node ? indexOfNode(node, column) : QModelIndex();
}

QList<KeywordItemPtr> KeywordOutlineModel::itemsOf(const Node* node) const
{
    return node->item ? node->item->children() : manager_.items();
}

std::unique_ptr<KeywordOutlineModel::Node> KeywordOutlineModel::makeNode(const KeywordItemPtr& item, Node* parent)
{
    auto node = std::make_unique<Node>();
    node->item = item;
    node->parent = parent;
    nodes_.insert(item.get(), node.get());
    for (const KeywordItemPtr& child : item->children())
        node->children.push_back(makeNode(child, node.get()));
    return node;
}

void KeywordOutlineModel::forget(const Node* node)
{
    for (const std::unique_ptr<Node>& child : node->children)
        forget(child.get());
    if (nodes_.value(node->item.get()) == node)
        nodes_.remove(node->item.get());
}

QModelIndex KeywordOutlineModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column < 0 || column >= ColumnCount || row < 0 || (parent.isValid() && parent.column() != NameColumn))
        return {};
    const Node* node = nodeOf(parent);
    if (row >= int(node->children.size()))
        return {};
    return createIndex(row, column, node->children[size_t(row)].get());
}

QModelIndex KeywordOutlineModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    return indexOfNode(nodeOf(child)->parent);
}

int KeywordOutlineModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != NameColumn)
        return 0;
    return int(nodeOf(parent)->children.size());
}

int KeywordOutlineModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

bool KeywordOutlineModel::hasChildren(const QModelIndex& parent) const
{
    // Every keyword can take children, so every one shows its disclosure.
    return !parent.isValid() ? !root_->children.empty() : parent.column() == NameColumn;
}

QVariant KeywordOutlineModel::data(const QModelIndex& index, int role) const
{
    const KeywordItemPtr item = itemOf(index);
    if (!item)
        return {};
    if (role == ItemRole)
        return QVariant::fromValue(item);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    // The texts of the cells, also read by accessibility.
    return textOf(item.get(), index.column());
}

QString KeywordOutlineModel::textOf(const halvex::KeywordItem* item, int column)
{
    const auto stateText = [](bool on) {
        return localizedString((on ? LocalizerString::keywordStateYes() : LocalizerString::keywordStateNo()).rawValue);
    };
    switch (column) {
    case NameColumn:
        return item ? item->name() : QString();
    case HeaderColumn:
        return stateText(!item || item->isHeader());
    case PersonColumn:
        return stateText(!item || item->isPerson());
    case SynonymsColumn:
        return QString::number(item ? item->synonyms().size() : 0);
    }
    return {};
}

QVariant KeywordOutlineModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount
        || section == MoreColumn)
        return {};
    static const QStringList keys{
        QStringLiteral("KeywordNameColumnTitle"),
        QStringLiteral("KeywordHeaderColumnTitle"),
        QStringLiteral("KeywordPersonColumnTitle"),
        QStringLiteral("KeywordSynonymsColumnTitle"),
    };
    return localizedString(keys.at(section));
}

Qt::ItemFlags KeywordOutlineModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return readOnly_ ? Qt::NoItemFlags : Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!readOnly_)
        flags |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    return flags;
}

// Following the library

void KeywordOutlineModel::managerDidChangeItems(const brisa::Notification& note)
{
    const KeywordEdition edition = KeywordManager::itemEdition(note).value_or(KeywordEdition::reload());
    switch (edition.kind()) {
    case KeywordEdition::Kind::insertion:
        insertRows(root_.get(), edition.indexes());
        break;
    case KeywordEdition::Kind::removal:
        removeRows(root_.get(), edition.indexes());
        break;
    case KeywordEdition::Kind::reload:
        reloadChildren(root_.get());
        break;
    case KeywordEdition::Kind::selection:
        break;
    }
}

void KeywordOutlineModel::itemDidChangeChildren(const brisa::Notification& note)
{
    Node* node = nodeOfItem(static_cast<const KeywordItem*>(note.object));
    if (!node)
        return;
    const KeywordEdition edition = KeywordItem::childrenEdition(note).value_or(KeywordEdition::reload());
    switch (edition.kind()) {
    case KeywordEdition::Kind::insertion:
        insertRows(node, edition.indexes());
        break;
    case KeywordEdition::Kind::removal:
        removeRows(node, edition.indexes());
        break;
    default:
        reloadChildren(node);
        break;
    }
}

void KeywordOutlineModel::itemDidChangeInfo(const brisa::Notification& note)
{
    const Node* node = nodeOfItem(static_cast<const KeywordItem*>(note.object));
    if (!node)
        return;
    Q_EMIT dataChanged(indexOfNode(node, 0), indexOfNode(node, ColumnCount - 1));
}

void KeywordOutlineModel::insertRows(Node* node, const brisa::IndexSet& indexes)
{
    const QList<KeywordItemPtr> items = itemsOf(node);
    const QModelIndex parent = indexOfNode(node);
    for (const auto& [first, last] : runs(indexes)) {
        if (last >= items.size() || first > int(node->children.size())) {
            reloadChildren(node);
            return;
        }
        beginInsertRows(parent, first, last);
        for (int row = first; row <= last; ++row)
            node->children.insert(node->children.begin() + row, makeNode(items.at(row), node));
        endInsertRows();
    }
}

void KeywordOutlineModel::removeRows(Node* node, const brisa::IndexSet& indexes)
{
    const QModelIndex parent = indexOfNode(node);
    const QList<std::pair<int, int>> removed = runs(indexes);
    // From the last run back, so that the earlier positions still hold.
    for (auto run = removed.crbegin(); run != removed.crend(); ++run) {
        const auto [first, last] = *run;
        if (last >= int(node->children.size())) {
            reloadChildren(node);
            return;
        }
        beginRemoveRows(parent, first, last);
        for (int row = first; row <= last; ++row)
            forget(node->children[size_t(row)].get());
        node->children.erase(node->children.begin() + first, node->children.begin() + last + 1);
        endRemoveRows();
    }
}

void KeywordOutlineModel::reloadChildren(Node* node)
{
    const QModelIndex parent = indexOfNode(node);
    if (!node->children.empty()) {
        beginRemoveRows(parent, 0, int(node->children.size()) - 1);
        for (const std::unique_ptr<Node>& child : node->children)
            forget(child.get());
        node->children.clear();
        endRemoveRows();
    }
    const QList<KeywordItemPtr> items = itemsOf(node);
    if (items.isEmpty())
        return;
    beginInsertRows(parent, 0, int(items.size()) - 1);
    for (const KeywordItemPtr& item : items)
        node->children.push_back(makeNode(item, node));
    endInsertRows();
}

// Moving

bool KeywordOutlineModel::moveItem(const KeywordItem* item, const KeywordItem* parent, int row)
{
    Node* node = nodeOfItem(item);
    if (!node || (parent && (!nodeOfItem(parent) || item->contains(parent))))
        return false;
    KeywordItem* oldParent = item->parent();
    const int oldPosition = positionIn(oldParent ? oldParent->children() : manager_.items(), item);
    if (oldPosition < 0)
        return false;
    if (row < 0) {
        row = 0;
    } else if (oldParent == parent && row > oldPosition) {
        // The row was counted with the item still in place above it.
        --row;
    }
    if (oldParent == parent && row == oldPosition)
        return false;
    const KeywordItemPtr moved = node->item;
    const KeywordItemPtr current = manager_.currentItem();
    if (oldParent)
        oldParent->removeChildren({oldPosition});
    else
        manager_.removeItems({oldPosition});
    if (parent)
        const_cast<KeywordItem*>(parent)->insertChildren({moved}, row);
    else
        manager_.insertItems({moved}, row);
    manager_.setCurrentItem(current);
    Q_EMIT itemMoved();
    return true;
}

QStringList KeywordOutlineModel::mimeTypes() const
{
    return {rowMimeType()};
}

QMimeData* KeywordOutlineModel::mimeData(const QModelIndexList& indexes) const
{
    if (readOnly_ || indexes.isEmpty() || !indexes.first().isValid())
        return nullptr;
    // The path of rows from the top to the dragged row, and the item that stood there.
    QList<int> path;
    const Node* node = nodeOf(indexes.first());
    const KeywordItem* item = node->item.get();
    for (; node && node != root_.get(); node = node->parent)
        path.prepend(node->row());
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << path << quintptr(item);
    auto* data = new QMimeData;
    data->setData(rowMimeType(), bytes);
    return data;
}

KeywordItemPtr KeywordOutlineModel::draggedItem(const QMimeData* data) const
{
    if (!data || !data->hasFormat(rowMimeType()))
        return nullptr;
    QByteArray bytes = data->data(rowMimeType());
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    QList<int> path;
    quintptr item = 0;
    stream >> path >> item;
    if (stream.status() != QDataStream::Ok || path.isEmpty())
        return nullptr;
    // Rows that no longer lead to the item that was dragged: the tree changed under the drag.
    const Node* node = root_.get();
    for (int row : path) {
        if (row < 0 || row >= int(node->children.size()))
            return nullptr;
        node = node->children[size_t(row)].get();
    }
    return quintptr(node->item.get()) == item ? node->item : nullptr;
}

Qt::DropActions KeywordOutlineModel::supportedDragActions() const
{
    return readOnly_ ? Qt::IgnoreAction : Qt::MoveAction;
}

Qt::DropActions KeywordOutlineModel::supportedDropActions() const
{
    return readOnly_ ? Qt::IgnoreAction : Qt::MoveAction;
}

bool KeywordOutlineModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                          const QModelIndex& parent) const
{
    if (readOnly_ || action != Qt::MoveAction)
        return false;
    const KeywordItemPtr dragged = draggedItem(data);
    const KeywordItemPtr target = itemOf(parent);
    return dragged && !(target && dragged->contains(target.get()));
}

bool KeywordOutlineModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                       const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const KeywordItemPtr target = itemOf(parent);
    // A drop on the empty room below the rows goes to the end of the top level.
    if (!target && row < 0)
        row = int(manager_.items().size());
    // The rows follow the library's notifications; the model removes no rows of its own after
    // the drop (it has no removeRows()), so the view's clean-up of a move leaves them alone.
    return moveItem(draggedItem(data).get(), target.get(), row);
}

} // namespace corvelle
