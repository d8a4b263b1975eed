#pragma once

#include "engine/halvex/editions/TagSyncPair.h"
#include "platform/brisa/core/IndexSet.h"

#include <QAbstractTableModel>

#include <optional>

namespace corvelle {

// The pairs of the tag value synchronisation sheet, one row each: the source tag, ">", the
// destination tag and the row's more button. Rows are reordered by dragging them between rows
// of the same list; a drop onto a row is refused, and dragged row numbers that no longer exist
// are skipped.
class TagValueSyncPairListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { sourceColumn, middleColumn, destinationColumn, moreColumn, columnCount_ };
    // The pair's source or destination tag name, in their columns.
    static constexpr int TagNameRole = Qt::UserRole + 1;
    // The tag name of a source or destination cell; none for the other columns.
    static std::optional<ostrak::TagName> tagName(const QModelIndex& index);

    explicit TagValueSyncPairListModel(QObject* parent = nullptr);

    // Made once per launch: a fixed prefix and a fresh UUID.
    static const QString& rowMimeType();

    const QList<halvex::TagSyncPair>& pairs() const { return pairs_; }
    void setPairs(const QList<halvex::TagSyncPair>& pairs);
    void append(const halvex::TagSyncPair& pair);
    // Rows beyond the end are ignored.
    void remove(const brisa::IndexSet& rows);
    // Moves the rows, in their order, before the row that was at `destination`.
    void move(const brisa::IndexSet& rows, int destination);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // The rows a drag carries that still exist; none when the data holds no rows of this list.
    std::optional<brisa::IndexSet> draggedRows(const QMimeData* data) const;

private:
    QList<halvex::TagSyncPair> pairs_;
};

} // namespace corvelle
