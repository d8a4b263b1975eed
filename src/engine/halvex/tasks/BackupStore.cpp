#include "engine/halvex/tasks/BackupStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <unistd.h>

namespace halvex {

namespace {

// `base` + `tail`, the base cut short, whole characters at a time, where the name would be
// longer than a folder can hold: a long name numbered would otherwise never back up twice.
QString fittingName(QString base, const QString& tail)
{
    while (!base.isEmpty() && QFile::encodeName(base + tail).size() > NAME_MAX)
        base.chop(base.size() > 1 && base.back().isLowSurrogate() ? 2 : 1);
    return base + tail;
}

} // namespace

BackupStore& BackupStore::shared()
{
    static BackupStore store;
    return store;
}

BackupStore::Outcome BackupStore::backUp(const QString& filePath, const QString& folder, QDate day)
{
    return store(filePath, folder, day, false);
}

BackupStore::Outcome BackupStore::linkOrBackUp(const QString& filePath, const QString& folder, QDate day)
{
    return store(filePath, folder, day, true);
}

void BackupStore::withdraw(const QString& filePath, const Outcome& outcome)
{
    if (!outcome.linked || outcome.backupPath.isEmpty())
        return;
    ::unlink(QFile::encodeName(outcome.backupPath).constData());
    QMutexLocker locker(&mutex_);
    backedUp_.remove(QFileInfo(filePath).canonicalFilePath());
}

BackupStore::Outcome BackupStore::store(const QString& filePath, const QString& folder, QDate day, bool link)
{
    if (folder.isEmpty())
        return {};
    const QFileInfo original(filePath);
    const QString key = original.canonicalFilePath();
    if (key.isEmpty())
        return {{}, qt_error_string(ENOENT)};
    {
        QMutexLocker locker(&mutex_);
        if (backedUp_.contains(key))
            return {};
    }

    const QDir dayFolder(QDir(folder).filePath(day.toString(QStringLiteral("yyyy-MM-dd"))));
    if (!dayFolder.mkpath(QStringLiteral(".")))
        return {{}, dayFolder.path() + QStringLiteral(": ") + qt_error_string(errno)};

    const QString name = original.fileName();
    // "photo.jpg" becomes "photo 2.jpg"; a name without suffix or with a leading dot keeps its end.
    const QString base = original.completeBaseName().isEmpty() ? name : original.completeBaseName();
    const QString suffix = original.completeBaseName().isEmpty() ? QString() : original.suffix();
    for (int number = 1;; ++number) {
        QString candidateName = name;
        if (number > 1) {
            QString tail = QLatin1Char(' ') + QString::number(number);
            if (!suffix.isEmpty())
                tail += QLatin1Char('.') + suffix;
            candidateName = fittingName(base, tail);
        }
        const QString candidate = dayFolder.filePath(candidateName);
        if (QFileInfo::exists(candidate))
            continue;
        // A link never replaces a name either; across file systems, or where links are not
        // allowed, the data are copied.
        if (link) {
            if (::link(QFile::encodeName(key).constData(), QFile::encodeName(candidate).constData()) == 0) {
                QMutexLocker locker(&mutex_);
                backedUp_.insert(key);
                return {candidate, {}, true};
            }
            if (errno == EEXIST)
                continue;
        }
        // QFile::copy writes a temporary file and renames it without replacing anything, so a
        // failed copy leaves no partial backup and an older backup is never overwritten.
        QFile source(key);
        if (source.copy(candidate)) {
            QMutexLocker locker(&mutex_);
            backedUp_.insert(key);
            return {candidate, {}};
        }
        if (!QFileInfo::exists(candidate))
            return {{}, source.errorString()};
    }
}

} // namespace halvex
