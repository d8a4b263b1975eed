#pragma once

#include "engine/halvex/libraries/PhotosRemoteManager.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QAbstractTableModel>

#include <functional>

namespace corvelle {

// The remote profiles of a library, one row each, in the library's order: the selection mark
// (true on the first selected profile: the one an apply uses), the name, the number of edits
// and the more button. Rows follow the library's change notes row by row, and a profile's own
// notes refresh its row. Rows are reordered by dragging them within the list; the drop is
// checked against the list, moved in the library and stored.
class RCProfileListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { SelectionColumn, NameColumn, CommentColumn, MoreColumn, ColumnCount };
    static constexpr int ProfileRole = Qt::UserRole + 1;

    // `store` persists the library after a move.
    explicit RCProfileListModel(halvex::PhotosRemoteManager& manager, std::function<void()> store,
                                QObject* parent = nullptr);

    static QString columnIdentifier(int column);
    // The type the rows travel under, made once per launch.
    static QString rowMimeType();

    halvex::PhotosRemoteProfilePtr profileAt(int row) const;
    int rowOf(const halvex::PhotosRemoteProfile* profile) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // Drops between rows only; rows outside the list, or a payload of another list, are refused.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

Q_SIGNALS:
    // After the rows changed as a note asked: the view selects the selection list again.
    void rowsDidChange();

private:
    void managerDidChangeProfiles(const brisa::Notification& note);
    void profileDidChange(const brisa::Notification& note);
    void refreshMarks();

    halvex::PhotosRemoteManager& manager_;
    std::function<void()> store_;
    QList<halvex::PhotosRemoteProfilePtr> profiles_;
    brisa::NoteSubscriber managerSubscriber_;
    brisa::NoteSubscriber infoSubscriber_;
    brisa::NoteSubscriber valuesSubscriber_;
};

} // namespace corvelle
