#pragma once

#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/libraries/PresetItem.h"

namespace halvex {

// Applies the entries of a preset to tag editors (applyPresetEntries) as one edition task, with
// no label. The editors and the entries are taken when the task is made: a later change of the
// selection or of the preset does not reach a task already queued. A search pattern that is no
// valid regular expression is reported as an error message of the task.
class ApplyPresetTask : public EditionTask {
public:
    ApplyPresetTask(const TagEditorList& editors, const QList<PresetItem::Entry>& entries);
};

} // namespace halvex
