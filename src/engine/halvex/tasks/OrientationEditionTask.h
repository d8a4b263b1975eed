#pragma once

#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditorOrientation.h"

#include <functional>

namespace halvex {

// Turns or mirrors the pictures of several files as one edition, each file on its own (the
// files are edited side by side). A movie that cannot keep a mirroring is reported by name,
// in list order, as a warning of the task: its turn is staged, its mirror is not.
class OrientationEditionTask : public EditionTask {
public:
    using Operation = std::function<OrientationEditResult(TagEditor& editor)>;

    OrientationEditionTask(const TagEditorList& editors, Operation operation);

protected:
    void run() override;

private:
    const Operation operation_;
};

} // namespace halvex
