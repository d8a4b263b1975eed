#pragma once

#include "engine/halvex/libraries/PresetManager.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QAbstractItemModel>

namespace corvelle {

// The preset library as a two-level outline: the groups, each with its presets, in three columns
// (name, number of entries, more button). It follows the library's notifications row by row. A
// row dragged within the outline is moved in the library: a group among the groups, a preset
// into any group, landing in the gap where it was dropped; movedItem() then tells who holds the
// library that it changed.
class PresetGroupsModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { nameColumn, countColumn, moreColumn, columnCount_ };
    // The row's group or preset, as a PresetLibraryObject*.
    static constexpr int objectRole = Qt::UserRole + 1;

    explicit PresetGroupsModel(halvex::PresetManager& manager, QObject* parent = nullptr);
    ~PresetGroupsModel() override;

    // The MIME type of dragged rows, made once per launch.
    static QString dragType();

    halvex::PresetManager& manager() const { return manager_; }
    // The group or preset of a row; none for an invalid index.
    halvex::EquatableObjectPtr object(const QModelIndex& index) const;
    QModelIndex indexOf(const halvex::EquatableObject* object, int column = 0) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

Q_SIGNALS:
    void itemMoved();

private:
    struct Shadow {
        halvex::PresetGroupPtr group;
        QList<halvex::PresetItemPtr> presets;
    };

    void resync();
    int groupRow(const halvex::PresetGroup* group) const;
    // The dragged row: its group row and, for a preset, its row in the group (-1 for a group).
    std::optional<std::pair<int, int>> draggedRow(const QMimeData* data) const;
    void managerDidChangeGroups(const brisa::Notification& note);
    void groupDidChangePresets(const brisa::Notification& note);
    void objectDidChange(const void* object, int column);

    halvex::PresetManager& manager_;
    // What the views were last told: the rows change only through the row signals.
    QList<Shadow> shadow_;
    brisa::NoteSubscriber groupsSubscriber_;
    brisa::NoteSubscriber presetsSubscriber_;
    brisa::NoteSubscriber groupInfoSubscriber_;
    brisa::NoteSubscriber presetInfoSubscriber_;
    brisa::NoteSubscriber entriesSubscriber_;
};

} // namespace corvelle
