#pragma once

#include "engine/halvex/libraries/LibraryListEdition.h"
#include "engine/halvex/libraries/PresetItem.h"

#include <optional>

namespace halvex {

class PresetGroup;
using PresetGroupPtr = std::shared_ptr<PresetGroup>;

// A named, ordered group of presets in the preset library. Compared by identity.
//
// Edited on the main thread; each change posts its notification (object = the group) inside the
// changing call, and only when something changed.
class PresetGroup : public PresetLibraryObject {
public:
    // Carried by didChangePresetsNotification: insertion and removal with their positions, or a
    // reload.
    using PresetGroupEdition = LibraryListEdition;

    // Posted by setName() and setDetail().
    static const QString didChangeInfoNotification;
    // Posted by insertPresets() and removePresets(), with a PresetGroupEdition.
    static const QString didChangePresetsNotification;

    PresetGroup(const QString& name, const QString& detail, const QList<PresetItemPtr>& presets);
    // A new group with the same name and description, holding copies of the presets.
    explicit PresetGroup(const PresetGroup& presetGroup);

    const QList<PresetItemPtr>& presets() const { return presets_; }
    bool contains(const PresetItem* preset) const;
    // The presets must not be in the group yet. The index is clamped to the presets.
    void insertPresets(const QList<PresetItemPtr>& presets, int index);
    // Positions beyond the presets are ignored.
    void removePresets(const brisa::IndexSet& indexes);

    // The change a didChangePresetsNotification carries; none for another note.
    static std::optional<PresetGroupEdition> presetGroupEdition(const brisa::Notification& note);

private:
    void postPresetsChange(const PresetGroupEdition& edition);

    QList<PresetItemPtr> presets_;
};

} // namespace halvex

// {"name": "…", "detail": "…", "presets": […]}; only the name is required.
template<>
struct brisa::JsonCoding<halvex::PresetGroupPtr> {
    static QJsonValue encode(const halvex::PresetGroupPtr& group);
    static halvex::PresetGroupPtr decode(const QJsonValue& json, const QStringList& codingPath);
};
