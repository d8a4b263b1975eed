#include "engine/halvex/libraries/PresetItem.h"

#include "platform/brisa/core/ArrayHelpers.h"
#include "platform/brisa/core/KeyedJson.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <algorithm>

namespace halvex {

const QString PresetItem::didChangeInfoNotification = QStringLiteral("HalvexPresetItemDidChangeInfo");
const QString PresetItem::didChangeEntriesNotification = QStringLiteral("HalvexPresetItemDidChangeEntries");

PresetItem::PresetItem(const QString& name, const QString& detail, const QList<Entry>& entries)
    : PresetLibraryObject(name, detail, didChangeInfoNotification), entries_(entries)
{
}

PresetItem::PresetItem(const PresetItem& presetItem)
    : PresetLibraryObject(presetItem.name(), presetItem.detail(), didChangeInfoNotification), entries_(presetItem.entries_)
{
}

void PresetItem::insertEntries(const QList<Entry>& entries, int index)
{
    if (entries.isEmpty())
        return;
    index = std::clamp(index, 0, int(entries_.size()));
    for (int i = 0; i < entries.size(); ++i)
        entries_.insert(index + i, entries.at(i));
    postEntriesChange();
}

void PresetItem::removeEntries(const brisa::IndexSet& indexes)
{
    const qsizetype count = entries_.size();
    brisa::remove(entries_, indexes);
    if (entries_.size() != count)
        postEntriesChange();
}

void PresetItem::modifyEntries(const std::function<void(QList<Entry>&)>& change)
{
    const QList<Entry> before = entries_;
    change(entries_);
    if (entries_ != before)
        postEntriesChange();
}

void PresetItem::postEntriesChange()
{
    brisa::NotificationCenter::defaultCenter().post(didChangeEntriesNotification, this);
}

} // namespace halvex

using halvex::PresetItem;
using halvex::PresetItemPtr;

namespace {

const QString tagNameKey = QStringLiteral("tagName");
const QString editionKey = QStringLiteral("edition");
const QString nameKey = QStringLiteral("name");
const QString detailKey = QStringLiteral("detail");
const QString entriesKey = QStringLiteral("entries");

} // namespace

QJsonValue brisa::JsonCoding<PresetItem::Entry>::encode(const PresetItem::Entry& entry)
{
    QJsonObject object;
    KeyedJson::encode(object, tagNameKey, entry.tagName);
    KeyedJson::encode(object, editionKey, entry.edition);
    return object;
}

PresetItem::Entry brisa::JsonCoding<PresetItem::Entry>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    return PresetItem::Entry(object.decode<ostrak::TagName>(tagNameKey),
                             object.decode<halvex::PresetEdition>(editionKey));
}

QJsonValue brisa::JsonCoding<PresetItemPtr>::encode(const PresetItemPtr& preset)
{
    QJsonObject object;
    KeyedJson::encode(object, nameKey, preset->name());
    KeyedJson::encode(object, detailKey, preset->detail());
    KeyedJson::encode(object, entriesKey, preset->entries());
    return object;
}

PresetItemPtr brisa::JsonCoding<PresetItemPtr>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    return std::make_shared<PresetItem>(
        object.decode<QString>(nameKey), object.decodeIfPresent<QString>(detailKey).value_or(QString()),
        object.decodeIfPresent<QList<PresetItem::Entry>>(entriesKey).value_or(QList<PresetItem::Entry>()));
}
