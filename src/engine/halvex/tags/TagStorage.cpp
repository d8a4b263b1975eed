#include "engine/halvex/tags/TagStorage.h"

#include "engine/ostrak/SharedText.h"
#include "engine/ostrak/TagRecordSet.h"

namespace halvex {

TagStorage::TagStorage(TagStorageSource source) : source_(std::move(source)) {}

TagStorage::TagStorage(TagStorageSource source, const ostrak::TagRecordSet& records) : source_(std::move(source))
{
    using ostrak::SharedText;
    names_.reserve(records.records.size());
    values_.reserve(records.records.size());
    // The lowest copy number of each group and name that has copies; a first copy (0) always
    // keeps the plain name, so only names that have no such record need looking at.
    QHash<ostrak::TagName, int> firstCopy;
    for (const ostrak::TagRecord& record : records.records) {
        if (record.copy > 0)
            firstCopy.insert(ostrak::TagName(record.group, record.name), record.copy);
    }
    if (!firstCopy.isEmpty()) {
        for (const ostrak::TagRecord& record : records.records) {
            const auto found = firstCopy.find(ostrak::TagName(record.group, record.name));
            if (found != firstCopy.end() && record.copy < *found)
                *found = record.copy;
        }
    }
    for (const ostrak::TagRecord& record : records.records) {
        // Groups and names repeat across every file opened: one shared copy of each. The reader
        // gives them shared already.
        ostrak::TagName name(SharedText::shared(record.group), SharedText::shared(record.name));
        if (record.copy > 0 && record.copy != firstCopy.value(name))
            name = ostrak::TagName(SharedText::shared(record.group + QStringLiteral(":Copy") + QString::number(record.copy)),
                                   name.name());
        const qsizetype before = values_.size();
        values_.insert(name, TagValue::fromRecord(record));
        // A name read twice keeps its first place and its last value.
        if (values_.size() != before)
            names_.append(std::move(name));
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
