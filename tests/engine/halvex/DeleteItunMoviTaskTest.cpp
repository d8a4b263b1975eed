#include "EndToEndTestSupport.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/DeleteItunMoviTask.h"
#include "engine/ostrak/ETSettings.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QtTest>

using namespace halvex;
using halvex::test::EndToEnd;
using ostrak::TagName;

namespace {

QByteArray digestOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The decoded audio and video of a movie, frame by frame: the same only when every chunk
// offset still points at its data.
QString decodedDigest(const QString& path)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
                                            QStringLiteral("-map"), QStringLiteral("0"), QStringLiteral("-f"),
                                            QStringLiteral("md5"), QStringLiteral("-")});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        return QStringLiteral("decoding failed: ") + QString::fromUtf8(ffmpeg.readAllStandardError());
    return QString::fromUtf8(ffmpeg.readAllStandardOutput()).trimmed();
}

std::shared_ptr<DeleteItunMoviTask> run(const QList<std::shared_ptr<TagEditor>>& editors)
{
    auto task = std::make_shared<DeleteItunMoviTask>(DeleteItunMoviTask::Settings(editors));
    halvex::test::runTask(task);
    return task;
}

} // namespace

// The movie property list removed from copies of the fixtures, read back by ExifTool and ffmpeg.
class DeleteItunMoviTaskTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ostrak::ETSettings::shared().setBackupFolder(QString()); }

    void removesThePropertyListAndKeepsTheRest()
    {
        EndToEnd e;
        const QString path = e.copy(QStringLiteral("movie-itunmovi.mp4"));
        const QStringList kept{QStringLiteral("ItemList:Title"), QStringLiteral("ItemList:Artist"),
                               QStringLiteral("ItemList:Comment"), QStringLiteral("ItemList:Description"),
                               QStringLiteral("ItemList:Genre"), QStringLiteral("Keys:Title"),
                               QStringLiteral("Keys:Keywords"), QStringLiteral("UserData:Title"),
                               QStringLiteral("QuickTime:Duration")};
        const QString keptBefore = EndToEnd::read(path, kept);
        const QString mediaBefore = decodedDigest(path);
        QCOMPARE(EndToEnd::read(path, {QStringLiteral("XML:Cast")}), QStringLiteral("Fixture Actor"));
        const auto editor = e.open(path);
        QVERIFY(editor);
        const TagName title(QStringLiteral("Keys"), QStringLiteral("Title"));
        QVERIFY(editor->setValue(QStringLiteral("Unsaved"), title));

        const auto task = run({editor});
        QVERIFY(task->messages().isEmpty());
        QCOMPARE(EndToEnd::read(path, {QStringLiteral("XML:Cast"), QStringLiteral("XML:Directors")}),
                 QStringLiteral("-\n-"));
        QCOMPARE(EndToEnd::read(path, kept), keptBefore);
        QCOMPARE(decodedDigest(path), mediaBefore);
        QCOMPARE(QFileInfo(path).size(), QFileInfo(corvelle::test::fixturePath(QStringLiteral("movie.mp4"))).size());
        // Read again in place, the unsaved edit kept.
        QVERIFY(!editor->currentValue(TagName(QStringLiteral("XML"), QStringLiteral("Cast"))));
        QCOMPARE(editor->currentValue(title), QStringLiteral("Unsaved"));
        // ExifTool still writes the file.
        EndToEnd::exifTool({QStringLiteral("-ItemList:Title=Written"), path});
        QCOMPARE(EndToEnd::read(path, {QStringLiteral("ItemList:Title")}), QStringLiteral("Written"));
    }

    // Files without a property list, or that are no movies, are not touched; a file that cannot
    // be written is a message naming it, and stays as it was.
    void leavesOtherFilesAlone()
    {
        EndToEnd e;
        const QString movie = e.copy(QStringLiteral("movie.mp4"));
        const QString photo = e.copy(QStringLiteral("photo.jpg"));
        const QString locked = e.copy(QStringLiteral("movie-itunmovi.mp4"), QStringLiteral("locked.mp4"));
        const QString good = e.copy(QStringLiteral("movie-itunmovi.mp4"), QStringLiteral("good.mp4"));
        const QList<std::shared_ptr<TagEditor>> editors = e.open(QStringList{movie, photo, locked, good});
        QCOMPARE(editors.size(), 4);
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner));
        const QByteArray movieBefore = digestOf(movie);
        const QByteArray photoBefore = digestOf(photo);
        const QByteArray lockedBefore = digestOf(locked);
        const QDateTime movieModified = QFileInfo(movie).lastModified();

        const auto task = run(editors);
        QCOMPARE(task->messages().size(), 1);
        QCOMPARE(task->messages().first().filePath, locked);
        QCOMPARE(task->messages().first().reason.key, QStringLiteral("ImmediateWriteFileReadOnlyError"));
        QCOMPARE(digestOf(movie), movieBefore);
        QCOMPARE(QFileInfo(movie).lastModified(), movieModified);
        QCOMPARE(digestOf(photo), photoBefore);
        QCOMPARE(digestOf(locked), lockedBefore);
        QCOMPARE(EndToEnd::read(good, {QStringLiteral("XML:Cast")}), QStringLiteral("-"));
        QCOMPARE(QFileInfo(good).permissions(), QFileInfo(movie).permissions());
    }

    // A movie damaged since it was opened is reported and left as it is.
    void reportsADamagedMovie()
    {
        EndToEnd e;
        const QString path = e.copy(QStringLiteral("movie-itunmovi.mp4"), QStringLiteral("damaged.mp4"));
        const auto editor = e.open(path);
        QVERIFY(editor);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(2000));
        file.close();
        const QByteArray before = digestOf(path);

        const auto task = run({editor});
        QCOMPARE(task->messages().size(), 1);
        QCOMPARE(task->messages().first().reason.key, QStringLiteral("DeleteItunMoviFileError"));
        QVERIFY(!task->messages().first().reason.arguments.value(1).toString().isEmpty());
        QCOMPARE(digestOf(path), before);
    }
};

QTEST_GUILESS_MAIN(DeleteItunMoviTaskTest)
#include "DeleteItunMoviTaskTest.moc"
