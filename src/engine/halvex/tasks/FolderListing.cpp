#include "engine/halvex/tasks/FolderListing.h"

#include "engine/halvex/kit/KitSettings.h"
#include "engine/halvex/tags/ETTagEditor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace halvex {

QString FolderListing::UnreadableName::escapedName() const
{
    QString text;
    qsizetype start = 0;
    // Valid UTF-8 runs stay readable; every other byte is shown by its value.
    while (start < name.size()) {
        qsizetype end = name.size();
        while (end > start && !isCarried(name.mid(start, end - start)))
            --end;
        if (end > start) {
            text += QString::fromUtf8(name.mid(start, end - start));
            start = end;
        } else {
            text += QStringLiteral("\\x") + QString::number(uchar(name.at(start)), 16).rightJustified(2, QLatin1Char('0')).toUpper();
            ++start;
        }
    }
    return text;
}

QString FolderListing::UnreadableName::lossyPath() const
{
    return folder + QLatin1Char('/') + QString::fromUtf8(name);
}

bool FolderListing::isCarried(const QByteArray& name)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(name);
    return !decoder.hasError() && QFile::encodeName(text) == name;
}

FolderListing FolderListing::list(const QString& folder, bool subfolders)
{
    FolderListing listing;
    listing.walk(QDir(folder).absolutePath(), subfolders);
    listing.files_.sort();
    return listing;
}

void FolderListing::walk(const QString& folder, bool subfolders)
{
    const QByteArray nativeFolder = QFile::encodeName(folder);
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(nativeFolder.constData()), ::closedir);
    if (!directory)
        return;
    QStringList subfolderPaths;
    while (const dirent* entry = ::readdir(directory.get())) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        if (!isCarried(name)) {
            unreadableNames_.append({folder, name});
            continue;
        }
        const QByteArray nativePath = nativeFolder + '/' + name;
        struct stat link = {};
        if (::lstat(nativePath.constData(), &link) != 0)
            continue;
        const QString path = folder + QLatin1Char('/') + QFile::decodeName(name);
        if (S_ISDIR(link.st_mode)) {
            if (subfolders)
                subfolderPaths.append(path);
            continue;
        }
        struct stat target = {};
        if (S_ISREG(link.st_mode) || (S_ISLNK(link.st_mode) && ::stat(nativePath.constData(), &target) == 0 && S_ISREG(target.st_mode)))
            files_.append(path);
    }
    for (const QString& subfolder : std::as_const(subfolderPaths))
        walk(subfolder, true);
}

FolderListing FolderListing::ofFolderEditor(const ETTagEditor& folder, const QString& backupFolder)
{
    const QString root = folder.source().url().toLocalFile();
    const QSet<QString> types = KitSettings::shared().supportedFileTypes();
    const auto filter = folder.filePathFilter();
    const QString backups = QFileInfo(backupFolder).canonicalFilePath();
    FolderListing listing = list(root, folder.recurseSubfolders());
    const QDir rootFolder(root);
    listing.removeFiles([&](const QString& path) {
        if (!types.contains(QFileInfo(path).suffix().toUpper()))
            return true;
        if (filter && !filter->matches(rootFolder.relativeFilePath(path)))
            return true;
        return !backups.isEmpty() && QFileInfo(path).canonicalFilePath().startsWith(backups + QLatin1Char('/'));
    });
    return listing;
}

} // namespace halvex
