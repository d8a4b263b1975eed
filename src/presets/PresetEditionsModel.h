#pragma once

#include "engine/halvex/libraries/PresetManager.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "presets/PresetEditableProperty.h"
#include "tags/ContentValue.h"

#include <QAbstractListModel>

namespace corvelle {

// The rows of the editions table: for the library's first selected object, a group's header,
// name and description, or a preset's header, name, description, then a header and one row per
// entry (entry n is row n + 4). Rows are read from the library on every request. Entry rows may be
// dragged within the table to reorder the preset's entries; movedEntries() then tells who holds
// the library that it changed.
class PresetEditionsModel : public QAbstractListModel {
    Q_OBJECT

public:
    // The row of the first entry.
    static constexpr int firstEntryRow = 4;

    explicit PresetEditionsModel(halvex::PresetManager& manager, QObject* parent = nullptr);
    ~PresetEditionsModel() override;

    // The MIME type of dragged rows, made once per launch.
    static QString dragType();

    // The group or preset shown; none when nothing is selected.
    const halvex::EquatableObjectPtr& selectedItem() const { return selectedItem_; }
    halvex::PresetGroup* selectedGroup() const;
    halvex::PresetItem* selectedPreset() const;
    QList<PresetEditableProperty> rows() const;
    // What a value row shows; none for a header row or a row outside the list.
    std::optional<ContentValue> contentValue(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
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
    void selectedItemChanged();
    void movedEntries();

private:
    void selectionMayHaveChanged();
    void reload();

    halvex::PresetManager& manager_;
    halvex::EquatableObjectPtr selectedItem_;
    int rowCount_ = 0;
    brisa::NoteSubscriber groupsSubscriber_;
    brisa::NoteSubscriber groupInfoSubscriber_;
    brisa::NoteSubscriber presetInfoSubscriber_;
    brisa::NoteSubscriber entriesSubscriber_;
};

} // namespace corvelle
