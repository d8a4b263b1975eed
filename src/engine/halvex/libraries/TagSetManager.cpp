#include "engine/halvex/libraries/TagSetManager.h"

#include "platform/brisa/core/ArrayHelpers.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace halvex {

namespace {

using Domain = TagSetManager::Domain;
using FlatEntry = TagSet::FlatEntry;

const QString domainKey = QStringLiteral("HalvexTagSetDomain");

QString fileName(Domain domain)
{
    return QStringLiteral("TagSet-") + brisa::rawValue(domain) + QStringLiteral(".json");
}

TagSet builtInSet(Domain domain)
{
    return domain == Domain::chosen ? TagSet::forVideos() : TagSet::popular();
}

} // namespace

const QString TagSetManager::didEditSetsNotification = QStringLiteral("HalvexTagSetManagerDidEditSets");

TagSetManager& TagSetManager::shared()
{
    static TagSetManager manager(QFileInfo(LibraryFile::dataPath(fileName(Domain::chosen))).absolutePath());
    return manager;
}

TagSetManager::TagSetManager(const QString& folder)
{
    for (Domain domain : brisa::allCases<Domain>()) {
        const TagSet builtIn = builtInSet(domain);
        libraries_.push_back(Library{LibraryFile(QDir(folder).filePath(fileName(domain))), builtIn, builtIn});
    }
}

void TagSetManager::setDefaultTagSet(Domain domain, const TagSet& tagSet)
{
    QMutexLocker lock(&mutex_);
    library(domain).defaultSet = tagSet;
}

TagSet TagSetManager::defaultTagSet(Domain domain) const
{
    QMutexLocker lock(&mutex_);
    return library(domain).defaultSet;
}

void TagSetManager::load(Domain domain)
{
    Library& stored = library(domain);
    std::optional<TagSet> loaded;
    try {
        loaded = stored.file.load<TagSet>();
    } catch (const LibraryError&) {
        stored.unreadable = true;
        throw;
    }
    stored.unreadable = false;
    setTagSet(domain, loaded ? *loaded : defaultTagSet(domain));
}

void TagSetManager::load()
{
    std::optional<LibraryError> firstFailure;
    for (Domain domain : brisa::allCases<Domain>()) {
        try {
            load(domain);
        } catch (const LibraryError& error) {
            if (!firstFailure)
                firstFailure = error;
        }
    }
    if (firstFailure)
        throw *firstFailure;
}

QList<Domain> TagSetManager::unreadableDomains() const
{
    QList<Domain> domains;
    for (Domain domain : brisa::allCases<Domain>()) {
        if (library(domain).unreadable)
            domains.append(domain);
    }
    return domains;
}

void TagSetManager::commit(Domain domain)
{
    Library& stored = library(domain);
    stored.file.save(tagSet(domain));
    stored.unreadable = false;
}

TagSet TagSetManager::tagSet(Domain domain) const
{
    QMutexLocker lock(&mutex_);
    return library(domain).tagSet;
}

void TagSetManager::restoreDefault(Domain domain)
{
    setTagSet(domain, defaultTagSet(domain));
}

void TagSetManager::replace(Domain domain, const std::function<TagSet(const TagSet&)>& transform)
{
    setTagSet(domain, transform(tagSet(domain)));
}

void TagSetManager::insert(Domain domain, const QList<FlatEntry>& entries, int row)
{
    editEntries(domain, [&entries, row](QList<FlatEntry>& list) {
        int at = std::clamp(row, 0, int(list.size()));
        for (const FlatEntry& entry : entries) {
            if (!entry.isSection() && list.contains(entry))
                continue;
            list.insert(at++, entry);
        }
    });
}

void TagSetManager::remove(Domain domain, const brisa::IndexSet& rows)
{
    editEntries(domain, [&rows](QList<FlatEntry>& list) { brisa::remove(list, rows); });
}

void TagSetManager::move(Domain domain, const brisa::IndexSet& rows, int destination)
{
    editEntries(domain, [&rows, destination](QList<FlatEntry>& list) { brisa::move(list, rows, destination); });
}

void TagSetManager::renameSection(Domain domain, int row, const QString& title)
{
    editEntries(domain, [row, &title](QList<FlatEntry>& list) {
        if (row >= 0 && row < list.size() && list.at(row).isSection())
            list[row] = TagSection(title);
    });
}

void TagSetManager::moveEntryDown(Domain domain, int row)
{
    editEntries(domain, [row](QList<FlatEntry>& list) {
        if (row >= 0 && row + 1 < list.size())
            list.swapItemsAt(row, row + 1);
    });
}

void TagSetManager::moveEntryUp(Domain domain, int row)
{
    editEntries(domain, [row](QList<FlatEntry>& list) {
        if (row >= 1 && row < list.size())
            list.swapItemsAt(row, row - 1);
    });
}

std::optional<Domain> TagSetManager::editedDomain(const brisa::Notification& note)
{
    if (note.name != didEditSetsNotification)
        return std::nullopt;
    return brisa::caseFromRawValue<Domain>(note.userInfo.value(domainKey).toString());
}

void TagSetManager::setTagSet(Domain domain, const TagSet& tagSet)
{
    {
        QMutexLocker lock(&mutex_);
        TagSet& current = library(domain).tagSet;
        if (current == tagSet)
            return;
        current = tagSet;
    }
    brisa::NotificationCenter::defaultCenter().post(didEditSetsNotification, this,
                                                    {{domainKey, brisa::rawValue(domain)}});
}

void TagSetManager::editEntries(Domain domain, const std::function<void(QList<FlatEntry>&)>& edit)
{
    QList<FlatEntry> entries = tagSet(domain).entries();
    edit(entries);
    setTagSet(domain, TagSet(entries));
}

} // namespace halvex

const QList<std::pair<halvex::TagSetManager::Domain, QString>>&
brisa::EnumStrings<halvex::TagSetManager::Domain>::table()
{
    using Domain = halvex::TagSetManager::Domain;
    static const QList<std::pair<Domain, QString>> entries{
        {Domain::chosen, QStringLiteral("chosen")},
        {Domain::popular, QStringLiteral("popular")},
    };
    return entries;
}
