#include "engine/halvex/tasks/ExportTagValuesTask.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/SidecarWriter.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QDir>
#include <QFileInfo>

namespace halvex {

ExportTagValuesTask::ExportTagValuesTask(Settings settings) : settings_(std::move(settings))
{
    setTitle({QStringLiteral("ExportTagValuesTaskTitle"), {settings_.extension.toUpper()}});
}

void ExportTagValuesTask::run()
{
    const QString folder = settings_.folder ? settings_.folder->toLocalFile() : QString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        addMessage(TaskMessage::error(folder, QStringLiteral("SidecarFolderMissingError"), {folder, folder}));
        return;
    }
    ostrak::ExifToolPool& pool = settings_.pool ? *settings_.pool : ostrak::ExifToolPool::shared();
    const SidecarWriter writer(pool);
    const QDir destination(folder);
    setDescription({QStringLiteral("ExportTagValuesTaskDescription"), {qlonglong(settings_.editors.size()), folder}});
    forEachItem(int(settings_.editors.size()), pool.maximumProcessCount(), [&](int index) {
        const TagEditor& editor = *settings_.editors.at(index);
        if (editor.isFolder())
            return;
        const QString path = editor.source().url().toLocalFile();
        const QString sidecar = destination.filePath(QFileInfo(path).completeBaseName() + QLatin1Char('.') + settings_.extension);
        if (const auto message = writer.write(path, sidecar, settings_.extension, false))
            addMessage(*message);
    });
}

} // namespace halvex
