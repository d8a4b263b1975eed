#include "engine/halvex/tasks/ImmediateFileWriter.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagStorage.h"
#include "engine/halvex/tasks/BackupStore.h"
#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/ExifToolWriter.h"

#include <QFileInfo>

namespace halvex {

namespace {

const QString messagePrefix = QStringLiteral("ImmediateWrite");

// Permission bits as the user set them: a file left with no write bit at all was made
// read-only on purpose, whoever writes it.
bool allowsWriting(const QFileInfo& info)
{
    constexpr auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & writeBits);
}

QString errorLines(const ostrak::ExifToolResult& result)
{
    if (const QString error = result.errorText(); !error.isEmpty())
        return error;
    return result.errorOutput.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char('\n')).trimmed();
}

} // namespace

ImmediateFileWriter::ImmediateFileWriter(ostrak::ExifToolPool& pool, QString backupFolder)
    : pool_(pool), backupFolder_(std::move(backupFolder))
{
}

std::optional<TaskMessage> ImmediateFileWriter::checkWritable(const QString& path, const QString& prefix)
{
    const QFileInfo info(path);
    if (!info.exists())
        return TaskMessage::error(path, prefix + QStringLiteral("FileMissingError"), {path});
    // Renaming the written copy over a symbolic link would replace the link: its target counts.
    const QFileInfo file(info.canonicalFilePath());
    if (!file.isFile())
        return TaskMessage::error(path, prefix + QStringLiteral("NotAFileError"), {path});
    if (!allowsWriting(file))
        return TaskMessage::error(path, prefix + QStringLiteral("FileReadOnlyError"), {path});
    // The written copy is made beside the file and renamed over it.
    if (!allowsWriting(QFileInfo(file.absolutePath())))
        return TaskMessage::error(path, prefix + QStringLiteral("FolderReadOnlyError"), {path, file.absolutePath()});
    return std::nullopt;
}

QStringList ImmediateFileWriter::options(bool fixInvalidOffsets, bool ignoreErrors)
{
    QStringList options;
    if (fixInvalidOffsets)
        options << QStringLiteral("-F");
    if (ignoreErrors)
        options << QStringLiteral("-m");
    return options;
}

ImmediateFileWriter::Result ImmediateFileWriter::write(const QString& path, const QStringList& arguments,
                                                       QList<TaskMessage>& messages) const
{
    if (const auto problem = checkWritable(path, messagePrefix)) {
        messages << *problem;
        return Result::failed;
    }
    if (!backUp(path, messages))
        return Result::failed;
    const QString file = QFileInfo(path).canonicalFilePath();
    const ostrak::ExifToolResult result = ostrak::ExifToolWriter(pool_).write(file, arguments);
    if (!result.isFinished() || result.failed > 0 || !result.errorText().isEmpty()
        || result.updated + result.unchanged == 0) {
        messages << TaskMessage::error(path, QStringLiteral("ImmediateWriteFileError"), {path, errorLines(result)});
        return Result::failed;
    }
    return result.updated > 0 ? Result::rewritten : Result::unchanged;
}

bool ImmediateFileWriter::backUp(const QString& path, QList<TaskMessage>& messages) const
{
    const BackupStore::Outcome backup = BackupStore::shared().backUp(QFileInfo(path).canonicalFilePath(), backupFolder_);
    if (!backup.succeeded())
        messages << TaskMessage::error(path, QStringLiteral("ImmediateWriteBackupError"), {path, backupFolder_, backup.error});
    return backup.succeeded();
}

bool ImmediateFileWriter::reread(const QString& path, TagEditor& editor, QList<TaskMessage>& messages) const
{
    const ostrak::TagRecordSet reread = ostrak::ETTagStorageReader(pool_).read({path}).front();
    if (!reread.isRead()) {
        messages << TaskMessage::error(path, QStringLiteral("ImmediateWriteRereadError"), {path, reread.error.text()});
        return false;
    }
    editor.reload(TagStorage(editor.source(), reread));
    return true;
}

} // namespace halvex
