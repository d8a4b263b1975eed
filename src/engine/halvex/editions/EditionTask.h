#pragma once

#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tasks/AbstractTask.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace halvex {

class TagEditor;

// Edits tag editors in memory, later, on the task manager's thread; nothing touches the files.
//
// How often the closure runs depends on the form, and on nothing else:
// - EditionTask(edition, label): the closure runs ONCE, over whatever it captured (a list of
//   editors edited as a whole through TagEditorList). Work to do on each editor apart goes
//   through TagEditorList::editConcurrently() inside that closure.
// - EditionTask(editors, edition): the closure runs once PER EDITOR, in list order, with that
//   editor (an editor listed twice runs once). Cancelling stops before the next editor.
//
// Either way the whole task is one edition: one history flush when it ends (EditionManager),
// posted before the task manager reports the task removed.
class EditionTask : public AbstractTask {
public:
    using Edition = std::function<void()>;
    using EditorEdition = std::function<void(const std::shared_ptr<TagEditor>& editor)>;

    explicit EditionTask(Edition edition, std::optional<QString> label = std::nullopt);
    EditionTask(const TagEditorList& editors, EditorEdition edition);

    // Shown as the task's description when present.
    const std::optional<QString>& label() const { return label_; }
    // The editors of the per-editor form; empty for the other.
    const TagEditorList& editors() const { return editors_; }

    bool isEdition() const override { return true; }

protected:
    void run() override;

private:
    const std::optional<QString> label_;
    const TagEditorList editors_;
    const Edition edition_;
    const EditorEdition editorEdition_;
};

} // namespace halvex
