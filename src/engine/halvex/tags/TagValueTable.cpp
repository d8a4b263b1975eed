#include "engine/halvex/tags/TagValueTable.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QThread>

namespace halvex {

const QString TagValueTable::didReloadNotification = QStringLiteral("TagValueTableDidReloadNotification");

namespace {

const QString reloadKindKey = QStringLiteral("reloadKind");
const QString changedEntryIndexesKey = QStringLiteral("changedEntryIndexes");

bool isMainThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

// Entries stand in the same places: the same sections and the same tags, in the same order.
bool sameLayout(const QList<TagValueTableEntry>& a, const QList<TagValueTableEntry>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const TagValueTableEntry& x = a.at(i);
        const TagValueTableEntry& y = b.at(i);
        if (x.isSection() != y.isSection())
            return false;
        if (x.isSection() ? !(x.section() == y.section()) : x.tagName() != y.tagName())
            return false;
    }
    return true;
}

} // namespace

std::optional<TagValueTable::ReloadType> TagValueTable::reloadType(const brisa::Notification& note)
{
    if (note.name != didReloadNotification)
        return std::nullopt;
    bool ok = false;
    const int kind = note.userInfo.value(reloadKindKey).toInt(&ok);
    if (!ok)
        return std::nullopt;
    switch (ReloadType::Kind(kind)) {
    case ReloadType::Kind::changedEntries: {
        const QVariant indexes = note.userInfo.value(changedEntryIndexesKey);
        if (indexes.canConvert<brisa::IndexSet>())
            return ReloadType::changedEntries(indexes.value<brisa::IndexSet>());
        return ReloadType::changedEntries(std::nullopt);
    }
    case ReloadType::Kind::reloadAll:
        return ReloadType::reloadAll();
    case ReloadType::Kind::reselect:
        return ReloadType::reselect();
    }
    return std::nullopt;
}

TagValueTable::TagValueTable(Request request, TagSetManager& tagSets, TaskManager& tasks)
    : tagSets_(tagSets), tasks_(tasks), content_(build(request, nullptr)), mainThreadContext_(std::make_unique<QObject>())
{
    tagSetsSubscriber_.subscribe(TagSetManager::didEditSetsNotification, &tagSets_,
                                 [this](const brisa::Notification& note) {
                                     if (TagSetManager::editedDomain(note) == content_.request().domain)
                                         reload(content_.request());
                                 });
    editionsSubscriber_.subscribe(EditionManager::didFlushHistoryNotification, nullptr,
                                  [this](const brisa::Notification& note) {
                                      const auto history = EditionManager::history(note);
                                      if (!history)
                                          return;
                                      QList<const TagEditor*> edited;
                                      QList<ostrak::TagName> names;
                                      for (const auto& entry : history->entries()) {
                                          edited << entry.identity;
                                          names << entry.tagNames;
                                      }
                                      reloadAfterEdition(edited, names);
                                  });
}

TagValueTable::~TagValueTable() = default;

TagValueTable::Content TagValueTable::content() const
{
    return content_;
}

TagValueTable::Request TagValueTable::latestRequest() const
{
    return content_.request();
}

void TagValueTable::reload(const Request& request)
{
    if (!isMainThread()) {
        onMainThread([this, request] { reload(request); });
        return;
    }
    Content built = build(request, &content_);
    const bool selectionChanged = built.selectedEntryIndexes() != content_.selectedEntryIndexes();
    ReloadType type = ReloadType::reloadAll();
    if (sameLayout(content_.entries(), built.entries())) {
        const bool contentRenewed = request.rowContentProvider != content_.request().rowContentProvider;
        brisa::IndexSet changed;
        for (int i = 0; i < built.entries().size(); ++i) {
            const Entry& entry = built.entries().at(i);
            if (entry.isRow() && (contentRenewed || !(entry.rowValue() == content_.entries().at(i).rowValue())))
                changed.insert(i);
        }
        if (!selectionChanged)
            type = ReloadType::changedEntries(changed);
        else if (changed.isEmpty())
            type = ReloadType::reselect();
    }
    content_ = std::move(built);

    QVariantMap userInfo{{reloadKindKey, int(type.kind())}};
    if (type.changedEntryIndexes())
        userInfo.insert(changedEntryIndexesKey, QVariant::fromValue(*type.changedEntryIndexes()));
    brisa::NotificationCenter::defaultCenter().post(didReloadNotification, this, userInfo);
}

bool TagValueTable::isLocked() const
{
    return !content_.editors().isEmpty() && tasks_.isEditing();
}

void TagValueTable::reloadAfterEdition(const QList<const TagEditor*>& editedEditors,
                                       const std::optional<QList<ostrak::TagName>>& editedTagNames)
{
    if (!isMainThread()) {
        onMainThread([this, editedEditors, editedTagNames] { reloadAfterEdition(editedEditors, editedTagNames); });
        return;
    }
    const QSet<const TagEditor*> edited(editedEditors.begin(), editedEditors.end());
    for (const auto& editor : content_.editors()) {
        if (edited.contains(editor.get())) {
            // A row's value and edited state come from its own tag alone, so an edition reaches
            // only the rows of the tags it changed; a filter may need other rows, so it reads all.
            if (editedTagNames && content_.request().filter.constrainsNothing())
                refreshRows(QSet<ostrak::TagName>(editedTagNames->begin(), editedTagNames->end()));
            else
                reload(content_.request());
            return;
        }
    }
}

