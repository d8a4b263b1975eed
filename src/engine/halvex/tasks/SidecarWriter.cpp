#include "engine/halvex/tasks/SidecarWriter.h"

#include "engine/halvex/tasks/BackupStore.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/ExifToolWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace halvex {

namespace {

QString reasonOf(const ostrak::ExifToolResult& result)
{
    if (const QString error = result.errorText(); !error.isEmpty())
        return error;
    return result.errorOutput.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char('\n')).trimmed();
}

TaskMessage failure(const QString& mediaPath, const QString& sidecarPath, const QString& reason)
{
    return TaskMessage::error(mediaPath, QStringLiteral("SidecarWriteError"), {sidecarPath, mediaPath, reason});
}

// Whole bytes into a new file: written under a temporary name and renamed, so a failure
// leaves no part of it.
std::optional<QString> saveBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace

SidecarWriter::SidecarWriter(ostrak::ExifToolPool& pool, QString backupFolder)
    : pool_(pool), backupFolder_(std::move(backupFolder))
{
}

bool SidecarWriter::isSupportedExtension(const QString& extension)
{
    static const QStringList extensions{QStringLiteral("exif"), QStringLiteral("mie"), QStringLiteral("exv"),
                                        QStringLiteral("icc"),  QStringLiteral("vrd"), QStringLiteral("xmp"),
                                        QStringLiteral("csv"),  QStringLiteral("json")};
    return extensions.contains(extension);
}

std::optional<TaskMessage> SidecarWriter::write(const QString& mediaPath, const QString& sidecarPath,
                                                const QString& extension, bool update) const
{
    if (!isSupportedExtension(extension))
        return failure(mediaPath, sidecarPath, QStringLiteral("unknown kind “%1”").arg(extension));
    if (!QFileInfo(mediaPath).isFile())
        return TaskMessage::error(mediaPath, QStringLiteral("SidecarSourceMissingError"), {mediaPath});
    if (QFileInfo(sidecarPath).absoluteFilePath() == QFileInfo(mediaPath).absoluteFilePath())
        return TaskMessage::error(mediaPath, QStringLiteral("SidecarIsFileError"), {mediaPath});
    const QFileInfo folder(QFileInfo(sidecarPath).absolutePath());
    if (!folder.isDir())
        return TaskMessage::error(mediaPath, QStringLiteral("SidecarFolderMissingError"), {folder.filePath(), mediaPath});
    if (QFileInfo::exists(sidecarPath) || QFileInfo(sidecarPath).isSymLink()) {
        // Only the kinds ExifTool writes into can be brought up to date in place.
        static const QStringList updatable{QStringLiteral("xmp"), QStringLiteral("exif"), QStringLiteral("mie"),
                                           QStringLiteral("exv")};
        if (!update || !updatable.contains(extension))
            return TaskMessage::error(mediaPath, QStringLiteral("SidecarExistsError"), {sidecarPath, mediaPath});
        return this->update(mediaPath, sidecarPath);
    }
    // A folder left with no write bit was made read-only on purpose, whoever writes.
    constexpr auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!folder.isWritable() || !(folder.permissions() & writeBits))
        return TaskMessage::error(mediaPath, QStringLiteral("SidecarFolderReadOnlyError"), {folder.filePath(), mediaPath});
    return create(mediaPath, sidecarPath, extension);
}

std::optional<TaskMessage> SidecarWriter::create(const QString& mediaPath, const QString& sidecarPath,
                                                 const QString& extension) const
{
    ostrak::ExifToolRequest request;
    request.files = {mediaPath};
    if (extension == QLatin1String("csv") || extension == QLatin1String("json") || extension == QLatin1String("icc")) {
        if (extension == QLatin1String("icc"))
            request.arguments = {QStringLiteral("-b"), QStringLiteral("-ICC_Profile")};
        else
            request.arguments = {extension == QLatin1String("csv") ? QStringLiteral("-csv") : QStringLiteral("-j"),
                                 QStringLiteral("-G1"), QStringLiteral("-a"), QStringLiteral("-struct")};
        const ostrak::ExifToolResult result = pool_.execute(request);
        if (!result.isFinished() || !result.errorText().isEmpty())
            return failure(mediaPath, sidecarPath, reasonOf(result));
        if (result.output.isEmpty())
            return TaskMessage::error(mediaPath, QStringLiteral("SidecarNoProfileError"), {mediaPath});
        if (const auto error = saveBytes(sidecarPath, result.output))
            return failure(mediaPath, sidecarPath, *error);
        return std::nullopt;
    }
    // ExifTool makes the new file from every tag of the media file that its kind can hold, and
    // writes nothing when it fails.
    request.arguments = {QStringLiteral("-o"), sidecarPath};
    const ostrak::ExifToolResult result = pool_.execute(request);
    if (!result.isFinished() || result.created + result.updated == 0 || !result.errorText().isEmpty()) {
        return failure(mediaPath, sidecarPath, reasonOf(result));
    }
    return std::nullopt;
}

std::optional<TaskMessage> SidecarWriter::update(const QString& mediaPath, const QString& sidecarPath) const
{
    const BackupStore::Outcome backup = BackupStore::shared().backUp(sidecarPath, backupFolder_);
    if (!backup.succeeded())
        return TaskMessage::error(mediaPath, QStringLiteral("SidecarBackupError"), {sidecarPath, backupFolder_, backup.error});
    const ostrak::ExifToolResult result = ostrak::ExifToolWriter(pool_).write(
        sidecarPath, {QStringLiteral("-tagsFromFile"), mediaPath, QStringLiteral("-all:all")});
    if (!result.isFinished() || result.failed > 0 || !result.errorText().isEmpty()
        || result.updated + result.unchanged == 0)
        return failure(mediaPath, sidecarPath, reasonOf(result));
    return std::nullopt;
}

} // namespace halvex
