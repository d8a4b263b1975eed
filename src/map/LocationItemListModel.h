#pragma once

#include "engine/halvex/libraries/LocationManager.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QAbstractListModel>

#include <functional>

namespace corvelle {

// The favourite places of a location library, one row each in library order, named in place
// (a blank name shows as untitled) and reordered by dragging rows between rows of this list.
// Rows dragged from elsewhere, rows that no longer exist and drops onto a row are refused. A
// rename or a reorder is stored at once; a library that cannot be stored is reported through
// `onSaveFailure` with the reason, and the change stays in memory.
class LocationItemListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // The drag type of rows, unique to this run of the program.
    static QString rowMimeType();

    explicit LocationItemListModel(halvex::LocationManager& manager, QObject* parent = nullptr);

    halvex::LocationManager& manager() const { return manager_; }
    halvex::LocationItemPtr item(int row) const;
    // The row of the item, by identity; -1 when it is not in the library.
    int row(const halvex::LocationItemPtr& item) const;

    // Stores the library; false (after `onSaveFailure`) when it cannot be stored.
    bool save();
    std::function<void(const QString& reason)> onSaveFailure;

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
    // The dragged rows, when the data comes from this list and all its rows still exist.
    std::optional<brisa::IndexSet> draggedRows(const QMimeData* data) const;
    void libraryDidChange(const brisa::Notification& note);

    halvex::LocationManager& manager_;
    brisa::NoteSubscriber itemsSubscriber_;
    brisa::NoteSubscriber infoSubscriber_;
};

} // namespace corvelle
