#include "engine/halvex/libraries/PresetManager.h"

namespace halvex {

const QString PresetManager::didChangeGroupsNotification = QStringLiteral("HalvexPresetManagerDidChangeGroups");

PresetManager& PresetManager::shared()
{
    static PresetManager manager(LibraryFile::dataPath(QStringLiteral("Presets.json")));
    return manager;
}

PresetManager::PresetManager(const QString& filePath)
    : list_(filePath, didChangeGroupsNotification, this,
            // Exporting, applying or editing an object that left the library must not be possible.
            [this] { selectedObjects_ = inLibrary(selectedObjects_); })
{
}

void PresetManager::load()
{
    list_.load();
}

void PresetManager::save()
{
    list_.save();
}

void PresetManager::setGroups(const QList<PresetGroupPtr>& groups)
{
    list_.set(groups);
}

void PresetManager::insertGroups(const QList<PresetGroupPtr>& groups, int index)
{
    list_.insert(groups, index);
}

void PresetManager::removeGroups(const brisa::IndexSet& indexes)
{
    list_.remove(indexes);
}

void PresetManager::addPreset(const PresetItemPtr& preset)
{
    if (groups().isEmpty())
        insertGroups({std::make_shared<PresetGroup>(QString(), QString(), QList<PresetItemPtr>{preset})}, 0);
    else
        groups().last()->insertPresets({preset}, int(groups().last()->presets().size()));
    save();
}

void PresetManager::setSelectedObjects(const QList<EquatableObjectPtr>& objects)
{
    const QList<EquatableObjectPtr> selected = inLibrary(objects);
    if (selected == selectedObjects_)
        return;
    selectedObjects_ = selected;
    list_.post(GroupEdition::selection());
}

bool PresetManager::contains(const EquatableObject* object) const
{
    if (!object)
        return false;
    const auto* preset = dynamic_cast<const PresetItem*>(object);
    for (const PresetGroupPtr& group : groups()) {
        if (group.get() == object || (preset && group->contains(preset)))
            return true;
    }
    return false;
}

std::optional<PresetManager::GroupEdition> PresetManager::groupEdition(const brisa::Notification& note)
{
    return LibraryItemList<PresetGroup>::edition(note, didChangeGroupsNotification);
}

QList<EquatableObjectPtr> PresetManager::inLibrary(const QList<EquatableObjectPtr>& objects) const
{
    QList<EquatableObjectPtr> kept;
    for (const EquatableObjectPtr& object : objects) {
        if (contains(object.get()))
            kept.append(object);
    }
    return kept;
}

} // namespace halvex
