#include "engine/halvex/tasks/DeleteItunMoviTask.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/ItemListAtomRemover.h"

namespace halvex {

const QString DeleteItunMoviTask::itemName = QStringLiteral("iTunMOVI");

DeleteItunMoviTask::Settings::Settings(QList<std::shared_ptr<TagEditor>> editors)
{
    for (const std::shared_ptr<TagEditor>& editor : editors) {
        if (editor && !editor->isFolder())
            this->editors.append(editor);
    }
}

DeleteItunMoviTask::DeleteItunMoviTask(Settings settings)
    : ImmediateWriteTask(settings.pool, settings.ignoreErrors), settings_(std::move(settings))
{
    setTitle({QStringLiteral("DeleteItunMoviTaskTitle"), {}});
}

void DeleteItunMoviTask::run()
{
    QList<std::shared_ptr<TagEditor>> files;
    for (const std::shared_ptr<TagEditor>& editor : settings_.editors) {
        if (editor && !editor->isFolder())
            files.append(editor);
    }
    const QList<Target> targets = targetsOf(files);
    setDescription({QStringLiteral("DeleteItunMoviTaskDescription"), {qlonglong(targets.size())}});
    const ItemListAtomRemover remover(itemName);
    writeEach(targets, [&remover](const Target& target, const ImmediateFileWriter& writer, QList<TaskMessage>& messages) {
        if (const auto problem = ImmediateFileWriter::checkWritable(target.path, QStringLiteral("ImmediateWrite"))) {
            messages << *problem;
            return ImmediateFileWriter::Result::failed;
        }
        QString error;
        bool backupFailed = false;
        const ItemListAtomRemover::Result result = remover.remove(
            target.path,
            [&] {
                backupFailed = !writer.backUp(target.path, messages);
                return !backupFailed;
            },
            error);
        switch (result) {
        case ItemListAtomRemover::Result::removed:
            return ImmediateFileWriter::Result::rewritten;
        case ItemListAtomRemover::Result::absent:
            return ImmediateFileWriter::Result::unchanged;
        case ItemListAtomRemover::Result::failed:
            if (!backupFailed)
                messages << TaskMessage::error(target.path, QStringLiteral("DeleteItunMoviFileError"), {target.path, error});
            break;
        }
        return ImmediateFileWriter::Result::failed;
    });
}

} // namespace halvex
