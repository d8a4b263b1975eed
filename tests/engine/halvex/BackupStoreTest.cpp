#include "engine/halvex/tasks/BackupStore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace halvex;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Replaces the file by a rename, as every writer that asks for a linked backup does.
void replace(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    QVERIFY(file.commit());
}

ino_t inodeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

const QDate day(2024, 5, 1);

} // namespace

class BackupStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir_.emplace();
        QVERIFY(dir_->isValid());
        backups_ = dir_->filePath(QStringLiteral("Backup"));
    }

    // The first rewrite of a run copies the original byte for byte; later ones copy nothing, so
    // the backup stays the original and not an intermediate state.
    void copiesOncePerRun()
    {
        const QString file = dir_->filePath(QStringLiteral("movie.mp4"));
        write(file, "original");
        BackupStore store;
        const BackupStore::Outcome first = store.backUp(file, backups_, day);
        QVERIFY2(first.succeeded(), qPrintable(first.error));
        QCOMPARE(first.backupPath, backups_ + QStringLiteral("/2024-05-01/movie.mp4"));
        QCOMPARE(contents(first.backupPath), QByteArray("original"));

        write(file, "saved once");
        const BackupStore::Outcome second = store.backUp(file, backups_, day);
        QVERIFY(second.succeeded());
        QVERIFY(second.backupPath.isEmpty());
        QCOMPARE(QDir(backups_ + QStringLiteral("/2024-05-01")).entryList(QDir::Files).size(), 1);
        QCOMPARE(contents(first.backupPath), QByteArray("original"));
    }

    // A backup left by an earlier run on the same day is kept; the new one takes a numbered name.
    void neverReplacesABackup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("secondName");
        QTest::addColumn<QString>("thirdName");
        QTest::newRow("with suffix") << QStringLiteral("photo.jpg") << QStringLiteral("photo 2.jpg")
                                     << QStringLiteral("photo 3.jpg");
        QTest::newRow("two suffixes") << QStringLiteral("clip.tar.gz") << QStringLiteral("clip.tar 2.gz")
                                      << QStringLiteral("clip.tar 3.gz");
        QTest::newRow("no suffix") << QStringLiteral("README") << QStringLiteral("README 2")
                                   << QStringLiteral("README 3");
        QTest::newRow("leading dot") << QStringLiteral(".hidden") << QStringLiteral(".hidden 2")
                                     << QStringLiteral(".hidden 3");
        // The longest names a folder holds: the number takes the place of the base's end, whole
        // characters only.
        const QString longest = QString(251, QLatin1Char('a'));
        QTest::newRow("255 bytes") << longest + QStringLiteral(".jpg") << longest.left(249) + QStringLiteral(" 2.jpg")
                                   << longest.left(249) + QStringLiteral(" 3.jpg");
        const QString accents = QString(125, QChar(0xe9));
        QTest::newRow("254 bytes, two per character") << accents + QStringLiteral(".jpg")
                                                      << accents.left(124) + QStringLiteral(" 2.jpg")
                                                      << accents.left(124) + QStringLiteral(" 3.jpg");
    }

    void neverReplacesABackup()
    {
        QFETCH(QString, name);
        QFETCH(QString, secondName);
        QFETCH(QString, thirdName);
        const QString file = dir_->filePath(name);
        const QString dayFolder = backups_ + QStringLiteral("/2024-05-01/");
        QVERIFY(QDir().mkpath(dayFolder));
        write(dayFolder + name, "earlier run");

        write(file, "second");
        const BackupStore::Outcome second = BackupStore().backUp(file, backups_, day);
        QVERIFY2(second.succeeded(), qPrintable(second.error));
        QCOMPARE(second.backupPath, dayFolder + secondName);

        write(file, "third");
        const BackupStore::Outcome third = BackupStore().backUp(file, backups_, day);
        QCOMPARE(third.backupPath, dayFolder + thirdName);

        QCOMPARE(contents(dayFolder + name), QByteArray("earlier run"));
        QCOMPARE(contents(dayFolder + secondName), QByteArray("second"));
        QCOMPARE(contents(dayFolder + thirdName), QByteArray("third"));
    }

    // A file replaced by a rename can be backed up as a link: no data copied, and the backup
    // keeps the old data once the new file took the name. A withdrawn link goes, and the next
    // rewrite backs up again; a name taken still gives a numbered one.
    void linkedBackup()
    {
        const QString file = dir_->filePath(QStringLiteral("clip.mp4"));
        write(file, "original");
        BackupStore store;
        const BackupStore::Outcome failed = store.linkOrBackUp(file, backups_, day);
        QVERIFY2(failed.succeeded(), qPrintable(failed.error));
        QVERIFY(failed.linked);
        QCOMPARE(inodeOf(failed.backupPath), inodeOf(file));
        // Its rewrite failed: the link must not follow what is later written into the file.
        store.withdraw(file, failed);
        QVERIFY(!QFile::exists(failed.backupPath));
        QCOMPARE(contents(file), QByteArray("original"));

        const BackupStore::Outcome linked = store.linkOrBackUp(file, backups_, day);
        QCOMPARE(linked.backupPath, failed.backupPath);
        replace(file, "saved");
        QCOMPARE(contents(linked.backupPath), QByteArray("original"));
        QVERIFY(store.linkOrBackUp(file, backups_, day).backupPath.isEmpty());
        // A copy is never withdrawn.
        const BackupStore::Outcome copied = BackupStore().backUp(file, backups_, day);
        QVERIFY(!copied.linked);
        BackupStore().withdraw(file, copied);
        QCOMPARE(contents(copied.backupPath), QByteArray("saved"));
        const BackupStore::Outcome numbered = BackupStore().linkOrBackUp(file, backups_, day);
        QCOMPARE(numbered.backupPath, backups_ + QStringLiteral("/2024-05-01/clip 3.mp4"));
        QVERIFY(numbered.linked);
    }

    // Where the backup folder lies on another file system the data are copied.
    void linkAcrossFileSystemsCopies()
    {
        QTemporaryDir memory(QStringLiteral("/dev/shm/corvelle-backup-XXXXXX"));
        if (!memory.isValid())
            QSKIP("no /dev/shm");
        struct stat shm = {};
        struct stat here = {};
        if (::stat("/dev/shm", &shm) != 0 || ::stat(QFile::encodeName(dir_->path()).constData(), &here) != 0
            || shm.st_dev == here.st_dev)
            QSKIP("/dev/shm is on the test folder's file system");
        const QString file = dir_->filePath(QStringLiteral("clip.mp4"));
        write(file, "original");
        const BackupStore::Outcome outcome = BackupStore().linkOrBackUp(file, memory.path(), day);
        QVERIFY2(outcome.succeeded(), qPrintable(outcome.error));
        QVERIFY(!outcome.linked);
        write(file, "changed in place");
        QCOMPARE(contents(outcome.backupPath), QByteArray("original"));
    }

    void noFolderNoBackup()
    {
        const QString file = dir_->filePath(QStringLiteral("a.jpg"));
        write(file, "x");
        const BackupStore::Outcome outcome = BackupStore().backUp(file, QString(), day);
        QVERIFY(outcome.succeeded());
        QVERIFY(outcome.backupPath.isEmpty());
    }

    // A backup that cannot be made says why, and a later attempt tries again.
    void failureIsReported()
    {
        const QString file = dir_->filePath(QStringLiteral("a.jpg"));
        write(file, "x");
        write(backups_, "a file where the backup folder should be");
        BackupStore store;
        const BackupStore::Outcome blocked = store.backUp(file, backups_, day);
        QVERIFY(!blocked.succeeded());
        QVERIFY(blocked.backupPath.isEmpty());

        QVERIFY(QFile::remove(backups_));
        const BackupStore::Outcome retried = store.backUp(file, backups_, day);
        QVERIFY2(retried.succeeded(), qPrintable(retried.error));
        QCOMPARE(contents(retried.backupPath), QByteArray("x"));

        const BackupStore::Outcome missing = store.backUp(dir_->filePath(QStringLiteral("gone.jpg")), backups_, day);
        QVERIFY(!missing.succeeded());
    }

private:
    std::optional<QTemporaryDir> dir_;
    QString backups_;
};

QTEST_GUILESS_MAIN(BackupStoreTest)
#include "BackupStoreTest.moc"
