#pragma once

#include "platform/brisa/core/IndexSet.h"

#include <QAbstractListModel>
#include <QStringList>

namespace corvelle {

// The working list of synonyms of the keyword item sheet: edited in place (a synonym may become
// empty), and reordered by dragging rows between rows of the same list. A drop onto a row, or
// rows dragged from another list, are refused.
class KeywordSynonymListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    static const QString rowMimeType;

    QStringList synonyms() const { return synonyms_; }
    void setSynonyms(const QStringList& synonyms);
    void append(const QString& synonym);
    void remove(const brisa::IndexSet& rows);
    // Moves the rows, in their order, before the row that was at `destination`.
    void move(const brisa::IndexSet& rows, int destination);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    // The dragged rows, when the data comes from this list and its rows still exist.
    std::optional<brisa::IndexSet> draggedRows(const QMimeData* data) const;

    QStringList synonyms_;
};

} // namespace corvelle
