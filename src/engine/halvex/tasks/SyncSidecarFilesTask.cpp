#include "engine/halvex/tasks/SyncSidecarFilesTask.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/SidecarWriter.h"
#include "engine/halvex/tasks/TagValueStager.h"
#include "engine/ostrak/ETSettings.h"
#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>

namespace halvex {

SyncSidecarFilesTask::SyncSidecarFilesTask(Settings settings)
    : settings_(std::move(settings)), pool_(settings_.pool ? settings_.pool : &ostrak::ExifToolPool::shared())
{
    const QString kind = settings_.extension ? settings_.extension->toUpper() : QString();
    if (settings_.exports)
        setTitle({QStringLiteral("SyncSidecarFilesTaskExportTitle"), {kind}});
    else if (settings_.extension)
        setTitle({QStringLiteral("SyncSidecarFilesTaskImportTitle"), {kind}});
    else
        setTitle({QStringLiteral("SyncSidecarFilesTaskImportCopiesTitle"), {}});
}

QString SyncSidecarFilesTask::sidecarPath(const QString& mediaPath, const Settings& settings)
{
    const QFileInfo media(mediaPath);
    if (!settings.extension) {
        const QString folder = settings.folder ? settings.folder->toLocalFile() : QString();
        return folder.isEmpty() ? QString() : QDir(folder).filePath(media.fileName());
    }
    return media.dir().filePath(media.completeBaseName() + QLatin1Char('.') + *settings.extension);
}

std::optional<TaskMessage> SyncSidecarFilesTask::importInto(TagEditor& editor, const QString& sidecar) const
{
    const QString path = editor.source().url().toLocalFile();
    const QFileInfo info(sidecar);
    if (sidecar.isEmpty() || !info.exists())
        return TaskMessage::error(path, QStringLiteral("SidecarMissingError"), {sidecar, path});
    if (QFileInfo(path).canonicalFilePath() == info.canonicalFilePath())
        return TaskMessage::error(path, QStringLiteral("SidecarIsFileError"), {path});
    const ostrak::TagRecordSet records = ostrak::ETTagStorageReader(*pool_).read({sidecar}).front();
    if (const auto damage = TagValueStager::damage(records))
        return TaskMessage::error(path, QStringLiteral("SidecarReadError"), {sidecar, path, *damage});
    if (settings_.extension) {
        const ostrak::TagRecord* type = records.find(QStringLiteral("File"), QStringLiteral("FileTypeExtension"));
        if (!type || type->value.compare(*settings_.extension, Qt::CaseInsensitive) != 0)
            return TaskMessage::error(path, QStringLiteral("SidecarKindError"), {sidecar, path, settings_.extension->toUpper()});
    }
    TagValueStager().stage(editor, TagStorage(TagStorageSource(QUrl::fromLocalFile(sidecar)), records));
    return std::nullopt;
}

void SyncSidecarFilesTask::run()
{
    const SidecarWriter writer(*pool_, ostrak::ETSettings::shared().backupFolder());
    // Every value staged by the run is one edition: one undo step.
    EditionManager::Scope edition;
    const auto recording = EditionManager::currentEdition();
    std::atomic<bool> stopped = false;
    const int parallelism = settings_.ignoreErrors ? pool_->maximumProcessCount() : 1;
    forEachItem(int(settings_.editors.size()), parallelism, [&](int index) {
        EditionManager::Scope join(recording);
        TagEditor& editor = *settings_.editors.at(index);
        if (editor.isFolder() || stopped)
            return;
        const QString path = editor.source().url().toLocalFile();
        const QString sidecar = sidecarPath(path, settings_);
        std::optional<TaskMessage> message;
        if (settings_.exports)
            message = settings_.extension ? writer.write(path, sidecar, *settings_.extension, true)
                                          : TaskMessage::error(path, QStringLiteral("SidecarMissingError"), {sidecar, path});
        else
            message = importInto(editor, sidecar);
        if (message) {
            addMessage(*message);
            if (!settings_.ignoreErrors)
                stopped = true;
        }
    });
}

} // namespace halvex
