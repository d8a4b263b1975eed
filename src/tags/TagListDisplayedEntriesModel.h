#pragma once

#include "engine/halvex/libraries/TagSet.h"

#include <QAbstractListModel>

#include <functional>

namespace corvelle {

// The entries of one tag set, as the sheet that composes it lists them: a section by its
// name in bold, a tag as "- " and its title ("- UNKNOWN(Group:Name)" for a tag the database
// does not list). Sections are renamed in place. Rows are dragged under displayedRowType() and
// take drops of both row types between rows only; the owner does the edits.
class TagListDisplayedEntriesModel : public QAbstractListModel {
    Q_OBJECT

public:
    // Renames the section at a row; whether it did.
    using RenameHandler = std::function<bool(int row, const QString& title)>;
    // Takes dropped rows before `row` (count() at the end); whether it did.
    using DropHandler = std::function<bool(const QMimeData* data, int row)>;

    static QString displayedRowType();
    static QString entryText(const halvex::TagSet::FlatEntry& entry);

    explicit TagListDisplayedEntriesModel(QObject* parent = nullptr);

    const halvex::TagSet& tagSet() const { return tagSet_; }
    // Shows the set; a set of the same length keeps its rows (and the views' selections).
    void setTagSet(const halvex::TagSet& tagSet);
    void setRenameHandler(RenameHandler handler) { renameHandler_ = std::move(handler); }
    void setDropHandler(DropHandler handler) { dropHandler_ = std::move(handler); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction | Qt::CopyAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    halvex::TagSet tagSet_;
    RenameHandler renameHandler_;
    DropHandler dropHandler_;
};

} // namespace corvelle
