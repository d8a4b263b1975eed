#pragma once

#include "platform/brisa/core/NoteSubscriber.h"

#include <QAbstractItemModel>

namespace halvex {
class KeywordItem;
class KeywordManager;
} // namespace halvex

namespace corvelle {

// The keyword library as a tree of names, following the library's changes while it lives.
class KeywordLibraryModel : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit KeywordLibraryModel(halvex::KeywordManager& manager, QObject* parent = nullptr);

    // The keyword of an index; null for the root.
    halvex::KeywordItem* keywordItem(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QModelIndex indexOf(const halvex::KeywordItem* item) const;
    // The library posts its changes after making them, so a removal cannot be announced ahead:
    // the tree is read afresh.
    void reloadAll();

    halvex::KeywordManager& manager_;
    brisa::NoteSubscriber itemsSubscriber_;
    brisa::NoteSubscriber childrenSubscriber_;
    brisa::NoteSubscriber infoSubscriber_;
};

} // namespace corvelle
