#include "engine/halvex/tasks/FileExportToPhotosTask.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvex {

FileExportToPhotosTask::FileExportToPhotosTask(Settings settings) : settings_(std::move(settings))
{
    setTitle({QStringLiteral("FileExportToPhotosTaskTitle"), {}});
}

QString FileExportToPhotosTask::freeName(const QString& folder, const QString& fileName)
{
    const QDir destination(folder);
    if (!QFileInfo::exists(destination.filePath(fileName)))
        return destination.filePath(fileName);
    const QFileInfo name(fileName);
    for (int n = 2;; ++n) {
        QString candidate = name.completeBaseName() + QLatin1Char(' ') + QString::number(n);
        if (!name.suffix().isEmpty())
            candidate += QLatin1Char('.') + name.suffix();
        if (!QFileInfo::exists(destination.filePath(candidate)))
            return destination.filePath(candidate);
    }
}

void FileExportToPhotosTask::run()
{
    const QString folder = settings_.libraryFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        addMessage(TaskMessage::error(folder, QStringLiteral("ExportToPhotosLibraryMissingError"), {folder}));
        return;
    }
    setDescription({QStringLiteral("FileExportToPhotosTaskDescription"), {qlonglong(settings_.urls.size()), folder}});
    setTotalCount(int(settings_.urls.size()));
    // One after the other: each copy's name depends on those made before it.
    for (const QUrl& url : settings_.urls) {
        if (isCancelled())
            return;
        const QString path = url.toLocalFile();
        const QString target = freeName(folder, QFileInfo(path).fileName());
        QFile file(path);
        if (file.copy(target))
            copies_ << target;
        else
            addMessage(TaskMessage::error(path, QStringLiteral("ExportToPhotosCopyError"), {path, file.errorString()}));
        advanceProgress();
    }
}

} // namespace halvex
