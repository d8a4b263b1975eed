#include "mediainfo/DownloadInfoApplyTask.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/ValueConverter.h"

namespace corvelle {

DownloadInfoApplyTask::DownloadInfoApplyTask(const halvex::TagEditorList& editors,
                                             const QList<StoreInformationRow>& rows)
    : EditionTask([this, editors, rows] {
        QList<std::pair<ostrak::TagName, QString>> values;
        for (const StoreInformationRow& row : rows) {
            const std::optional<QString> stored = row.tag.converter().stringValueFromTypedValue(row.value);
            // A tag of a fixed number of values (the playlist index holds 8) takes no single one.
            const std::optional<int> count = row.tag.count();
            const bool fits = !count || *count <= 1
                || row.value.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() == *count;
            if (!row.tag.isWritable() || !fits) {
                addMessage(halvex::TaskMessage::warning(QString(), QString::fromLatin1(notWrittenKey),
                                                        {row.tag.tagName().rawValue(), row.value}));
            } else if (!stored) {
                // A value the tag cannot hold would delete what the file has: it is left out.
                addMessage(halvex::TaskMessage::warning(QString(), QString::fromLatin1(notConvertedKey),
                                                        {row.tag.tagName().rawValue(), row.value}));
            } else {
                values.append({row.tag.tagName(), *stored});
            }
        }
        editors.editConcurrently([&values](const std::shared_ptr<halvex::TagEditor>& editor) {
            for (const auto& [tagName, value] : values)
                editor->setValue(value, tagName);
        });
    })
{
}

} // namespace corvelle
