#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/ExifToolWriter.h"
#include "platform/brisa/core/NotificationCenter.h"

#include "TagEditorTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace halvex;
using ostrak::TagName;
using Status = AbstractTask::Status;

namespace {

const TagName makeTag(QStringLiteral("IFD0"), QStringLiteral("Make"));
const TagName fileNameTag(QStringLiteral("System"), QStringLiteral("FileName"));

QStringList fileNames(const QList<std::shared_ptr<TagEditor>>& editors)
{
    QStringList names;
    for (const auto& editor : editors)
        names.append(editor->fileName());
    return names;
}

QString messagesText(const QList<TaskMessage>& messages)
{
    QStringList lines;
    for (const TaskMessage& message : messages) {
        QStringList arguments;
        for (const QVariant& argument : message.reason.arguments)
            arguments.append(argument.toString());
        lines.append(message.reason.key + QLatin1Char(' ') + arguments.join(QLatin1String(" | ")));
    }
    return lines.join(QLatin1Char('\n'));
}

// A one-page PDF with a title, its cross-reference table at the right offsets.
QByteArray minimalPdf()
{
    const QList<QByteArray> objects{"<</Type/Catalog/Pages 2 0 R>>", "<</Type/Pages/Kids[3 0 R]/Count 1>>",
                                    "<</Type/Page/Parent 2 0 R/MediaBox[0 0 10 10]>>", "<</Title(Fixture)>>"};
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<</Size " + QByteArray::number(objects.size() + 1) + "/Root 1 0 R/Info 4 0 R>>\nstartxref\n"
        + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

} // namespace

class ImportTagEditorsTaskTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TZ", "UTC");
        QVERIFY(dir_.isValid());
        // Stands in for ExifTool: passes every line on, logs it, and on cue dies with its
        // ExifTool or waits until the test lets it go on.
        wrapper_ = QDir(dir_.path()).filePath(QStringLiteral("exiftool-wrapper"));
        QFile script(wrapper_);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral(R"(#!/usr/bin/perl
use strict; use warnings; use IO::Handle; use Time::HiRes qw(sleep);
my $dir = '%1';
my $pid = open(my $child, '|-', 'exiftool', @ARGV) or die "exiftool: $!";
$child->autoflush(1);
open(my $log, '>>', "$dir/exiftool.log") or die; $log->autoflush(1);
while (my $line = <STDIN>) {
    print $log $line;
    if ($line =~ /crash-me/) { kill 'KILL', $pid; kill 'KILL', $$; }
    if ($line =~ /gate-file/ && !-e "$dir/gate-open") {
        open(my $f, '>', "$dir/gate-reached"); close $f;
        sleep 0.02 until -e "$dir/gate-open";
    }
    print $child $line;
}
close $child;
)").arg(dir_.path()).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
    }

    void init()
    {
        QFile::remove(logPath());
        work_ = std::make_unique<QTemporaryDir>(dir_.filePath(QStringLiteral("work-XXXXXX")));
        QVERIFY(work_->isValid());
    }

    void opensFilesAndFolders_data()
    {
        QTest::addColumn<bool>("unfold");
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("folder editor") << false << false << QStringList() << QStringList{"movie.mp4", "clips", "photo.jpg"};
        QTest::newRow("unfolded") << true << false << QStringList()
                                  << QStringList{"movie.mp4", "a.mov", "b.MP4", "photo.jpg"};
        QTest::newRow("with subfolders") << true << true << QStringList()
                                         << QStringList{"movie.mp4", "a.mov", "b.MP4", "c.m4a", "photo.jpg"};
        QTest::newRow("movies only") << true << true << QStringList{"mov"} << QStringList{"movie.mp4", "a.mov", "photo.jpg"};
    }

    void opensFilesAndFolders()
    {
        QFETCH(bool, unfold);
        QFETCH(bool, subfolders);
        QFETCH(QStringList, types);
        QFETCH(QStringList, expected);
        QDir dir(work_->path());
        const QString movie = test::copyFixture(dir, QStringLiteral("movie.mp4"));
        const QString photo = test::copyFixture(dir, QStringLiteral("photo.jpg"));
        QVERIFY(dir.mkpath(QStringLiteral("clips/sub")));
        QDir clips(dir.filePath(QStringLiteral("clips")));
        test::copyFixture(clips, QStringLiteral("movie.mov"), QStringLiteral("a.mov"));
        test::copyFixture(clips, QStringLiteral("movie.mp4"), QStringLiteral("b.MP4"));
        test::copyFixture(clips, QStringLiteral("notmedia.jpg"), QStringLiteral("notes.txt"));
        test::copyFixture(clips, QStringLiteral("photo.jpg"), QStringLiteral(".hidden.jpg"));
        test::copyFixture(QDir(clips.filePath(QStringLiteral("sub"))), QStringLiteral("audio.m4a"), QStringLiteral("c.m4a"));

        ImportTagEditorsTask::Settings settings(test::sourcesOf({movie, clips.path(), photo}));
        settings.unfoldFolders = unfold;
        settings.unfoldSubfolders = subfolders;
        if (!types.isEmpty()) {
            QSet<MediaType> allowed;
            for (const QString& type : types)
                allowed.insert(*MediaType::type(type));
            settings.supportedTypes = allowed;
        }
        settings.pool = &pool_;
        const auto task = test::importFiles(settings);
        QVERIFY2(task->messages().isEmpty(), qPrintable(messagesText(task->messages())));
        QCOMPARE(task->status(), Status::finished);
        const auto editors = task->editors();
        QCOMPARE(fileNames(editors), expected);
        QCOMPARE(task->completedCount(), expected.size());
        QCOMPARE(task->totalCount(), expected.size());

        for (const auto& editor : editors) {
            QCOMPARE(editor->isFolder(), editor->fileName() == QLatin1String("clips"));
            QCOMPARE(editor->currentValue(fileNameTag), editor->fileName());
        }
        if (!unfold) {
            const auto folder = std::dynamic_pointer_cast<ETTagEditor>(editors.at(1));
            QVERIFY(folder);
            QCOMPARE(folder->source().url(), QUrl::fromLocalFile(clips.path()));
            QVERIFY(!folder->recurseSubfolders());
        }
    }

    // One file that cannot be opened is a message naming it; the files around it open.
    void badInput_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("reasonKey");
        const QString readError = QStringLiteral("ExifToolFileReadError");
        const QString truncated = QStringLiteral("ImportTruncatedFileError");
        const QString mismatch = QStringLiteral("ImportFileTypeMismatchError");
        QTest::newRow("truncated movie") << QByteArray("corrupt.mp4") << "corrupt.mp4" << truncated;
        QTest::newRow("text named jpg") << QByteArray("notmedia.jpg") << "notmedia.jpg" << mismatch;
        QTest::newRow("missing file") << QByteArray("gone.mov") << QString() << readError;
        QTest::newRow("newline in name") << QByteArray("line\nbreak.mp4") << "corrupt.mp4" << truncated;
        QTest::newRow("leading dash") << QByteArray("-corrupt.mp4") << "corrupt.mp4" << truncated;
        QTest::newRow("option as name") << QByteArray("-execute.jpg") << "notmedia.jpg" << mismatch;
        QTest::newRow("not UTF-8") << QByteArray("bad-\xff\xfe-name.jpg") << "photo.jpg" << QStringLiteral("ImportUnreadableNameError");
        QTest::newRow("name too long") << QByteArray(300, 'n') + ".jpg" << "photo.jpg" << readError;
        QTest::newRow("unreadable") << QByteArray("locked.jpg") << "photo.jpg" << readError;
        QTest::newRow("unsupported type") << QByteArray("notes.txt") << "notmedia.jpg" << "ImportUnsupportedFileTypeError";
    }

    void badInput()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, fixture);
        QFETCH(QString, reasonKey);
        const QDir dir(work_->path());
        const QByteArray rawPath = QFile::encodeName(dir.path()) + '/' + name;
        // Qt cannot remove a file whose name it cannot decode.
        const auto removeFile = qScopeGuard([&] { ::unlink(rawPath.constData()); });
        if (!fixture.isEmpty()) {
            // Written through the raw bytes: some of these names have no QString form.
            QFile source(corvelle::test::fixturePath(fixture));
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QByteArray content = source.readAll();
            const int fd = ::open(rawPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) {
                QCOMPARE(::write(fd, content.constData(), content.size()), content.size());
                ::close(fd);
            }
        }
        if (QTest::currentDataTag() == QLatin1String("unreadable")) {
            if (::geteuid() == 0)
                QSKIP("running as root: permissions do not keep a file from being read");
            QVERIFY(::chmod(rawPath.constData(), 0) == 0);
        }
        const QString path = QFile::decodeName(rawPath);
        const QString before = test::copyFixture(dir, QStringLiteral("photo.jpg"), QStringLiteral("before.jpg"));
        const QString after = test::copyFixture(dir, QStringLiteral("movie.mp4"), QStringLiteral("after.mp4"));

        const auto task = test::importFiles({before, path, after}, &pool_);
        QCOMPARE(task->status(), Status::finished);
        QCOMPARE(fileNames(task->editors()), (QStringList{"before.jpg", "after.mp4"}));
        const QList<TaskMessage> messages = task->messages();
        QVERIFY2(messages.size() == 1, qPrintable(messagesText(messages)));
        QCOMPARE(messages.front().severity, TaskMessage::Severity::error);
        QCOMPARE(messages.front().filePath, path);
        QCOMPARE(messages.front().reason.key, reasonKey);
        QCOMPARE(messages.front().reason.arguments.value(0).toString(), path);
        QCOMPARE(task->completedCount(), 3);
    }

    // Linux names are bytes; one that is not UTF-8 has no QString form. Opening its folder says
    // so, naming the folder and the bytes, and opens the other files.
    void namesThatAreNotUTF8()
    {
        const QDir dir(work_->path());
        QVERIFY(dir.mkpath(QStringLiteral("mixed")));
        const QString folder = dir.filePath(QStringLiteral("mixed"));
        test::copyFixture(QDir(folder), QStringLiteral("photo.jpg"), QStringLiteral("good.jpg"));
        const QByteArray raw = QFile::encodeName(folder) + "/caf\xe9-\xc3\xa9.jpg";
        QVERIFY(QFile::copy(corvelle::test::fixturePath(QStringLiteral("photo.jpg")), folder + QStringLiteral("/staging")));
        QVERIFY(::rename(QFile::encodeName(folder + QStringLiteral("/staging")).constData(), raw.constData()) == 0);
        const auto removeFile = qScopeGuard([&] { ::unlink(raw.constData()); });

        ImportTagEditorsTask::Settings settings(test::sourcesOf({folder}));
        settings.unfoldFolders = true;
        settings.pool = &pool_;
        const auto task = test::importFiles(settings);
        QCOMPARE(fileNames(task->editors()), QStringList{QStringLiteral("good.jpg")});
        const QList<TaskMessage> messages = task->messages();
        QVERIFY2(messages.size() == 1, qPrintable(messagesText(messages)));
        QCOMPARE(messages.front().reason.key, QStringLiteral("ImportUnreadableNameError"));
        QCOMPARE(messages.front().reason.arguments.value(1).toString(), folder);
        QCOMPARE(messages.front().reason.arguments.value(2).toString(), QStringLiteral("caf\\xE9-é.jpg"));
    }

    // Names ExifTool could take for options or split apart open like any other.
    void oddNamesOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("newline") << QStringLiteral("two\nlines.jpg");
        QTest::newRow("leading dash") << QStringLiteral("-photo.jpg");
        QTest::newRow("option") << QStringLiteral("-execute");
        QTest::newRow("accents and spaces") << QStringLiteral("odd name -é.jpg");
        QTest::newRow("longest name") << QString(251, QLatin1Char('x')) + QStringLiteral(".jpg");
    }

    void oddNamesOpen()
    {
        QFETCH(QString, name);
        const QString path = test::copyFixture(QDir(work_->path()), QStringLiteral("photo.jpg"), name);
        const auto task = test::importFiles({path}, &pool_);
        QVERIFY2(task->messages().isEmpty(), qPrintable(messagesText(task->messages())));
        QCOMPARE(task->editors().size(), 1);
        QCOMPARE(task->editors().front()->fileName(), name);
        QCOMPARE(task->editors().front()->currentValue(makeTag), QStringLiteral("Corvelle"));
    }

    void exifToolMissing()
    {
        ostrak::ExifToolPool pool(2);
        pool.setExecutable(QDir(work_->path()).filePath(QStringLiteral("no-such-exiftool")));
        const QDir dir(work_->path());
        const QStringList paths{test::copyFixture(dir, QStringLiteral("photo.jpg")),
                                test::copyFixture(dir, QStringLiteral("movie.mp4")),
                                test::copyFixture(dir, QStringLiteral("audio.m4a"))};
        const auto task = test::importFiles(paths, &pool);
        QCOMPARE(task->status(), Status::finished);
        QVERIFY(task->editors().isEmpty());
        const QList<TaskMessage> messages = task->messages();
        QCOMPARE(messages.size(), paths.size());
        for (qsizetype i = 0; i < paths.size(); ++i) {
            QCOMPARE(messages[i].filePath, paths[i]);
            QCOMPARE(messages[i].reason.key, QStringLiteral("ExifToolFileReadError"));
            QVERIFY(!messages[i].reason.arguments.value(1).toString().isEmpty());
        }
    }

    void exifToolCrashes()
    {
        ostrak::ExifToolPool pool(1);
        pool.setExecutable(wrapper_);
        const QDir dir(work_->path());
        const QStringList paths{test::copyFixture(dir, QStringLiteral("photo.jpg"), QStringLiteral("a.jpg")),
                                test::copyFixture(dir, QStringLiteral("photo.jpg"), QStringLiteral("crash-me.jpg")),
                                test::copyFixture(dir, QStringLiteral("movie.mp4"), QStringLiteral("b.mp4"))};
        const auto task = test::importFiles(paths, &pool);
        QCOMPARE(fileNames(task->editors()), (QStringList{"a.jpg", "b.mp4"}));
        QCOMPARE(task->messages().size(), 1);
        QCOMPARE(task->messages().front().filePath, paths[1]);
        QCOMPARE(task->messages().front().reason.key, QStringLiteral("ExifToolFileReadError"));
        QVERIFY(QFile::exists(logPath()));
    }

    void cancelStopsBetweenBatches()
    {
        ostrak::ExifToolPool pool(1);
        pool.setExecutable(wrapper_);
        const QDir dir(work_->path());
        QStringList paths;
        for (int i = 0; i < 64; ++i)
            paths.append(test::copyFixture(dir, QStringLiteral("photo.jpg"),
                                           i == 3 ? QStringLiteral("gate-file.jpg") : QStringLiteral("%1.jpg").arg(i)));
        ImportTagEditorsTask::Settings settings(test::sourcesOf(paths));
        settings.pool = &pool;
        auto task = std::make_shared<ImportTagEditorsTask>(settings);
        TaskManager manager;
        manager.add(task);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir_.filePath(QStringLiteral("gate-reached"))), 60000);
        task->cancel();
        QFile gate(dir_.filePath(QStringLiteral("gate-open")));
        QVERIFY(gate.open(QIODevice::WriteOnly));
        gate.close();
        QTRY_VERIFY_WITH_TIMEOUT(task->isDone(), 60000);
        QFile::remove(dir_.filePath(QStringLiteral("gate-reached")));
        QFile::remove(gate.fileName());

        QCOMPARE(task->status(), Status::cancelled);
        // The batches in flight were completed; no other batch was begun.
        const int opened = int(task->editors().size());
        QVERIFY(opened > 0);
        QVERIFY(opened < paths.size());
        QCOMPARE(task->completedCount(), opened);
        QVERIFY(fileNames(task->editors()).contains(QStringLiteral("gate-file.jpg")));
        QVERIFY(task->messages().isEmpty());
    }

    void stopsAfterErrorUnlessIgnored()
    {
        ostrak::ExifToolPool pool(1);
        const QDir dir(work_->path());
        QStringList paths;
        for (int i = 0; i < 40; ++i)
            paths.append(i == 2 ? test::copyFixture(dir, QStringLiteral("corrupt.mp4"))
                                : test::copyFixture(dir, QStringLiteral("photo.jpg"), QStringLiteral("%1.jpg").arg(i)));
        ImportTagEditorsTask::Settings settings(test::sourcesOf(paths));
        settings.pool = &pool;
        settings.errorsIgnored = false;
        const auto task = test::importFiles(settings);
        const QList<TaskMessage> messages = task->messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].filePath, paths[2]);
        QCOMPARE(messages[1].reason.key, QStringLiteral("ImportStoppedAfterErrorMessage"));
        // The batch holding the bad file was read to its end.
        QVERIFY(!task->editors().isEmpty());
        QVERIFY(task->editors().size() < paths.size() - 1);
    }

    void reloadInPlace()
    {
        QDir dir(work_->path());
        const QString photo = test::copyFixture(dir, QStringLiteral("photo.jpg"));
        QVERIFY(dir.mkdir(QStringLiteral("album")));
        const QString album = dir.filePath(QStringLiteral("album"));
        const auto opened = test::importFiles({photo, album}, &pool_);
        QCOMPARE(opened->editors().size(), 2);
        const auto editor = opened->editors().at(0);
        const auto folder = opened->editors().at(1);
        const TagName title(QStringLiteral("XMP-dc"), QStringLiteral("Title"));
        const TagName city(QStringLiteral("XMP-photoshop"), QStringLiteral("City"));
        QVERIFY(editor->setValue(QStringLiteral("Bern"), city));

        const ostrak::ExifToolResult written = ostrak::ExifToolWriter(pool_).write(
            photo, {QStringLiteral("-overwrite_original"), QStringLiteral("-XMP-dc:Title=Changed elsewhere")});
        QVERIFY2(written.succeeded(), qPrintable(written.errorText()));

        auto reload = [&] {
            ImportTagEditorsTask::Settings settings(QList<TagStorageSource>{editor->source(), folder->source()});
            settings.editorsToReload = {editor, folder};
            settings.pool = &pool_;
            return test::importFiles(settings);
        };
        const auto reloaded = reload();
        QVERIFY(reloaded->messages().isEmpty());
        QCOMPARE(reloaded->editors(), (QList<std::shared_ptr<TagEditor>>{editor, folder}));
        QCOMPARE(editor->originalValue(title)->text(), QStringLiteral("Changed elsewhere"));
        QCOMPARE(editor->currentValue(city), QStringLiteral("Bern"));
        QVERIFY(editor->hasEdits());

        // Gone since, or a file in the folder's place: a message each, and the editors keep what
        // they held.
        QVERIFY(QFile::remove(photo));
        QVERIFY(dir.rmdir(QStringLiteral("album")));
        test::copyFixture(dir, QStringLiteral("photo.jpg"), QStringLiteral("album"));
        const auto failed = reload();
        QVERIFY(failed->editors().isEmpty());
        QCOMPARE(failed->messages().size(), 2);
        QCOMPARE(failed->messages().at(0).filePath, photo);
        QCOMPARE(failed->messages().at(1).filePath, album);
        QCOMPARE(failed->messages().at(1).reason.key, QStringLiteral("ImportFileNotFoundError"));
        QVERIFY(folder->isFolder());
        QCOMPARE(editor->originalValue(title)->text(), QStringLiteral("Changed elsewhere"));
        QCOMPARE(editor->currentValue(city), QStringLiteral("Bern"));
    }

    // ExifTool only knows passwords of PDF files: no other file's read carries it.
    void passwordOnlyForPdf()
    {
        ostrak::ExifToolPool pool(1);
        pool.setExecutable(wrapper_);
        const QDir dir(work_->path());
        const QString photo = test::copyFixture(dir, QStringLiteral("photo.jpg"));
        const QString pdf = dir.filePath(QStringLiteral("document.pdf"));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(minimalPdf());
        file.close();

        const QString password = QStringLiteral("pass word");
        ImportTagEditorsTask::Settings settings({TagStorageSource(QUrl::fromLocalFile(photo), std::nullopt, password),
                                                 TagStorageSource(QUrl::fromLocalFile(pdf), std::nullopt, password)});
        settings.pool = &pool;
        const auto task = test::importFiles(settings);
        QVERIFY2(task->messages().isEmpty(), qPrintable(messagesText(task->messages())));
        QCOMPARE(fileNames(task->editors()), (QStringList{"photo.jpg", "document.pdf"}));
        QCOMPARE(task->editors().at(1)->currentValue(TagName(QStringLiteral("PDF"), QStringLiteral("Title"))),
                 QStringLiteral("Fixture"));
        QCOMPARE(task->editors().at(1)->source().password(), password);

        QFile log(logPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(lines.count(QStringLiteral("-password")), 1);
        const qsizetype at = lines.indexOf(QStringLiteral("-password"));
        QCOMPARE(lines.value(at + 1), password);
        const qsizetype end = lines.indexOf(QRegularExpression(QStringLiteral("-execute\\d+")), at);
        QVERIFY(end > at);
        QVERIFY(lines.mid(at, end - at).contains(pdf));
        QVERIFY(!lines.mid(at, end - at).contains(photo));
    }

private:
    QString logPath() const { return dir_.filePath(QStringLiteral("exiftool.log")); }

    QTemporaryDir dir_;
    std::unique_ptr<QTemporaryDir> work_;
    QString wrapper_;
    ostrak::ExifToolPool pool_{4};
};

QTEST_GUILESS_MAIN(ImportTagEditorsTaskTest)
#include "ImportTagEditorsTaskTest.moc"
