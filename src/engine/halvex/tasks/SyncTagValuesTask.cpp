#include "engine/halvex/tasks/SyncTagValuesTask.h"

#include "engine/halvex/tags/TagEditor.h"

namespace halvex {

SyncTagValuesTask::Settings::Settings(QList<std::shared_ptr<TagEditor>> editors)
{
    for (const std::shared_ptr<TagEditor>& editor : editors) {
        if (editor && editor->isFolder())
            this->editors.append(editor);
    }
}

SyncTagValuesTask::SyncTagValuesTask(Settings settings)
    : ImmediateWriteTask(settings.pool, settings.ignoreErrors), settings_(std::move(settings))
{
    setTitle({QStringLiteral("SyncTagValuesTaskTitle"), {}});
}

void SyncTagValuesTask::run()
{
    QStringList copies;
    for (const TagSyncPair& pair : settings_.pairs) {
        if (!pair.source.rawValue().isEmpty() && !pair.destination.rawValue().isEmpty())
            copies << QLatin1Char('-') + pair.destination.rawValue() + QLatin1Char('<') + pair.source.rawValue();
    }
    QList<std::shared_ptr<TagEditor>> folders;
    for (const std::shared_ptr<TagEditor>& editor : settings_.editors) {
        if (editor && editor->isFolder())
            folders.append(editor);
    }
    if (copies.isEmpty() || folders.isEmpty())
        return;
    QStringList arguments = ImmediateFileWriter::options(false, settings_.ignoreErrors);
    arguments << QStringLiteral("-tagsFromFile") << QStringLiteral("@") << copies;
    const QList<Target> targets = targetsOf(folders);
    setDescription({QStringLiteral("SyncTagValuesTaskDescription"), {qlonglong(targets.size())}});
    writeEach(targets, [&arguments](const Target& target, const ImmediateFileWriter& writer, QList<TaskMessage>& messages) {
        return writer.write(target.path, arguments, messages);
    });
}

} // namespace halvex
