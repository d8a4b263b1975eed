#include "engine/halvex/tasks/TagValueStager.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/SaveArguments.h"

namespace halvex {

namespace {

bool isFileSystemGroup(const QString& family0)
{
    static const QSet<QString> groups{QStringLiteral("System"), QStringLiteral("File"), QStringLiteral("Composite"),
                                      QStringLiteral("ExifTool")};
    return groups.contains(family0);
}

} // namespace

QList<ostrak::TagName> TagValueStager::namesToStage(const TagStorage& source) const
{
    QList<ostrak::TagName> names;
    QSet<ostrak::TagName> seen;
    for (const ostrak::TagName& stored : source.tagNames()) {
        const ostrak::TagName name = SaveArguments::withoutCopyNumber(stored);
        if (seen.contains(name) || excludedNames.contains(name))
            continue;
        const auto value = source.value(stored);
        if (!value || value->isBinary())
            continue;
        const auto item = name.item();
        // Protected tags describe the file's own layout; unsafe ones belong to the file they were
        // read from (ExifTool copies neither unless named).
        if (!item || !item->isWritable() || isFileSystemGroup(item->family0Group()) || isFileSystemGroup(name.group())
            || item->flags().testAnyFlags(ostrak::TagItem::Protected | ostrak::TagItem::Unsafe))
            continue;
        if (excludedStreams.contains(ostrak::TagStream(name.group()))
            || excludedStreams.contains(ostrak::TagStream(item->family0Group())))
            continue;
        seen.insert(name);
        names.append(stored);
    }
    return names;
}

std::optional<QString> TagValueStager::damage(const ostrak::TagRecordSet& records)
{
    if (!records.isRead())
        return records.error.text();
    QStringList warnings = records.warnings;
    warnings.removeIf([](const QString& warning) { return warning.startsWith(QLatin1String("[minor]")); });
    if (warnings.isEmpty())
        return std::nullopt;
    return warnings.join(QLatin1Char('\n'));
}

int TagValueStager::stage(TagEditor& editor, const TagStorage& source) const
{
    int staged = 0;
    for (const ostrak::TagName& stored : namesToStage(source)) {
        const TagValue value = *source.value(stored);
        if (editor.setValues(value.values(), SaveArguments::withoutCopyNumber(stored)))
            ++staged;
    }
    return staged;
}

} // namespace halvex
