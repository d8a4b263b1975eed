#include "engine/halvex/libraries/PresetGroup.h"

#include "platform/brisa/core/ArrayHelpers.h"
#include "platform/brisa/core/KeyedJson.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <algorithm>

namespace halvex {

const QString PresetGroup::didChangeInfoNotification = QStringLiteral("HalvexPresetGroupDidChangeInfo");
const QString PresetGroup::didChangePresetsNotification = QStringLiteral("HalvexPresetGroupDidChangePresets");

PresetGroup::PresetGroup(const QString& name, const QString& detail, const QList<PresetItemPtr>& presets)
    : PresetLibraryObject(name, detail, didChangeInfoNotification), presets_(presets)
{
}

PresetGroup::PresetGroup(const PresetGroup& presetGroup)
    : PresetLibraryObject(presetGroup.name(), presetGroup.detail(), didChangeInfoNotification)
{
    // A preset belongs to one group: the copy gets presets of its own.
    for (const PresetItemPtr& preset : presetGroup.presets_)
        presets_.append(std::make_shared<PresetItem>(*preset));
}

bool PresetGroup::contains(const PresetItem* preset) const
{
    return std::any_of(presets_.cbegin(), presets_.cend(),
                       [preset](const PresetItemPtr& held) { return held.get() == preset; });
}

void PresetGroup::insertPresets(const QList<PresetItemPtr>& presets, int index)
{
    if (presets.isEmpty())
        return;
    index = std::clamp(index, 0, int(presets_.size()));
    for (int i = 0; i < presets.size(); ++i) {
        Q_ASSERT(presets.at(i) && !contains(presets.at(i).get()));
        presets_.insert(index + i, presets.at(i));
    }
    postPresetsChange(PresetGroupEdition::insertion(brisa::IndexSet::range(index, int(presets.size()))));
}

void PresetGroup::removePresets(const brisa::IndexSet& indexes)
{
    brisa::IndexSet removed;
    for (int index : indexes) {
        if (index < presets_.size())
            removed.insert(index);
    }
    if (removed.isEmpty())
        return;
    brisa::remove(presets_, removed);
    postPresetsChange(PresetGroupEdition::removal(removed));
}

std::optional<PresetGroup::PresetGroupEdition> PresetGroup::presetGroupEdition(const brisa::Notification& note)
{
    if (note.name != didChangePresetsNotification)
        return std::nullopt;
    return LibraryListEdition::from(note);
}

void PresetGroup::postPresetsChange(const PresetGroupEdition& edition)
{
    brisa::NotificationCenter::defaultCenter().post(didChangePresetsNotification, this, edition.userInfo());
}

} // namespace halvex

using halvex::PresetGroup;
using halvex::PresetGroupPtr;

namespace {

const QString nameKey = QStringLiteral("name");
const QString detailKey = QStringLiteral("detail");
const QString presetsKey = QStringLiteral("presets");

} // namespace

QJsonValue brisa::JsonCoding<PresetGroupPtr>::encode(const PresetGroupPtr& group)
{
    QJsonObject object;
    KeyedJson::encode(object, nameKey, group->name());
    KeyedJson::encode(object, detailKey, group->detail());
    KeyedJson::encode(object, presetsKey, group->presets());
    return object;
}

PresetGroupPtr brisa::JsonCoding<PresetGroupPtr>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    return std::make_shared<PresetGroup>(
        object.decode<QString>(nameKey), object.decodeIfPresent<QString>(detailKey).value_or(QString()),
        object.decodeIfPresent<QList<halvex::PresetItemPtr>>(presetsKey).value_or(QList<halvex::PresetItemPtr>()));
}