void TagValueTable::refreshRows(const QSet<ostrak::TagName>& tagNames)
{
    QList<Entry> entries = content_.entries();
    QList<int> indexes;
    QList<ostrak::TagItem> tagItems;
    for (int i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries.at(i);
        if (entry.isRow() && tagNames.contains(*entry.tagName())) {
            indexes << i;
            tagItems << entry.rowValue().tagItem();
        }
    }
    const Request& request = content_.request();
    QList<RowValue> rows = RowValue::read(tagItems, request.editors);
    brisa::IndexSet changed;
    for (int r = 0; r < rows.size(); ++r) {
        const int index = indexes.at(r);
        if (rows.at(r) == entries.at(index).rowValue())
            continue;
        QVariant content = request.rowContentProvider ? request.rowContentProvider->value()(rows.at(r)) : QVariant();
        entries[index] = Entry(std::move(rows[r]), std::move(content));
        changed.insert(index);
    }
    if (!changed.isEmpty()) {
        QList<RowValue> selectedRows;
        selectedRows.reserve(content_.selectedEntryIndexes().count());
        for (int index : content_.selectedEntryIndexes())
            selectedRows.append(entries.at(index).rowValue());
        brisa::IndexSet selection = content_.selectedEntryIndexes();
        content_ = Content(request, std::move(entries), std::move(selection), ValueSet(request.editors, selectedRows));
    }
    const ReloadType type = ReloadType::changedEntries(changed);
    QVariantMap userInfo{{reloadKindKey, int(type.kind())}};
    userInfo.insert(changedEntryIndexesKey, QVariant::fromValue(changed));
    brisa::NotificationCenter::defaultCenter().post(didReloadNotification, this, userInfo);
}

TagValueTable::Content TagValueTable::build(const Request& request, const Content* previous) const
{
    const TagSet tagSet = tagSets_.tagSet(request.domain);
    QList<ostrak::TagItem> tagItems;
    tagItems.reserve(tagSet.count());
    for (const TagSet::FlatEntry& flatEntry : tagSet.entries()) {
        if (!flatEntry.isSection())
            tagItems.append(TagEditor::tagItem(*flatEntry.tagName()));
    }
    QList<RowValue> rows = RowValue::read(tagItems, request.editors);

    // Content made by the same provider for the same row value is still good.
    QHash<ostrak::TagName, const Entry*> reusable;
    if (previous && request.rowContentProvider && request.rowContentProvider == previous->request().rowContentProvider) {
        for (const Entry& entry : previous->entries()) {
            if (entry.isRow())
                reusable.insert(entry.rowValue().tagItem().tagName(), &entry);
        }
    }

    const bool keepsEveryEntry = request.filter.constrainsNothing();
    QList<Entry> entries;
    entries.reserve(tagSet.count());
    std::optional<TagSection> pendingSection;
    qsizetype nextRow = 0;
    for (const TagSet::FlatEntry& flatEntry : tagSet.entries()) {
        if (flatEntry.isSection()) {
            // Under a filter, a heading shows only above rows that pass it.
            if (keepsEveryEntry)
                entries.append(flatEntry.section());
            else
                pendingSection = flatEntry.section();
            continue;
        }
        RowValue& row = rows[nextRow++];
        if (!request.filter.filter(row))
            continue;
        if (pendingSection) {
            entries.append(*pendingSection);
            pendingSection.reset();
        }
        QVariant content;
        if (const Entry* old = reusable.value(row.tagItem().tagName()); old && old->rowValue() == row)
            content = old->content();
        else if (request.rowContentProvider)
            content = request.rowContentProvider->value()(row);
        entries.append(Entry(std::move(row), std::move(content)));
    }

    // The selection names places in the previous entries: keep the same tags selected.
    brisa::IndexSet selection;
    if (previous) {
        const QList<ostrak::TagName> names = previous->names(request.selectedEntryIndexes);
        const QSet<ostrak::TagName> selectedNames(names.begin(), names.end());
        for (int i = 0; i < entries.size(); ++i) {
            if (entries.at(i).isRow() && selectedNames.contains(*entries.at(i).tagName()))
                selection.insert(i);
        }
    } else {
        for (int index : request.selectedEntryIndexes) {
            if (index < entries.size() && entries.at(index).isRow())
                selection.insert(index);
        }
    }

    QList<RowValue> selectedRows;
    selectedRows.reserve(selection.count());
    for (int index : selection)
        selectedRows.append(entries.at(index).rowValue());
    return Content(request, std::move(entries), std::move(selection), ValueSet(request.editors, selectedRows));
}

void TagValueTable::onMainThread(std::function<void()> work)
{
    QMetaObject::invokeMethod(mainThreadContext_.get(), std::move(work), Qt::QueuedConnection);
}

} // namespace halvex
