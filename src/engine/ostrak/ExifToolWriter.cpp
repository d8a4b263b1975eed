#include "engine/ostrak/ExifToolWriter.h"

#include "engine/ostrak/ExifToolCommand.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ostrak {

namespace {

const QString temporaryPrefix = QStringLiteral(".corvelle-save-");
constexpr int hashLength = 16;
// ExifTool's type of the written copy follows the extension it is given, so the copy keeps the
// file's own; a long or odd one is left out (the copy then takes the type of the file read).
constexpr int longestKeptSuffix = 16;

bool syncPath(const QByteArray& path, int flags)
{
    const int descriptor = ::open(path.constData(), flags | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

// The written copy takes what the file had: its owner where the user may give it, its
// permission bits, and with `keepDate` its modification date, nanoseconds included.
void takeOver(const QByteArray& copy, const struct stat& original, bool keepDate)
{
    // Ownership first: a change of owner clears set-user-id bits that chmod then restores.
    if (::chown(copy.constData(), original.st_uid, original.st_gid) != 0)
        (void)::chown(copy.constData(), uid_t(-1), original.st_gid);
    ::chmod(copy.constData(), original.st_mode & 07777);
    if (keepDate) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, original.st_mtim};
        ::utimensat(AT_FDCWD, copy.constData(), times, 0);
    }
}

// A plain copy, for file systems without hard links. Our own name, so that a copy cut short
// goes with the next write.
bool copyFile(const QByteArray& from, const QByteArray& to)
{
    const int source = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return false;
    const int target = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (target < 0) {
        ::close(source);
        return false;
    }
    bool copied = true;
    for (;;) {
        const ssize_t count = ::copy_file_range(source, nullptr, target, nullptr, ssize_t(1) << 30, 0);
        if (count == 0)
            break;
        if (count < 0) {
            copied = false;
            break;
        }
    }
    const int error = errno;
    ::close(source);
    copied = ::close(target) == 0 && copied;
    errno = error;
    return copied;
}

// A write that failed before ExifTool ran.
ExifToolResult failed(const ExifToolMessage& reason)
{
    ExifToolResult result = ExifToolResult::failure(ExifToolResult::State::Finished, reason);
    result.exitStatus = 1;
    result.failed = 1;
    return result;
}

ExifToolMessage systemError(const QString& key, const QString& file, int error)
{
    return ExifToolMessage(key, {file, qt_error_string(error)});
}

} // namespace

ExifToolWriter::ExifToolWriter(ExifToolPool& pool)
    : pool_(pool)
{
}

ExifToolWriter::ExifToolWriter()
    : ExifToolWriter(ExifToolPool::shared())
{
}

QString ExifToolWriter::temporaryName(const QString& fileName)
{
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(fileName), QCryptographicHash::Sha1).toHex();
    QString name = temporaryPrefix + QString::fromLatin1(hash.left(hashLength));
    static const QRegularExpression plainSuffix(QStringLiteral("^[A-Za-z0-9]{1,%1}$").arg(longestKeptSuffix));
    if (const QString suffix = QFileInfo(fileName).suffix(); plainSuffix.match(suffix).hasMatch())
        name += QLatin1Char('.') + suffix;
    return name;
}

bool ExifToolWriter::isTemporaryName(const QString& fileName)
{
    static const QRegularExpression pattern(QRegularExpression::escape(temporaryPrefix)
                                            + QStringLiteral("[0-9a-f]{%1}(\\.[A-Za-z0-9]{1,%2})?$").arg(hashLength).arg(longestKeptSuffix));
    return pattern.match(fileName).hasMatch();
}

ExifToolResult ExifToolWriter::write(const QString& path, const QStringList& arguments,
                                     std::chrono::milliseconds timeout) const
{
    const QString file = ExifToolCommand::absolutePath(path);
    const QFileInfo info(file);
    const QString copy = QDir(info.absolutePath()).filePath(temporaryName(info.fileName()));
    // ExifTool's own copy of the copy, while it writes it.
    const QString exifToolCopy = copy + QStringLiteral("_exiftool_tmp");
    const QByteArray nativeFile = QFile::encodeName(file);
    const QByteArray nativeCopy = QFile::encodeName(copy);
    const auto removeCopies = [&] {
        ::unlink(nativeCopy.constData());
        ::unlink(QFile::encodeName(exifToolCopy).constData());
    };

    ExifToolRequest request;
    bool keepDate = false;
    bool setsModifyDate = false;
    for (const QString& argument : arguments) {
        // The copy is always replaced whole; written in place it would be the file itself.
        if (argument.startsWith(QLatin1String("-overwrite_original")))
            continue;
        keepDate = keepDate || argument == QLatin1String("-P");
        setsModifyDate = setsModifyDate
                         || (argument.startsWith(QLatin1Char('-')) && argument.contains(QLatin1String("FileModifyDate"), Qt::CaseInsensitive));
        request.arguments << argument;
    }
    request.arguments << QStringLiteral("-overwrite_original");
    request.files = {copy};
    request.timeout = timeout;

    // What a killed write left behind.
    removeCopies();
    struct stat original = {};
    if (::stat(nativeFile.constData(), &original) != 0)
        return failed(systemError(QStringLiteral("ExifToolWriteError"), file, errno));
    // ExifTool works on a second name of the file and replaces that name only, so the file keeps
    // its name and content until the new one is complete. Where the file system has no second
    // names, on a copy.
    const ExifToolMessage copyNotCreated(QStringLiteral("ExifToolCopyNotCreatedError"), {file, info.absolutePath()});
    if (::link(nativeFile.constData(), nativeCopy.constData()) != 0 && !copyFile(nativeFile, nativeCopy)) {
        removeCopies();
        return failed(copyNotCreated);
    }

    ExifToolResult result = pool_.execute(std::move(request));
    // The copy's name means nothing to the user: messages name the file.
    result.errorOutput.replace(copy, file);
    if (!result.isFinished() || result.updated != 1 || !result.errorText().isEmpty()) {
        if (result.isFinished() && result.errorOutput.contains(QLatin1String("Error creating")))
            result.error = copyNotCreated;
        removeCopies();
        return result;
    }

    takeOver(nativeCopy, original, keepDate && !setsModifyDate);
    // The copy's data reach the disk before it replaces the file, or a power cut could leave
    // an empty file under the file's name.
    if (!syncPath(nativeCopy, O_RDONLY) || ::rename(nativeCopy.constData(), nativeFile.constData()) != 0) {
        result.error = systemError(QStringLiteral("ExifToolReplaceError"), file, errno);
        result.updated = 0;
        result.failed = 1;
        removeCopies();
        return result;
    }
    syncPath(QFile::encodeName(info.absolutePath()), O_RDONLY | O_DIRECTORY);
    return result;
}

} // namespace ostrak
