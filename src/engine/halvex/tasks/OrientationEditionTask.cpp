#include "engine/halvex/tasks/OrientationEditionTask.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/tags/TagEditor.h"

#include <QMutex>
#include <QSet>

namespace halvex {

OrientationEditionTask::OrientationEditionTask(const TagEditorList& editors, Operation operation)
    : EditionTask(editors, EditorEdition()), operation_(std::move(operation))
{
}

void OrientationEditionTask::run()
{
    EditionManager::Scope edition;
    if (!operation_)
        return;
    QMutex mutex;
    QSet<const TagEditor*> mirrorsDropped;
    editors().editConcurrently([&](const std::shared_ptr<TagEditor>& editor) {
        if (operation_(*editor) == OrientationEditResult::mirrorDropped) {
            const QMutexLocker locker(&mutex);
            mirrorsDropped.insert(editor.get());
        }
    });
    for (const std::shared_ptr<TagEditor>& editor : editors().editors()) {
        if (mirrorsDropped.remove(editor.get()))
            addMessage(orientationMirrorDroppedMessage(*editor));
    }
}

} // namespace halvex
