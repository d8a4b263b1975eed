#include "presets/PresetEditionCache.h"

namespace corvelle {

PresetEditionCache::PresetEditionCache(const halvex::PresetItemPtr& presetItem, std::optional<int> entryRow)
{
    if (!presetItem)
        return;
    this->presetItem = presetItem;
    this->entryRow = entryRow;
    if (!hasValidEntryRow()) {
        edition = halvex::PresetEdition::keepCurrentValue();
        flatEdition = FlatPresetEdition::keepCurrentValue;
        return;
    }
    const halvex::PresetItem::Entry& entry = presetItem->entries().at(*entryRow);
    tagItem = entry.tagName.item();
    edition = entry.edition;
    flatEdition = FlatPresetEdition::fromPresetEdition(entry.edition);
    customActionSettings = entry.edition.customActionSettings();
    copyTagValueSettings = entry.edition.copyTagValueSettings();
    customValueSettings = entry.edition.customValueSettings();
    searchAndReplaceSettings = entry.edition.searchAndReplaceSettings();
}

bool PresetEditionCache::hasValidEntryRow() const
{
    return presetItem && entryRow && *entryRow >= 0 && *entryRow < presetItem->entries().size();
}

std::optional<halvex::PresetEdition> PresetEditionCache::presetEdition() const
{
    if (!flatEdition)
        return std::nullopt;
    switch (flatEdition->value()) {
    case FlatPresetEdition::copyOtherTagValue:
        if (!copyTagValueSettings)
            return std::nullopt;
        return halvex::PresetEdition::copyTagValue(*copyTagValueSettings);
    case FlatPresetEdition::editCurrentValue:
        if (!customValueSettings)
            return std::nullopt;
        return halvex::PresetEdition::useCustomValue(*customValueSettings);
    case FlatPresetEdition::searchAndReplace:
        if (!searchAndReplaceSettings)
            return std::nullopt;
        return halvex::PresetEdition::searchAndReplace(*searchAndReplaceSettings);
    default:
        return flatEdition->presetEdition();
    }
}

PresetEditionCache::Step PresetEditionCache::initialStep() const
{
    if (!tagItem)
        return Step::tagSelection;
    if (!flatEdition || flatEdition->hasSettings())
        return Step::actionEdition;
    return Step::actionSelection;
}

void PresetEditionCache::deleteEntry() const
{
    if (isEditingEntry())
        presetItem->removeEntries(brisa::IndexSet{*entryRow});
}

void PresetEditionCache::commit() const
{
    if (!isComplete())
        return;
    const std::optional<halvex::PresetEdition> built = presetEdition();
    if (!built)
        return;
    const halvex::PresetItem::Entry entry(tagItem->tagName(), *built);
    if (!isEditingEntry()) {
        presetItem->insertEntries({entry}, int(presetItem->entries().size()));
        return;
    }
    // One in-place change, so the entry keeps its place and watchers see a single edit.
    const int row = *entryRow;
    presetItem->modifyEntries([&](QList<halvex::PresetItem::Entry>& entries) { entries[row] = entry; });
}

} // namespace corvelle
