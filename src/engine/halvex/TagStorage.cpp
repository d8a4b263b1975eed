#include "engine/halvex/TagStorage.h"

#include "engine/ostrak/TagRecordSet.h"

namespace halvex {

TagStorage::TagStorage(TagStorageSource source) : source_(std::move(source)) {}

TagStorage::TagStorage(TagStorageSource source, const ostrak::TagRecordSet& records) : source_(std::move(source))
{
    names_.reserve(records.records.size());
    values_.reserve(records.records.size());
    for (const ostrak::TagRecord& record : records.records) {
        const QString group = record.copy > 0 ? record.group + QStringLiteral(":Copy") + QString::number(record.copy)
                                              : record.group;
        setValue(ostrak::TagName(group, record.name), TagValue::fromRecord(record));
    }
}

std::optional<TagValue> TagStorage::value(const ostrak::TagName& tagName) const
{
    const auto found = values_.constFind(tagName);
    if (found == values_.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<QString> TagStorage::currentValue(const ostrak::TagName& tagName) const
{
    const auto found = values_.constFind(tagName);
    if (found == values_.constEnd())
        return std::nullopt;
    return found->text();
}

void TagStorage::setValue(const ostrak::TagName& tagName, const TagValue& value)
{
    auto found = values_.find(tagName);
    if (found != values_.end()) {
        *found = value;
        return;
    }
    names_.append(tagName);
    values_.insert(tagName, value);
}

void TagStorage::removeValue(const ostrak::TagName& tagName)
{
    if (values_.remove(tagName))
        names_.removeOne(tagName);
}

} // namespace halvex
