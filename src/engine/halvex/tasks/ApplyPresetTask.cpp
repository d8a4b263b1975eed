#include "engine/halvex/tasks/ApplyPresetTask.h"

#include "engine/halvex/editions/ApplyPresetEntries.h"

namespace halvex {

ApplyPresetTask::ApplyPresetTask(const TagEditorList& editors, const QList<PresetItem::Entry>& entries)
    : EditionTask([this, editors, entries] {
        for (const LocalizedText& problem : applyPresetEntries(editors, entries))
            addMessage(TaskMessage::error(QString(), problem.key, problem.arguments));
    })
{
}

} // namespace halvex
