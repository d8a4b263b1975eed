#include "engine/halvex/tags/TagComparatorTable.h"

#include "engine/ostrak/TagDatabase.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace halvex {

namespace {

struct Group {
    QString name;
    QList<ostrak::TagName> tagNames;
};

} // namespace

TagComparatorTable::TagComparatorTable(const QList<std::shared_ptr<const TagComparatorProvider>>& providers,
                                       bool hidesStream)
{
    columnTitles_.append(QString());
    for (const auto& provider : providers)
        columnTitles_.append(provider->title());

    QList<Group> groups;
    QHash<QString, qsizetype> groupIndexes;
    QSet<ostrak::TagName> seen;
    for (const auto& provider : providers) {
        for (const ostrak::TagName& name : provider->tagNames()) {
            if (seen.contains(name))
                continue;
            seen.insert(name);
            auto found = groupIndexes.constFind(name.group());
            if (found == groupIndexes.constEnd()) {
                found = groupIndexes.insert(name.group(), groups.size());
                groups.append(Group{name.group(), {}});
            }
            groups[*found].tagNames.append(name);
        }
    }

    const ostrak::TagDatabase& database = ostrak::TagDatabase::shared();
    for (const Group& group : std::as_const(groups)) {
        if (hidesStream)
            rows_.append(TagComparatorRow(group.name));
        for (const ostrak::TagName& name : group.tagNames) {
            QList<std::optional<TagValue>> values;
            values.reserve(providers.size());
            for (const auto& provider : providers)
                values.append(provider->value(name));
            const auto item = database.item(name);
            rows_.append(TagComparatorGroupEntry(name, item ? item->title() : name.name(), std::move(values), hidesStream));
        }
    }
}

TagComparatorTable::TagComparatorTable(QStringList columnTitles, QList<TagComparatorRow> rows)
    : columnTitles_(std::move(columnTitles)), rows_(std::move(rows))
{
}

bool TagComparatorTable::hasTagRows() const
{
    return std::any_of(rows_.begin(), rows_.end(), [](const TagComparatorRow& row) { return !row.isHeading(); });
}

TagComparatorTable TagComparatorTable::narrowed(const QString& search) const
{
    const QString text = search.trimmed();
    if (text.isEmpty())
        return *this;
    QList<TagComparatorRow> kept;
    std::optional<TagComparatorRow> heading;
    bool keepsGroup = false;
    for (const TagComparatorRow& row : rows_) {
        if (row.isHeading()) {
            heading = row;
            keepsGroup = row.heading().contains(text, Qt::CaseInsensitive);
            if (keepsGroup) {
                kept.append(row);
                heading.reset();
            }
            continue;
        }
        if (!keepsGroup && !row.entry().matches(text))
            continue;
        if (heading) {
            kept.append(*heading);
            heading.reset();
        }
        kept.append(row);
    }
    return TagComparatorTable(columnTitles_, std::move(kept));
}

} // namespace halvex
