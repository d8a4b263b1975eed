#pragma once

#include "engine/halvex/libraries/PresetItem.h"
#include "engine/ostrak/TagItem.h"
#include "presets/FlatPresetEdition.h"

#include <optional>

namespace corvelle {

// The state of the preset entry sheet while one entry is edited page by page: which preset and
// which of its entries, the chosen tag, the chosen operation and the settings of each kind of
// operation. At the end it builds the engine's edition and writes the entry into the preset. A
// plain value, used on the main thread.
class PresetEditionCache {
public:
    // The pages of the sheet, in order. No step (nullopt) means the sheet finishes.
    enum class Step { tagSelection, actionSelection, actionEdition };

    PresetEditionCache() = default;
    // The entry at `entryRow` of the preset; a new entry when the row is none or outside the
    // entries (the row is kept, but commit() then appends and deleteEntry() does nothing).
    PresetEditionCache(const halvex::PresetItemPtr& presetItem, std::optional<int> entryRow);

    halvex::PresetItemPtr presetItem;
    std::optional<int> entryRow;
    std::optional<ostrak::TagItem> tagItem;
    std::optional<halvex::PresetEdition> edition;
    std::optional<FlatPresetEdition> flatEdition;
    std::optional<halvex::UseCustomActionSettings> customActionSettings;
    std::optional<halvex::CopyTagValueSettings> copyTagValueSettings;
    std::optional<halvex::UseCustomValueSettings> customValueSettings;
    std::optional<halvex::SearchAndReplaceSettings> searchAndReplaceSettings;

    // The engine edition of the chosen operation and its settings; none without an operation, or
    // for an operation with settings whose settings were never given.
    std::optional<halvex::PresetEdition> presetEdition() const;
    bool hasAction() const { return flatEdition.has_value(); }
    bool isComplete() const { return presetItem && tagItem && flatEdition; }
    // An existing entry of the preset is edited.
    bool isEditingEntry() const { return presetItem && entryRow && hasValidEntryRow(); }
    Step initialStep() const;

    // Removes the edited entry; nothing unless it is an existing entry.
    void deleteEntry() const;
    // Writes the entry: in place of the edited one, else last. Nothing when the cache is not
    // complete or its edition cannot be built.
    void commit() const;

private:
    bool hasValidEntryRow() const;
};

} // namespace corvelle
