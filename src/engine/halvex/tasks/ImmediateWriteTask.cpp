#include "engine/halvex/tasks/ImmediateWriteTask.h"

#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/FolderListing.h"
#include "engine/ostrak/ETSettings.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QFileInfo>
#include <QSet>

#include <atomic>

namespace halvex {

ImmediateWriteTask::ImmediateWriteTask(ostrak::ExifToolPool* pool, bool ignoreErrors)
    : pool_(pool ? pool : &ostrak::ExifToolPool::shared()), ignoreErrors_(ignoreErrors)
{
}

QList<ImmediateWriteTask::Target> ImmediateWriteTask::targetsOf(const QList<std::shared_ptr<TagEditor>>& editors)
{
    const QString backupFolder = ostrak::ETSettings::shared().backupFolder();
    QList<Target> targets;
    QSet<QString> seen;
    const auto add = [&](const std::shared_ptr<TagEditor>& editor, const QString& path, bool inFolder) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (!canonical.isEmpty() && seen.contains(canonical))
            return;
        seen.insert(canonical);
        targets.append({editor, path, inFolder});
    };
    for (const std::shared_ptr<TagEditor>& editor : editors) {
        if (!editor)
            continue;
        const auto* folder = dynamic_cast<const ETTagEditor*>(editor.get());
        if (!folder) {
            add(editor, editor->source().url().toLocalFile(), false);
            continue;
        }
        const QString root = folder->source().url().toLocalFile();
        if (!QFileInfo(root).isDir()) {
            addMessage(TaskMessage::error(root, QStringLiteral("ImmediateWriteFileMissingError"), {root}));
            continue;
        }
        const FolderListing listing = FolderListing::ofFolderEditor(*folder, backupFolder);
        for (const FolderListing::UnreadableName& name : listing.unreadableNames())
            addMessage(TaskMessage::error(name.lossyPath(), QStringLiteral("ImmediateWriteUnreadableNameError"),
                                          {name.lossyPath(), name.folder, name.escapedName()}));
        if (listing.files().isEmpty() && listing.unreadableNames().isEmpty())
            addMessage(TaskMessage::error(root, QStringLiteral("ImmediateWriteFolderHasNoFilesError"), {root}));
        for (const QString& file : listing.files())
            add(editor, file, true);
    }
    return targets;
}

void ImmediateWriteTask::writeEach(const QList<Target>& targets, const Write& write)
{
    const ImmediateFileWriter writer(*pool_, ostrak::ETSettings::shared().backupFolder());
    setTotalCount(int(targets.size()));
    std::atomic<bool> stopped = false;
    const int parallelism = ignoreErrors_ ? pool_->maximumProcessCount() : 1;
    forEachItem(int(targets.size()), parallelism, [&](int index) {
        const Target& target = targets[index];
        if (stopped) {
            addMessage(TaskMessage::error(target.path, QStringLiteral("ImmediateWriteStoppedError"), {target.path}));
            return;
        }
        QList<TaskMessage> messages;
        const ImmediateFileWriter::Result result = write(target, writer, messages);
        if (result == ImmediateFileWriter::Result::rewritten && !target.inFolder)
            writer.reread(target.path, *target.editor, messages);
        for (const TaskMessage& message : std::as_const(messages))
            addMessage(message);
        if (result == ImmediateFileWriter::Result::failed && !ignoreErrors_)
            stopped = true;
    });
}

} // namespace halvex
