#pragma once

#include "engine/halvex/libraries/KeywordManager.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QAbstractItemModel>
#include <QHash>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(halvex::KeywordItemPtr)

namespace corvelle {

// The keyword library as a tree model: the manager's top-level items at the root, each item's
// children below it, one column per cell kind. It follows the manager's and the items' change
// notifications with row insertions and removals, and each item's information changes with
// dataChanged on its row, so selection and expansion survive every change. Every item may be
// expanded, also one without children.
//
// Rows are dragged with a private type made once per launch; a drop moves the item through the
// manager and its items, whose notifications then move the rows. A read-only model (the
// remote-profile keywords sheet) offers no drag and no drop.
//
// Main thread only.
class KeywordOutlineModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { NameColumn, HeaderColumn, PersonColumn, SynonymsColumn, MoreColumn, ColumnCount };
    // The row's halvex::KeywordItemPtr.
    static constexpr int ItemRole = Qt::UserRole + 1;

    explicit KeywordOutlineModel(halvex::KeywordManager& manager = halvex::KeywordManager::shared(),
                                 QObject* parent = nullptr);
    ~KeywordOutlineModel() override;

    halvex::KeywordManager& manager() const { return manager_; }

    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // The identifier of a column, as the cells name it ("KeywordNameTableColumn" ...).
    static QString columnIdentifier(int column);
    // The type of the dragged rows: the same during a launch, another at the next one.
    static QString rowMimeType();

    // The item of an index (null for the root), and the first-column index of an item (invalid
    // for an item that is not in the library).
    static halvex::KeywordItemPtr itemOf(const QModelIndex& index);
    // The keyword an index of any model holds in ItemRole; null when it holds none.
    static halvex::KeywordItemPtr keywordItem(const QModelIndex& index);
    QModelIndex indexOf(const halvex::KeywordItem* item, int column = NameColumn) const;
    // The text of a column for `item` (null: no keyword): its name, whether it is a header or a
    // person ("Yes" without a keyword), its number of synonyms.
    static QString textOf(const halvex::KeywordItem* item, int column);

    // Moves `item` into `parent` (null: the top level) at `row`, counted as the rows stood
    // before the move; -1 makes it the first child. Refused (false) for an item that is not in
    // the library, or a parent that is the item itself or lies inside it. The current item
    // stays current. Emits itemMoved() when the library changed.
    bool moveItem(const halvex::KeywordItem* item, const halvex::KeywordItem* parent, int row);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

Q_SIGNALS:
    // A drop or moveItem() changed the library.
    void itemMoved();

private:
    struct Node;

    Node* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOfNode(const Node* node, int column = NameColumn) const;
    Node* nodeOfItem(const halvex::KeywordItem* item) const;
    // The list of items a node's rows stand for.
    QList<halvex::KeywordItemPtr> itemsOf(const Node* node) const;
    std::unique_ptr<Node> makeNode(const halvex::KeywordItemPtr& item, Node* parent);
    void forget(const Node* node);

    void managerDidChangeItems(const brisa::Notification& note);
    void itemDidChangeChildren(const brisa::Notification& note);
    void itemDidChangeInfo(const brisa::Notification& note);
    void insertRows(Node* node, const brisa::IndexSet& indexes);
    void removeRows(Node* node, const brisa::IndexSet& indexes);
    void reloadChildren(Node* node);

    // The dragged item the data names, when it still stands where the drag found it.
    halvex::KeywordItemPtr draggedItem(const QMimeData* data) const;

    halvex::KeywordManager& manager_;
    std::unique_ptr<Node> root_;
    QHash<const halvex::KeywordItem*, Node*> nodes_;
    bool readOnly_ = false;
    brisa::NoteSubscriber itemsSubscriber_;
    brisa::NoteSubscriber childrenSubscriber_;
    brisa::NoteSubscriber infoSubscriber_;
};

} // namespace corvelle
