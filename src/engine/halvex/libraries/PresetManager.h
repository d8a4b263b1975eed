#pragma once

#include "engine/halvex/libraries/LibraryItemList.h"
#include "engine/halvex/libraries/PresetGroup.h"

namespace halvex {

// The preset library: the ordered preset groups, each with its presets, and the selected objects
// (groups and presets) of the preset manager window, in its row order. Stored in "Presets.json"
// in the application's data folder.
//
// Main thread only. Changes of the group list and of the selection post
// didChangeGroupsNotification (object = the manager, with a GroupEdition) inside the changing
// call; handlers may call back into the manager. Changes inside a group or a preset are posted
// by that group or preset.
class PresetManager {
public:
    // Insertion and removal of groups with their positions, a reload, or a change of the
    // selection only (the rows stay).
    using GroupEdition = LibraryListEdition;

    static const QString didChangeGroupsNotification;

    static PresetManager& shared();

    // A library stored at `filePath`.
    explicit PresetManager(const QString& filePath);
    PresetManager(const PresetManager&) = delete;
    PresetManager& operator=(const PresetManager&) = delete;

    // Replaces the groups by the stored ones; no stored file means no groups. Throws
    // LibraryError, naming the file and the reason, when the file cannot be read; the groups are
    // then left as they were, and the next save() keeps the unreadable file aside before writing.
    void load();
    // Throws LibraryError naming the file and the reason; the stored file is then unchanged.
    void save();

    const QList<PresetGroupPtr>& groups() const { return list_.items(); }
    // Posts a reload; objects no longer in the library leave the selection. Reset is
    // setGroups({}) then save(), which keeps an unreadable file aside.
    void setGroups(const QList<PresetGroupPtr>& groups);
    // The groups must not be in the library yet. The index is clamped. Posts an insertion.
    void insertGroups(const QList<PresetGroupPtr>& groups, int index);
    // Positions beyond the list are ignored. The removed groups and their presets leave the
    // selection, then the removal of the removed positions is posted.
    void removeGroups(const brisa::IndexSet& indexes);

    // Adds a new preset at the end of the last group (of a new unnamed group when there is
    // none), then saves: throws LibraryError as save() does, the preset staying in the library.
    void addPreset(const PresetItemPtr& preset);

    // Groups and presets of the library.
    const QList<EquatableObjectPtr>& selectedObjects() const { return selectedObjects_; }
    // Objects that are not in the library are left out. Posts a selection edition only when the
    // list differs from the selection: other objects, or the same in another order.
    void setSelectedObjects(const QList<EquatableObjectPtr>& objects);

    // Whether the object is one of the groups or one of their presets.
    bool contains(const EquatableObject* object) const;

    // The change a didChangeGroupsNotification carries; none for another note.
    static std::optional<GroupEdition> groupEdition(const brisa::Notification& note);

private:
    QList<EquatableObjectPtr> inLibrary(const QList<EquatableObjectPtr>& objects) const;

    LibraryItemList<PresetGroup> list_;
    QList<EquatableObjectPtr> selectedObjects_;
};

} // namespace halvex
