#include "engine/halvex/tags/TagStorage.h"

#include "engine/ostrak/TagRecordSet.h"

#include <QMutex>
#include <QSet>

namespace halvex {

namespace {

// Groups and tag names repeat across every file opened: one shared copy of each keeps thousands
// of storages from each holding their own. Each thread remembers the copies it was given, so
// that threads reading files side by side seldom wait for one another.
QString shared(const QString& text)
{
    thread_local QSet<QString> known;
    const auto seen = known.constFind(text);
    if (seen != known.constEnd())
        return *seen;
    static QMutex mutex;
    static QSet<QString> texts;
    QString copy;
    {
        QMutexLocker locker(&mutex);
        const auto found = texts.constFind(text);
        copy = found != texts.constEnd() ? *found : *texts.insert(text);
    }
    known.insert(copy);
    return copy;
}

} // namespace

TagStorage::TagStorage(TagStorageSource source) : source_(std::move(source)) {}

TagStorage::TagStorage(TagStorageSource source, const ostrak::TagRecordSet& records) : source_(std::move(source))
{
    names_.reserve(records.records.size());
    values_.reserve(records.records.size());
    QHash<ostrak::TagName, int> firstCopy;
    for (const ostrak::TagRecord& record : records.records) {
        const ostrak::TagName name(record.group, record.name);
        const auto found = firstCopy.constFind(name);
        if (found == firstCopy.constEnd() || record.copy < *found)
            firstCopy.insert(name, record.copy);
    }
    for (const ostrak::TagRecord& record : records.records) {
        ostrak::TagName name(shared(record.group), shared(record.name));
        if (record.copy != firstCopy.value(name))
            name = ostrak::TagName(shared(record.group + QStringLiteral(":Copy") + QString::number(record.copy)),
                                   name.name());
        setValue(name, TagValue::fromRecord(record));
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
