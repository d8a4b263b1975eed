#include "EndToEndTestSupport.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/CleanTagValuesTask.h"
#include "engine/ostrak/ETSettings.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QtTest>

using namespace halvex;
using halvex::test::EndToEnd;
using ostrak::TagName;
using ostrak::TagStream;

namespace {

struct FileState {
    QByteArray digest;
    QDateTime modified;

    bool operator==(const FileState&) const = default;
};

FileState stateOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return {QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256),
            QFileInfo(path).fileTime(QFileDevice::FileModificationTime)};
}

QStringList messageLines(const AbstractTask& task)
{
    QStringList lines;
    for (const TaskMessage& message : task.messages())
        lines << QFileInfo(message.filePath).fileName() + QLatin1Char(' ') + message.reason.key;
    return lines;
}

} // namespace

// Whole tag streams deleted from copies of the fixtures at once, read back by ExifTool.
class CleanTagValuesTaskTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EndToEnd> e_;
    std::optional<QTemporaryDir> backups_;

    std::shared_ptr<CleanTagValuesTask> run(const QList<std::shared_ptr<TagEditor>>& editors,
                                            const QList<TagStream>& streams, bool allStreams = false,
                                            bool ignoreErrors = true)
    {
        CleanTagValuesTask::Settings settings(editors);
        settings.tagStreams = streams;
        settings.allStreams = allStreams;
        settings.ignoreErrors = ignoreErrors;
        auto task = std::make_shared<CleanTagValuesTask>(settings);
        halvex::test::runTask(task);
        return task;
    }

private Q_SLOTS:
    void init()
    {
        e_ = std::make_unique<EndToEnd>();
        backups_.emplace();
        ostrak::ETSettings::shared().setBackupFolder(backups_->path());
    }

    void cleanup()
    {
        ostrak::ETSettings::shared().setBackupFolder(QString());
        e_.reset();
    }

    void deletesTheChosenStreams_data()
    {
        QTest::addColumn<QList<TagStream>>("streams");
        QTest::addColumn<bool>("allStreams");
        QTest::addColumn<QString>("expected");
        const QString all = QStringLiteral("-\n-\n-");
        QTest::newRow("EXIF") << QList<TagStream>{TagStream::streamEXIF()} << false
                              << QStringLiteral("-\nZürich\nCafé in Zürich");
        QTest::newRow("IPTC and XMP") << QList<TagStream>{TagStream::streamIPTC(), TagStream::streamXMP()} << false
                                      << QStringLiteral("Corvelle\n-\n-");
        QTest::newRow("all streams") << QList<TagStream>{} << true << all;
    }

    // The editor reads the file again in place: the deleted tags are gone from it, and the edit
    // staged before the task is still staged.
    void deletesTheChosenStreams()
    {
        QFETCH(QList<TagStream>, streams);
        QFETCH(bool, allStreams);
        QFETCH(QString, expected);
        const QString path = e_->copy(QStringLiteral("photo.jpg"));
        const auto editor = e_->open(path);
        QVERIFY(editor);
        const TagName description(QStringLiteral("XMP-dc"), QStringLiteral("Description"));
        QVERIFY(editor->setValue(QStringLiteral("Unsaved"), description));

        const auto task = run({editor}, streams, allStreams);
        QVERIFY2(task->messages().isEmpty(), qPrintable(messageLines(*task).join(QLatin1Char('\n'))));
        const QStringList tags{QStringLiteral("IFD0:Make"), QStringLiteral("IPTC:City"), QStringLiteral("XMP-dc:Title")};
        QCOMPARE(EndToEnd::read(path, tags), expected);
        const QStringList lines = expected.split(QLatin1Char('\n'));
        for (int i = 0; i < tags.size(); ++i)
            QCOMPARE(editor->currentValue(TagName::fromRawValue(tags[i])).value_or(QStringLiteral("-")), lines[i]);
        QCOMPARE(editor->currentValue(description), QStringLiteral("Unsaved"));
        QVERIFY(editor->isEdited(description));
        // The original was kept first.
        QCOMPARE(QDir(backups_->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    }

    // An empty choice deletes nothing, and a file without the stream is not rewritten.
    void leavesFilesWithNothingToDeleteUntouched()
    {
        const QString photo = e_->copy(QStringLiteral("photo.jpg"));
        const QString movie = e_->copy(QStringLiteral("movie.mp4"));
        const QList<std::shared_ptr<TagEditor>> editors = e_->open(QStringList{photo, movie});
        QCOMPARE(editors.size(), 2);
        const FileState photoBefore = stateOf(photo);
        const FileState movieBefore = stateOf(movie);

        auto task = run(editors, {});
        QVERIFY(task->messages().isEmpty());
        QCOMPARE(stateOf(photo), photoBefore);
        QCOMPARE(stateOf(movie), movieBefore);

        task = run({editors.at(1)}, {TagStream::streamIPTC()});
        QVERIFY2(task->messages().isEmpty(), qPrintable(messageLines(*task).join(QLatin1Char('\n'))));
        QCOMPARE(stateOf(movie), movieBefore);
    }

    // A file that cannot be written is a message naming it and stays intact; the others go on,
    // unless errors stop the task, when each file left is reported.
    void reportsFilesThatCannotBeWritten()
    {
        const QString readOnly = e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("locked.jpg"));
        const QString vanished = e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("gone.jpg"));
        const QString corrupt = e_->copy(QStringLiteral("movie.mp4"), QStringLiteral("corrupt.mp4"));
        const QString good = e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("good.jpg"));
        const QList<std::shared_ptr<TagEditor>> editors = e_->open(QStringList{readOnly, vanished, corrupt, good});
        QCOMPARE(editors.size(), 4);
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
        QVERIFY(QFile::remove(vanished));
        // Damaged since it was opened.
        e_->copy(QStringLiteral("corrupt.mp4"));
        const FileState lockedBefore = stateOf(readOnly);
        const FileState corruptBefore = stateOf(corrupt);

        auto task = run(editors, {TagStream::streamEXIF(), TagStream::streamQuickTime()}, false, false);
        QCOMPARE(messageLines(*task), (QStringList{"locked.jpg ImmediateWriteFileReadOnlyError",
                                                   "gone.jpg ImmediateWriteStoppedError",
                                                   "corrupt.mp4 ImmediateWriteStoppedError",
                                                   "good.jpg ImmediateWriteStoppedError"}));
        QCOMPARE(EndToEnd::read(good, {QStringLiteral("IFD0:Make")}), QStringLiteral("Corvelle"));

        // Files are written side by side: the messages come in any order.
        task = run(editors, {TagStream::streamEXIF(), TagStream::streamQuickTime()});
        QStringList lines = messageLines(*task);
        lines.sort();
        QCOMPARE(lines, (QStringList{"corrupt.mp4 ImmediateWriteFileError", "gone.jpg ImmediateWriteFileMissingError",
                                     "locked.jpg ImmediateWriteFileReadOnlyError"}));
        for (const TaskMessage& message : task->messages())
            QVERIFY(!message.reason.arguments.value(0).toString().isEmpty());
        QCOMPARE(stateOf(readOnly), lockedBefore);
        QCOMPARE(stateOf(corrupt), corruptBefore);
        QCOMPARE(EndToEnd::read(good, {QStringLiteral("IFD0:Make"), QStringLiteral("XMP-dc:Title")}),
                 QStringLiteral("-\nCafé in Zürich"));
    }
};

QTEST_GUILESS_MAIN(CleanTagValuesTaskTest)
#include "CleanTagValuesTaskTest.moc"
