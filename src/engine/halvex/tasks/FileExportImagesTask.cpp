#include "engine/halvex/tasks/FileExportImagesTask.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvex {

FileExportImagesTask::FileExportImagesTask(Settings settings) : settings_(std::move(settings))
{
    setTitle({settings_.kind == Kind::thumbnail ? QStringLiteral("FileExportThumbnailsTaskTitle")
                                                : QStringLiteral("FileExportRawPreviewsTaskTitle"),
              {}});
}

QString FileExportImagesTask::imageFileName(const QString& mediaPath, Kind kind)
{
    const QString base = QFileInfo(mediaPath).completeBaseName();
    return kind == Kind::thumbnail ? base + QStringLiteral("_thumb.jpg") : base + QStringLiteral(".jpg");
}

void FileExportImagesTask::run()
{
    const QString folder = settings_.folder.toLocalFile();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        addMessage(TaskMessage::error(folder, QStringLiteral("ExportImageFolderMissingError"), {folder}));
        return;
    }
    ostrak::ExifToolPool& pool = settings_.pool ? *settings_.pool : ostrak::ExifToolPool::shared();
    const ostrak::ETTagStorageReader reader(pool);
    const QDir destination(folder);
    setDescription({QStringLiteral("FileExportImagesTaskDescription"), {qlonglong(settings_.editors.size()), folder}});
    forEachItem(int(settings_.editors.size()), pool.maximumProcessCount(), [&](int index) {
        const TagEditor& editor = *settings_.editors.at(index);
        if (editor.isFolder())
            return;
        const QString path = editor.source().url().toLocalFile();
        ostrak::ExifToolMessage error;
        QByteArray image;
        if (settings_.kind == Kind::thumbnail) {
            image = reader.readBinary(path, QStringLiteral("ThumbnailImage"), &error);
        } else {
            image = reader.readBinary(path, QStringLiteral("JpgFromRaw"), &error);
            if (image.isEmpty() && error.isEmpty())
                image = reader.readBinary(path, QStringLiteral("PreviewImage"), &error);
        }
        if (!error.isEmpty()) {
            addMessage(TaskMessage::error(path, QStringLiteral("ExportImageReadError"), {path, error.text()}));
            return;
        }
        if (image.isEmpty()) {
            addMessage(TaskMessage::error(path, settings_.kind == Kind::thumbnail ? QStringLiteral("ExportImageNoThumbnailError")
                                                                                  : QStringLiteral("ExportImageNoPreviewError"),
                                          {path}));
            return;
        }
        const QString target = destination.filePath(imageFileName(path, settings_.kind));
        // Created exclusively: a file of that name (perhaps the media file itself) is kept.
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            addMessage(TaskMessage::error(path, QFileInfo::exists(target) ? QStringLiteral("ExportImageExistsError")
                                                                          : QStringLiteral("ExportImageWriteError"),
                                          {target, path, file.errorString()}));
            return;
        }
        if (file.write(image) != image.size() || !file.flush()) {
            const QString reason = file.errorString();
            file.close();
            file.remove();
            addMessage(TaskMessage::error(path, QStringLiteral("ExportImageWriteError"), {target, path, reason}));
        }
    });
}

} // namespace halvex
