#include "TagEditorTestSupport.h"
#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/SaveArguments.h"
#include "engine/halvex/tasks/SaveTagEditorsTask.h"
#include "engine/ostrak/ETSettings.h"
#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/ExifToolWriter.h"
#include "support/TestEnvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include <sys/stat.h>

using namespace halvex;
using ostrak::TagName;
using EditorPtr = std::shared_ptr<TagEditor>;

namespace {

TagName tag(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString runExifTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("exiftool"), arguments);
    if (!process.waitForFinished(60000))
        qFatal("exiftool did not finish");
    return QString::fromUtf8(process.readAllStandardOutput());
}

// ExifTool's own reading of one tag, printed, list items joined by "|"; empty when absent.
QString exifToolValue(const QString& path, const QString& tagName, const QStringList& options = {})
{
    QString value = runExifTool(QStringList{QStringLiteral("-s3"), QStringLiteral("-sep"), QStringLiteral("|"),
                                            QStringLiteral("-api"), QStringLiteral("QuickTimeUTC")}
                                << options << QLatin1Char('-') + tagName << path);
    if (value.endsWith(QLatin1Char('\n')))
        value.chop(1);
    return value;
}

// Every tag ExifTool reads, repeated ones included, less what a rewrite changes by nature: file
// system dates and size, where the media data starts, the digest ExifTool computes of the IPTC.
QJsonObject allTags(const QString& path)
{
    QJsonObject tags = test::exifToolReading(path).json;
    for (const char* key : {"System:FileAccessDate", "System:FileInodeChangeDate", "System:FileSize",
                            "QuickTime:MediaDataOffset", "File:CurrentIPTCDigest"})
        tags.remove(QLatin1String(key));
    return tags;
}

// The keys whose values differ, without ExifTool's copy numbers ("IPTC:Copy1:City" is "IPTC:City").
QStringList differences(const QJsonObject& before, const QJsonObject& after)
{
    QSet<QString> keys;
    for (const QJsonObject& object : {before, after}) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (before.value(it.key()) != after.value(it.key()))
                keys.insert(SaveArguments::withoutCopyNumber(TagName::fromRawValue(it.key())).rawValue());
        }
    }
    QStringList sorted(keys.begin(), keys.end());
    sorted.sort();
    return sorted;
}

// The name the editor knows a tag by: ExifTool numbers a name that another group repeats
// ("ItemList:Copy1:Title" beside "Keys:Title").
TagName nameIn(const TagEditor& editor, const QString& raw)
{
    const TagName name = TagName::fromRawValue(raw);
    for (const TagName& stored : editor.tagNames()) {
        if (SaveArguments::withoutCopyNumber(stored) == name)
            return stored;
    }
    return name;
}

QString describe(const AbstractTask& task)
{
    QStringList lines;
    for (const TaskMessage& message : task.messages()) {
        QStringList arguments;
        for (const QVariant& argument : message.reason.arguments)
            arguments << argument.toString();
        lines << message.reason.key + QStringLiteral(" [") + arguments.join(QStringLiteral("; ")) + QLatin1Char(']');
    }
    return lines.join(QLatin1Char('\n'));
}

QList<TaskMessage> errorsOf(const AbstractTask& task)
{
    QList<TaskMessage> errors = task.messages();
    errors.removeIf([](const TaskMessage& message) { return message.severity != TaskMessage::Severity::error; });
    return errors;
}

QString argumentText(const TaskMessage& message)
{
    QStringList arguments;
    for (const QVariant& argument : message.reason.arguments)
        arguments << argument.toString();
    return arguments.join(QLatin1Char('\n'));
}

} // namespace

class SaveTagEditorsTaskTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir_.emplace();
        QVERIFY(dir_->isValid());
        pool_ = std::make_unique<ostrak::ExifToolPool>(2);
        ostrak::ETSettings::shared().setBackupFolder(QString());
    }

    void cleanup()
    {
        // Immutable files and folders would outlive the temporary folder.
        for (const QString& path : std::as_const(locked_)) {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        locked_.clear();
        pool_.reset();
        dir_.reset();
    }

    // What is written is what ExifTool reads back, and the editor then holds it unedited.
    void writtenValuesReadBack_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<QStringList>("values"); // empty: deleted
        QTest::addColumn<QString>("read");
        QTest::addColumn<QStringList>("readOptions");
        QTest::addColumn<QString>("expected");

        const QString movie = QStringLiteral("movie.mp4");
        const QString photo = QStringLiteral("photo.jpg");
        auto same = [](const char* name, const QString& fixture, const QString& tagName, const QStringList& values) {
            QTest::newRow(name) << fixture << tagName << values << tagName << QStringList()
                                << values.join(QLatin1Char('|'));
        };
        same("Keys title", movie, QStringLiteral("Keys:Title"), {QStringLiteral("Tour Eiffel – été")});
        same("ItemList title", movie, QStringLiteral("ItemList:Title"), {QStringLiteral("Ιστορία")});
        same("UserData title", movie, QStringLiteral("UserData:Title"), {QStringLiteral("Quai d’Orsay")});
        same("Keys date with zone", movie, QStringLiteral("Keys:CreationDate"), {QStringLiteral("2023:08:15 09:30:00-04:00")});
        // Movie dates are stored as UTC.
        QTest::newRow("movie date from a zoned time") << movie << QStringLiteral("QuickTime:CreateDate")
                                                      << QStringList{QStringLiteral("2024:06:01 08:00:00+02:00")}
                                                      << QStringLiteral("QuickTime:CreateDate")
                                                      << QStringList{QStringLiteral("-api"), QStringLiteral("QuickTimeUTC=0")}
                                                      << QStringLiteral("2024:06:01 06:00:00");
        QTest::newRow("Keys GPS") << movie << QStringLiteral("Keys:GPSCoordinates")
                                  << QStringList{QStringLiteral("40.6892, -74.0445, 93")} << QStringLiteral("Keys:GPSCoordinates")
                                  << QStringList{QStringLiteral("-n")} << QStringLiteral("40.6892 -74.0445 93");
        QTest::newRow("UserData GPS") << movie << QStringLiteral("UserData:GPSCoordinates")
                                      << QStringList{QStringLiteral("-33.8568, 151.2153, 4")}
                                      << QStringLiteral("UserData:GPSCoordinates") << QStringList{QStringLiteral("-n")}
                                      << QStringLiteral("-33.8568 151.2153 4");
        // Without a block the tag goes to the preferred ones: Keys, then UserData.
        QTest::newRow("QuickTime tag into Keys") << QStringLiteral("movie.mov") << QStringLiteral("QuickTime:Artist")
                                                 << QStringList{QStringLiteral("Ensemble")} << QStringLiteral("Keys:Artist")
                                                 << QStringList() << QStringLiteral("Ensemble");
        QTest::newRow("QuickTime tag into UserData") << QStringLiteral("movie.mov") << QStringLiteral("QuickTime:Artist")
                                                     << QStringList{QStringLiteral("Ensemble")}
                                                     << QStringLiteral("UserData:Artist") << QStringList()
                                                     << QStringLiteral("Ensemble");
        same("ItemList in audio", QStringLiteral("audio.m4a"), QStringLiteral("ItemList:Album"), {QStringLiteral("Neue Töne")});
        QTest::newRow("EXIF orientation by its choice") << photo << QStringLiteral("IFD0:Orientation")
                                                        << QStringList{QStringLiteral("3")} << QStringLiteral("IFD0:Orientation")
                                                        << QStringList() << QStringLiteral("Rotate 180");
        same("EXIF text", photo, QStringLiteral("IFD0:Model"), {QStringLiteral("Fixture Cam II")});
        same("IPTC UTF-8 caption", photo, QStringLiteral("IPTC:Caption-Abstract"), {QStringLiteral("Crème brûlée – Zürich")});
        same("IPTC keywords with a comma", photo, QStringLiteral("IPTC:Keywords"),
             {QStringLiteral("Zürich"), QStringLiteral("lake, evening"), QStringLiteral("nuit d’été")});
        same("XMP language-alternative title", photo, QStringLiteral("XMP-dc:Title"), {QStringLiteral("Château d’If")});
        same("XMP subject list", QStringLiteral("sidecar.xmp"), QStringLiteral("XMP-dc:Subject"),
             {QStringLiteral("harbour"), QStringLiteral("dawn, mist"), QStringLiteral("quai")});
        same("IPTC tag deleted", photo, QStringLiteral("IPTC:City"), {});
        same("QuickTime tag deleted", movie, QStringLiteral("Keys:Description"), {});
    }

    void writtenValuesReadBack()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, edited);
        QFETCH(QStringList, values);
        QFETCH(QString, read);
        QFETCH(QStringList, readOptions);
        QFETCH(QString, expected);

        const QString path = copy(fixture);
        const EditorPtr editor = open(path);
        if (values.isEmpty())
            QVERIFY(editor->clearValue(nameIn(*editor, edited)));
        else
            QVERIFY(editor->setValues(values, nameIn(*editor, edited)));

        const auto task = save({editor});
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
        QCOMPARE(exifToolValue(path, read, readOptions), expected);
        QVERIFY(!editor->hasEdits());
        QCOMPARE(editor->currentValues(nameIn(*editor, read)).value_or(QStringList()).join(QLatin1Char('|')),
                 exifToolValue(path, read));
    }

    // Cover art and other binary values travel as "base64:" text; the file gets the picture's
    // bytes, in a movie or audio file without art as in one that has some.
    void binaryValuesAreWrittenAsBytes_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("edited");
        QTest::newRow("replacing an audio file's art") << QStringLiteral("audio.m4a") << QStringLiteral("ItemList:CoverArt");
        QTest::newRow("adding a movie's art") << QStringLiteral("movie.mp4") << QStringLiteral("ItemList:CoverArt");
    }

    void binaryValuesAreWrittenAsBytes()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, edited);
        const QByteArray picture = bytesOf(corvelle::test::fixturePath(QStringLiteral("photo.jpg")));
        QVERIFY(!picture.isEmpty());
        const QString path = copy(fixture);
        const EditorPtr editor = open(path);
        QVERIFY(editor->setValues({QStringLiteral("base64:") + QString::fromLatin1(picture.toBase64())},
                                  nameIn(*editor, edited)));

        const auto task = save({editor});
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
        QProcess exifTool;
        exifTool.start(QStringLiteral("exiftool"), {QStringLiteral("-b"), QLatin1Char('-') + edited, path});
        QVERIFY(exifTool.waitForFinished(60000));
        QCOMPARE(exifTool.readAllStandardOutput(), picture);
    }

    // Opening and saving a file keeps every tag ExifTool reads but the one edited, and the file
    // keeps its modification date.
    void everyOtherTagSurvives_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("edited");
        QTest::newRow("mp4") << QStringLiteral("movie.mp4") << QStringLiteral("Keys:Title");
        QTest::newRow("mov") << QStringLiteral("movie.mov") << QStringLiteral("UserData:Title");
        QTest::newRow("m4a") << QStringLiteral("audio.m4a") << QStringLiteral("ItemList:Album");
        QTest::newRow("jpeg") << QStringLiteral("photo.jpg") << QStringLiteral("IPTC:ObjectName");
        QTest::newRow("xmp") << QStringLiteral("sidecar.xmp") << QStringLiteral("XMP-dc:Title");
    }

    void everyOtherTagSurvives()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, edited);
        const QString path = copy(fixture);
        const QJsonObject before = allTags(path);
        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(QStringLiteral("Édité"), nameIn(*editor, edited)));

        const auto task = save({editor});
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
        const QStringList changed = differences(before, allTags(path));
        QVERIFY2(changed == QStringList{edited}, qPrintable(changed.join(QLatin1Char(' '))));
        QCOMPARE(exifToolValue(path, edited), QStringLiteral("Édité"));
    }

    // Another program changes other tags between opening and saving: its changes stay, and the
    // editor holds them afterwards.
    void onlyEditedTagsAreWritten()
    {
        const QString path = copy(QStringLiteral("photo.jpg"));
        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(QStringLiteral("Mine"), tag(QStringLiteral("XMP-dc:Title"))));
        runExifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-IFD0:Make=Other program"),
                     QStringLiteral("-XMP-dc:Description=Theirs"), path});

        const auto task = save({editor});
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
        QCOMPARE(exifToolValue(path, QStringLiteral("XMP-dc:Title")), QStringLiteral("Mine"));
        QCOMPARE(exifToolValue(path, QStringLiteral("IFD0:Make")), QStringLiteral("Other program"));
        QCOMPARE(exifToolValue(path, QStringLiteral("XMP-dc:Description")), QStringLiteral("Theirs"));
        QCOMPARE(editor->currentValue(nameIn(*editor, QStringLiteral("IFD0:Make"))), QStringLiteral("Other program"));
    }

    void modificationDate_data()
    {
        QTest::addColumn<bool>("update");
        QTest::newRow("kept") << false;
        QTest::newRow("updated") << true;
    }

    void modificationDate()
    {
        QFETCH(bool, update);
        const QString path = copy(QStringLiteral("movie.mp4"));
        // With its sub-second part, which file systems keep too.
        const QDateTime old(QDate(2020, 1, 1), QTime(12, 0, 0, 123), Qt::UTC);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(QStringLiteral("New"), tag(QStringLiteral("Keys:Title"))));
        SaveTagEditorsTask::Settings settings;
        settings.updateFileModifyDate = update;
        const auto task = save({editor}, settings);
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
        QCOMPARE(QFileInfo(path).lastModified() == old, !update);
    }

    // A file whose permission bits allow no writing is read-only, and so is a folder, even for
    // root, whom the bits do not stop.
    void readOnlyByPermissionBits_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("file") << false;
        QTest::newRow("folder") << true;
    }

    void readOnlyByPermissionBits()
    {
        QFETCH(bool, folder);
        const QString locked = dir_->filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(locked));
        const QString path = test::copyFixture(QDir(locked), QStringLiteral("photo.jpg"));
        const QByteArray original = bytesOf(path);
        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(QStringLiteral("x"), tag(QStringLiteral("XMP-dc:Title"))));
        const QString lockedPath = folder ? locked : path;
        locked_ << lockedPath;
        QVERIFY(QFile::setPermissions(lockedPath, folder ? QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                      | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther
                                                        : QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        const auto task = save({editor});
        const QList<TaskMessage> errors = errorsOf(*task);
        QVERIFY2(errors.size() == 1, qPrintable(describe(*task)));
        QCOMPARE(errors.front().reason.key, folder ? QStringLiteral("SaveFolderReadOnlyError") : QStringLiteral("SaveFileReadOnlyError"));
        QCOMPARE(bytesOf(path), original);
        QVERIFY(editor->hasEdits());
    }

    // ExifTool killed as it writes the new copy: the file stays as it was, the half-written
    // copy goes, and the next save works. A copy left by a save killed with the whole program
    // (our own name, hidden, beside the file) is never opened with its folder and goes with the
    // next save of its file.
    void killedSave()
    {
        const QString fake = dir_->filePath(QStringLiteral("killed-exiftool"));
        {
            QFile script(fake);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/bash\n"
                         "# ExifTool killed as it writes: what it wrote so far is left beside the file it writes.\n"
                         "exec exiftool \"$@\" < <(while IFS= read -r line; do\n"
                         "    if [ \"$previous\" = -overwrite_original ] && [ -f \"$line\" ]; then\n"
                         "        head -c 100 \"$line\" > \"${line}_exiftool_tmp\"; kill -KILL $$; exit 0\n"
                         "    fi\n"
                         "    previous=$line; printf '%s\\n' \"$line\"\n"
                         "done)\n");
        }
        QVERIFY(QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        const QString folder = dir_->filePath(QStringLiteral("clips"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = test::copyFixture(QDir(folder), QStringLiteral("movie.mp4"));
        const QByteArray original = bytesOf(path);
        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(QStringLiteral("Saved"), tag(QStringLiteral("Keys:Title"))));
        const auto besideTheFile = [&] {
            return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
        };

        pool_->setExecutable(fake);
        const auto killed = save({editor});
        const QList<TaskMessage> errors = errorsOf(*killed);
        QVERIFY2(errors.size() == 1, qPrintable(describe(*killed)));
        QVERIFY2(argumentText(errors.front()).contains(QStringLiteral("ExifToolCrashedError")), qPrintable(describe(*killed)));
        QCOMPARE(bytesOf(path), original);
        QCOMPARE(besideTheFile(), QStringList{QStringLiteral("movie.mp4")});
        QVERIFY(editor->hasEdits());

        // What a save killed with the program leaves: the second name of the file, and the new
        // copy half written.
        const QString leftover = QDir(folder).filePath(ostrak::ExifToolWriter::temporaryName(QStringLiteral("movie.mp4")));
        QVERIFY(QFile::copy(path, leftover));
        QVERIFY(QFile::copy(path, leftover + QStringLiteral("_exiftool_tmp")));
        QVERIFY(QFile::resize(leftover + QStringLiteral("_exiftool_tmp"), 100));
        ImportTagEditorsTask::Settings unfolded(test::sourcesOf({folder}));
        unfolded.unfoldFolders = true;
        unfolded.pool = pool_.get();
        pool_->setExecutable(QStringLiteral("exiftool"));
        const auto opened = test::importFiles(unfolded);
        QCOMPARE(opened->editors().size(), 1);
        QCOMPARE(opened->editors().front()->source().url().toLocalFile(), path);

        const auto again = save({editor});
        QVERIFY2(again->messages().isEmpty(), qPrintable(describe(*again)));
        QCOMPARE(exifToolValue(path, QStringLiteral("Keys:Title")), QStringLiteral("Saved"));
        QCOMPARE(besideTheFile(), QStringList{QStringLiteral("movie.mp4")});
        QVERIFY(!editor->hasEdits());
    }

    // Any name the file system holds saves, and backs up beside an earlier backup of the day:
    // up to 255 bytes, where ExifTool's own copy name would be too long.
    void longNames_data()
    {
        QTest::addColumn<QString>("name");
        for (const int length : {243, 250, 255}) {
            QTest::addRow("%d bytes", length) << QString(length - 4, QLatin1Char('n')) + QStringLiteral(".jpg");
        }
        QTest::newRow("255 bytes, accented") << QStringLiteral("x") + QString(125, QChar(0xe9)) + QStringLiteral(".jpg");
    }

    void longNames()
    {
        QFETCH(QString, name);
        QCOMPARE(QFile::encodeName(name).size() <= 255, true);
        const QString backups = dir_->filePath(QStringLiteral("Backups"));
        ostrak::ETSettings::shared().setBackupFolder(backups);
        const QString path = copy(QStringLiteral("photo.jpg"), name);
        const QByteArray original = bytesOf(path);
        const QDir day(QDir(backups).filePath(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
        QVERIFY(day.mkpath(QStringLiteral(".")));
        QVERIFY(QFile::copy(path, day.filePath(name)));

        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(QStringLiteral("Long"), tag(QStringLiteral("XMP-dc:Title"))));
        const auto task = save({editor});
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
        QCOMPARE(exifToolValue(path, QStringLiteral("XMP-dc:Title")), QStringLiteral("Long"));
        QCOMPARE(day.entryList(QDir::Files).size(), 2);
        for (const QString& backup : day.entryList(QDir::Files))
            QCOMPARE(bytesOf(day.filePath(backup)), original);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    }

    // The mark of UTF-8 IPTC set by an edit (typed, from a preset or pasted) recodes the Latin
    // text the file holds, as the setting's own mark does.
    void iptcMarkedByAnEdit_data()
    {
        QTest::addColumn<bool>("utf8");
        QTest::newRow("UTF-8 asked") << true;
        QTest::newRow("Latin asked") << false;
    }

    void iptcMarkedByAnEdit()
    {
        QFETCH(bool, utf8);
        const QString path = copy(QStringLiteral("photo.jpg"));
        runExifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-IPTC:all="), path});
        runExifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-IPTC:City=Zürich"),
                     QStringLiteral("-IPTC:Keywords=café"), QStringLiteral("-IPTC:Keywords=crème"), path});
        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(QStringLiteral("UTF8"), tag(QStringLiteral("IPTC:CodedCharacterSet"))));
        QVERIFY(editor->setValue(QStringLiteral("Genève – 日本"), nameIn(*editor, QStringLiteral("IPTC:Caption-Abstract"))));
        SaveTagEditorsTask::Settings settings;
        settings.iptcAsUTF8 = utf8;
        const auto task = save({editor}, settings);
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));

        QCOMPARE(exifToolValue(path, QStringLiteral("IPTC:CodedCharacterSet")), QStringLiteral("UTF8"));
        QCOMPARE(exifToolValue(path, QStringLiteral("IPTC:City")), QStringLiteral("Zürich"));
        QCOMPARE(exifToolValue(path, QStringLiteral("IPTC:Keywords")), QStringLiteral("café|crème"));
        QCOMPARE(exifToolValue(path, QStringLiteral("IPTC:Caption-Abstract")), QStringLiteral("Genève – 日本"));
    }

    // A signed coordinate set as a plain value lands in its hemisphere.
    void signedCoordinatesAsPlainValues()
    {
        const QString path = copy(QStringLiteral("photo.jpg"));
        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(QStringLiteral("-33.8568"), nameIn(*editor, QStringLiteral("GPS:GPSLatitude"))));
        QVERIFY(editor->setValue(QStringLiteral("-70.25"), nameIn(*editor, QStringLiteral("GPS:GPSLongitude"))));
        const auto task = save({editor});
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
        QCOMPARE(exifToolValue(path, QStringLiteral("Composite:GPSLatitude"), {QStringLiteral("-n")}), QStringLiteral("-33.8568"));
        QCOMPARE(exifToolValue(path, QStringLiteral("Composite:GPSLongitude"), {QStringLiteral("-n")}), QStringLiteral("-70.25"));
        QCOMPARE(editor->currentValue(nameIn(*editor, QStringLiteral("GPS:GPSLatitudeRef"))), QStringLiteral("South"));
    }

    void iptcDigest_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("fileHasDigest");
        QTest::addColumn<QString>("expected"); // "absent", "stale" or "current"
        const int ignore = int(IPTCDigestUpdate::ignore);
        const int remove = int(IPTCDigestUpdate::delete_);
        const int update = int(IPTCDigestUpdate::update);
        const int ifExists = int(IPTCDigestUpdate::updateIfExists);
        QTest::newRow("ignore leaves it stale") << ignore << true << QStringLiteral("stale");
        QTest::newRow("ignore adds none") << ignore << false << QStringLiteral("absent");
        QTest::newRow("delete") << remove << true << QStringLiteral("absent");
        QTest::newRow("update") << update << true << QStringLiteral("current");
        QTest::newRow("update adds one") << update << false << QStringLiteral("current");
        QTest::newRow("update if exists") << ifExists << true << QStringLiteral("current");
        QTest::newRow("update if exists adds none") << ifExists << false << QStringLiteral("absent");
    }

    void iptcDigest()
    {
        QFETCH(int, mode);
        QFETCH(bool, fileHasDigest);
        QFETCH(QString, expected);
        const QString path = copy(QStringLiteral("photo.jpg"));
        if (fileHasDigest)
            runExifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-Photoshop:IPTCDigest=new"), path});
        const QString oldDigest = exifToolValue(path, QStringLiteral("Photoshop:IPTCDigest"));
        QCOMPARE(oldDigest.isEmpty(), !fileHasDigest);

        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(QStringLiteral("Genève"), nameIn(*editor, QStringLiteral("IPTC:City"))));
        SaveTagEditorsTask::Settings settings;
        settings.iptcDigestUpdate = IPTCDigestUpdate(mode);
        const auto task = save({editor}, settings);
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));

        const QString digest = exifToolValue(path, QStringLiteral("Photoshop:IPTCDigest"));
        const QString current = exifToolValue(path, QStringLiteral("CurrentIPTCDigest"));
        if (expected == u"absent") {
            QCOMPARE(digest, QString());
        } else if (expected == u"stale") {
            QCOMPARE(digest, oldDigest);
            QVERIFY(digest != current);
        } else {
            QCOMPARE(digest, current);
        }
    }

    // UTF-8 IPTC is marked so, and Latin values already in the file are carried over, not garbled.
    void iptcCharacterSet_data()
    {
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<bool>("latinFile");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("expectedCharacterSet");
        QTest::addColumn<bool>("held");
        QTest::newRow("Latin file becomes UTF-8") << true << true << QStringLiteral("Café – Zürich 日本") << QStringLiteral("UTF8") << true;
        QTest::newRow("Latin file stays Latin") << false << true << QStringLiteral("Café – Zürich") << QString() << true;
        QTest::newRow("UTF-8 file") << true << false << QStringLiteral("Café – Zürich 日本") << QStringLiteral("UTF8") << true;
        QTest::newRow("UTF-8 file, no character set asked") << false << false << QStringLiteral("日本") << QStringLiteral("UTF8") << true;
        // Characters Latin lacks are lost: the edit is reported and stays staged.
        QTest::newRow("beyond Latin") << false << true << QStringLiteral("日本") << QString() << false;
    }

    void iptcCharacterSet()
    {
        QFETCH(bool, utf8);
        QFETCH(bool, latinFile);
        QFETCH(QString, caption);
        QFETCH(QString, expectedCharacterSet);
        QFETCH(bool, held);
        const QString path = copy(QStringLiteral("photo.jpg"));
        if (latinFile) {
            runExifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-IPTC:all="), path});
            runExifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-IPTC:City=Zürich"),
                         QStringLiteral("-IPTC:Keywords=café"), QStringLiteral("-IPTC:Keywords=crème"), path});
            QCOMPARE(exifToolValue(path, QStringLiteral("IPTC:CodedCharacterSet")), QString());
        }
        const EditorPtr editor = open(path);
        const TagName captionTag = nameIn(*editor, QStringLiteral("IPTC:Caption-Abstract"));
        QVERIFY(editor->setValue(caption, captionTag));
        SaveTagEditorsTask::Settings settings;
        settings.iptcAsUTF8 = utf8;
        const auto task = save({editor}, settings);

        QCOMPARE(exifToolValue(path, QStringLiteral("IPTC:CodedCharacterSet")), expectedCharacterSet);
        QCOMPARE(exifToolValue(path, QStringLiteral("IPTC:City")), QStringLiteral("Zürich"));
        if (latinFile)
            QCOMPARE(exifToolValue(path, QStringLiteral("IPTC:Keywords")), QStringLiteral("café|crème"));
        if (held) {
            QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
            QCOMPARE(exifToolValue(path, QStringLiteral("IPTC:Caption-Abstract")), caption);
        } else {
            const QList<TaskMessage> errors = errorsOf(*task);
            QCOMPARE(errors.size(), 1);
            QCOMPARE(errors.front().reason.key, QStringLiteral("SaveTagsNotWrittenError"));
            QVERIFY(argumentText(errors.front()).contains(QStringLiteral("Caption-Abstract")));
            QVERIFY(editor->isEdited(captionTag));
        }
    }

    // The original goes to "<backup folder>/<today>/<name>" before the first rewrite only.
    void backupBeforeFirstRewrite()
    {
        const QString backups = dir_->filePath(QStringLiteral("Backups"));
        ostrak::ETSettings::shared().setBackupFolder(backups);
        const QString path = copy(QStringLiteral("photo.jpg"));
        const QByteArray original = bytesOf(path);
        const EditorPtr editor = open(path);

        QVERIFY(editor->setValue(QStringLiteral("First"), tag(QStringLiteral("XMP-dc:Title"))));
        auto task = save({editor});
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
        QVERIFY(editor->setValue(QStringLiteral("Second"), tag(QStringLiteral("XMP-dc:Title"))));
        task = save({editor});
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));

        const QDir day(QDir(backups).filePath(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
        QCOMPARE(day.entryList(QDir::Files), QStringList{QStringLiteral("photo.jpg")});
        QCOMPARE(bytesOf(day.filePath(QStringLiteral("photo.jpg"))), original);
        QCOMPARE(exifToolValue(path, QStringLiteral("XMP-dc:Title")), QStringLiteral("Second"));
    }

    // Files that cannot be saved: a message naming the file and the reason, the file as it
    // was, the edits still staged.
    void badInput_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("messageKey");
        QTest::addColumn<QString>("reasonPart");

        const QString photo = QStringLiteral("photo.jpg");
        const QString title = QStringLiteral("XMP-dc:Title");
        QTest::newRow("read-only file") << photo << QStringLiteral("read-only file") << title << QStringLiteral("x")
                                        << QStringLiteral("SaveFileReadOnlyError") << QString();
        QTest::newRow("read-only folder") << photo << QStringLiteral("read-only folder") << title << QStringLiteral("x")
                                          << QStringLiteral("SaveFolderReadOnlyError") << QString();
        QTest::newRow("folder in place of the file") << photo << QStringLiteral("folder") << title << QStringLiteral("x")
                                                     << QStringLiteral("SaveNotAFileError") << QString();
        QTest::newRow("vanished file") << photo << QStringLiteral("vanished") << title << QStringLiteral("x")
                                       << QStringLiteral("SaveFileMissingError") << QString();
        QTest::newRow("dangling link") << photo << QStringLiteral("dangling link") << title << QStringLiteral("x")
                                       << QStringLiteral("SaveFileMissingError") << QString();
        QTest::newRow("backup impossible") << photo << QStringLiteral("backup blocked") << title << QStringLiteral("x")
                                           << QStringLiteral("SaveBackupError") << QString();
        QTest::newRow("not really a JPEG") << QStringLiteral("notmedia.jpg") << QString() << title << QStringLiteral("x")
                                           << QStringLiteral("SaveFileError") << QStringLiteral("Not a valid JPG");
        QTest::newRow("truncated movie") << QStringLiteral("corrupt.mp4") << QString() << QStringLiteral("Keys:Title")
                                         << QStringLiteral("x") << QStringLiteral("SaveFileError") << QStringLiteral("Truncated");
        // ExifTool reports the file unchanged and says nothing else.
        QTest::newRow("tag the format cannot hold") << QStringLiteral("movie.mp4") << QString() << QStringLiteral("IFD0:Make")
                                                    << QStringLiteral("Maker") << QStringLiteral("SaveTagsNotWrittenError")
                                                    << QStringLiteral("IFD0:Make");
        QTest::newRow("value ExifTool refuses") << photo << QString() << QStringLiteral("IFD0:Orientation")
                                                << QStringLiteral("sideways") << QStringLiteral("SaveFileError")
                                                << QStringLiteral("Can't convert IFD0:Orientation");
    }

    void badInput()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, setUp);
        QFETCH(QString, edited);
        QFETCH(QString, value);
        QFETCH(QString, messageKey);
        QFETCH(QString, reasonPart);

        QString path = copy(fixture);
        if (setUp == u"read-only folder") {
            const QString folder = dir_->filePath(QStringLiteral("locked"));
            QVERIFY(QDir().mkpath(folder));
            const QString moved = QDir(folder).filePath(fixture);
            QVERIFY(QFile::rename(path, moved));
            path = moved;
        } else if (setUp == u"dangling link") {
            const QString link = dir_->filePath(QStringLiteral("link.jpg"));
            QVERIFY(QFile::link(path, link));
            path = link;
        }
        const QByteArray original = bytesOf(path);
        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(value, nameIn(*editor, edited)));

        if (setUp == u"read-only file" && !makeReadOnly(path))
            QSKIP("neither permissions nor the immutable attribute make a file read-only here");
        if (setUp == u"read-only folder" && !makeReadOnly(QFileInfo(path).absolutePath()))
            QSKIP("neither permissions nor the immutable attribute make a folder read-only here");
        if (setUp == u"folder")
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
        else if (setUp == u"vanished")
            QVERIFY(QFile::remove(path));
        else if (setUp == u"dangling link")
            QVERIFY(QFile::remove(QFileInfo(path).symLinkTarget()));
        else if (setUp == u"backup blocked") {
            const QString blocker = dir_->filePath(QStringLiteral("not a folder"));
            QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
            ostrak::ETSettings::shared().setBackupFolder(blocker);
        }

        const auto task = save({editor});
        const QList<TaskMessage> errors = errorsOf(*task);
        QVERIFY2(errors.size() == 1, qPrintable(describe(*task)));
        QCOMPARE(errors.front().reason.key, messageKey);
        QCOMPARE(errors.front().filePath, path);
        QVERIFY2(argumentText(errors.front()).contains(path), qPrintable(describe(*task)));
        QVERIFY2(argumentText(errors.front()).contains(reasonPart), qPrintable(describe(*task)));
        if (QFileInfo(path).isFile())
            QCOMPARE(bytesOf(path), original);
        QVERIFY(editor->isEdited(nameIn(*editor, edited)));
        const QStringList leftovers = QDir(QFileInfo(path).absolutePath())
                                          .entryList({QStringLiteral("*_exiftool_tmp"), QStringLiteral(".corvelle-save-*")},
                                                     QDir::Files | QDir::Hidden);
        QVERIFY(leftovers.isEmpty());
    }

    // Edits that landed are saved; the one the format cannot hold stays staged and is reported.
    void partlyWritten()
    {
        const QString path = copy(QStringLiteral("movie.mp4"));
        const EditorPtr editor = open(path);
        QVERIFY(editor->setValue(QStringLiteral("Kept"), tag(QStringLiteral("Keys:Title"))));
        QVERIFY(editor->setValue(QStringLiteral("Lost"), tag(QStringLiteral("IFD0:Make"))));

        const auto task = save({editor});
        const QList<TaskMessage> errors = errorsOf(*task);
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.front().reason.key, QStringLiteral("SaveTagsNotWrittenError"));
        QVERIFY(!argumentText(errors.front()).contains(QStringLiteral("Keys:Title")));
        QCOMPARE(exifToolValue(path, QStringLiteral("Keys:Title")), QStringLiteral("Kept"));
        QVERIFY(!editor->isEdited(tag(QStringLiteral("Keys:Title"))));
        QVERIFY(editor->isEdited(tag(QStringLiteral("IFD0:Make"))));
    }

    // A link is followed: the file behind it is written and the link stays a link.
    void symbolicLinkStaysALink()
    {
        const QString target = copy(QStringLiteral("movie.mp4"));
        const QString link = dir_->filePath(QStringLiteral("link.mp4"));
        QVERIFY(QFile::link(target, link));
        const EditorPtr editor = open(link);
        QVERIFY(editor->setValue(QStringLiteral("Through the link"), tag(QStringLiteral("Keys:Title"))));

        const auto task = save({editor});
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(exifToolValue(target, QStringLiteral("Keys:Title")), QStringLiteral("Through the link"));
    }

    void exifToolMissing()
    {
        const QStringList paths{copy(QStringLiteral("movie.mp4")), copy(QStringLiteral("photo.jpg"))};
        QList<EditorPtr> editors;
        for (const QString& path : paths) {
            editors << open(path);
            QVERIFY(editors.back()->setValue(QStringLiteral("x"), tag(QStringLiteral("XMP-dc:Title"))));
        }
        const QByteArray movie = bytesOf(paths[0]);
        pool_->setExecutable(dir_->filePath(QStringLiteral("no-exiftool-here")));

        const auto task = save(editors);
        const QList<TaskMessage> errors = errorsOf(*task);
        QCOMPARE(errors.size(), 2);
        for (const TaskMessage& error : errors) {
            QCOMPARE(error.reason.key, QStringLiteral("SaveFileError"));
            QVERIFY(paths.contains(error.filePath));
            QVERIFY2(argumentText(error).contains(QStringLiteral("ExifToolNotStartedError")), qPrintable(describe(*task)));
        }
        QCOMPARE(bytesOf(paths[0]), movie);
        QVERIFY(editors[0]->hasEdits() && editors[1]->hasEdits());
    }

    // ExifTool dies on the second of three files: that file is reported and left as it was, the
    // others are saved by a fresh ExifTool.
    void exifToolCrashesMidBatch()
    {
        const QString fake = dir_->filePath(QStringLiteral("crashing-exiftool"));
        {
            QFile script(fake);
            QVERIFY(script.open(QIODevice::WriteOnly));
            // The file is written under the writer's own second name of it.
            const QByteArray written = ostrak::ExifToolWriter::temporaryName(QStringLiteral("crash-me.mp4")).toUtf8();
            script.write("#!/bin/bash\n"
                         "# ExifTool that dies as a crash would when it is handed a file named crash-me.\n"
                         "exec exiftool \"$@\" < <(while IFS= read -r line; do\n"
                         "    case \"$line\" in *crash-me*|*" + written + "*) kill -KILL $$; exit 0;; esac\n"
                         "    printf '%s\\n' \"$line\"\n"
                         "done)\n");
        }
        QVERIFY(QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        pool_->setExecutable(fake);

        const QStringList paths{copy(QStringLiteral("movie.mp4"), QStringLiteral("a.mp4")),
                                copy(QStringLiteral("movie.mp4"), QStringLiteral("crash-me.mp4")),
                                copy(QStringLiteral("movie.mp4"), QStringLiteral("c.mp4"))};
        const QByteArray original = bytesOf(paths[1]);
        QList<EditorPtr> editors;
        for (const QString& path : paths) {
            editors << open(path);
            QVERIFY(editors.back()->setValue(QStringLiteral("Saved"), tag(QStringLiteral("Keys:Title"))));
        }

        const auto task = save(editors);
        const QList<TaskMessage> errors = errorsOf(*task);
        QVERIFY2(errors.size() == 1, qPrintable(describe(*task)));
        QCOMPARE(errors.front().filePath, paths[1]);
        QVERIFY2(argumentText(errors.front()).contains(QStringLiteral("ExifToolCrashedError")), qPrintable(describe(*task)));
        QCOMPARE(bytesOf(paths[1]), original);
        QVERIFY(editors[1]->hasEdits());
        for (int i : {0, 2}) {
            QCOMPARE(exifToolValue(paths[i], QStringLiteral("Keys:Title")), QStringLiteral("Saved"));
            QVERIFY(!editors[i]->hasEdits());
        }
        QVERIFY(QDir(dir_->path()).entryList({QStringLiteral("*_exiftool_tmp")}).isEmpty());
    }

    // Many files are read back a few per request: each editor then holds exactly what opening
    // the file afresh gives, value for value, and not a neighbour's values.
    void readBackAsOpeningReads()
    {
        const QStringList fixtures{QStringLiteral("movie.mp4"), QStringLiteral("movie.mov"), QStringLiteral("audio.m4a"),
                                   QStringLiteral("photo.jpg")};
        QStringList paths;
        QList<EditorPtr> editors;
        for (int i = 0; i < 12; ++i) {
            const QString fixture = fixtures[i % fixtures.size()];
            paths << copy(fixture, QStringLiteral("%1-%2").arg(i).arg(fixture));
            editors << open(paths.back());
            QVERIFY(editors.back()->setValue(QStringLiteral("Title %1").arg(i), tag(QStringLiteral("XMP-dc:Title"))));
        }
        const auto task = save(editors);
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));

        for (int i = 0; i < paths.size(); ++i) {
            QVERIFY(!editors[i]->hasEdits());
            const EditorPtr fresh = open(paths[i]);
            QCOMPARE(editors[i]->storage().tagNames(), fresh->storage().tagNames());
            for (const ostrak::TagName& name : fresh->storage().tagNames()) {
                // Reading may set the access date itself.
                if (name.name() == QLatin1String("FileAccessDate"))
                    continue;
                QVERIFY2(editors[i]->storage().value(name) == fresh->storage().value(name),
                         qPrintable(paths[i] + QStringLiteral(": ") + name.rawValue()));
            }
            QCOMPARE(fresh->currentValue(tag(QStringLiteral("XMP-dc:Title"))), QStringLiteral("Title %1").arg(i));
        }
    }

    // One bad file among good ones, saved by several processes at once: ignoring errors saves
    // every other file; stopping saves exactly the files before it and leaves each one after it
    // untouched and reported, whatever the timing. A failed file leaves no backup behind.
    void stopOrIgnoreErrors_data()
    {
        QTest::addColumn<bool>("ignoreErrors");
        QTest::addColumn<QString>("bad"); // "corrupt" (ExifTool cannot write it) or "read-only"
        QTest::addColumn<QString>("reason");
        for (const bool ignore : {true, false}) {
            const char* mode = ignore ? "ignore" : "stop";
            QTest::addRow("%s, corrupt", mode) << ignore << QStringLiteral("corrupt") << QStringLiteral("SaveFileError");
            QTest::addRow("%s, read-only", mode) << ignore << QStringLiteral("read-only")
                                                 << QStringLiteral("SaveFileReadOnlyError");
        }
    }

    void stopOrIgnoreErrors()
    {
        QFETCH(bool, ignoreErrors);
        QFETCH(QString, bad);
        QFETCH(QString, reason);
        const QString backups = dir_->filePath(QStringLiteral("Backups"));
        ostrak::ETSettings::shared().setBackupFolder(backups);
        constexpr int count = 9;
        constexpr int badIndex = 3;
        QStringList paths;
        QList<QByteArray> originals;
        QList<EditorPtr> editors;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("%1.jpg").arg(i);
            paths << copy(i == badIndex && bad == QLatin1String("corrupt") ? QStringLiteral("notmedia.jpg")
                                                                            : QStringLiteral("photo.jpg"),
                          name);
            originals << bytesOf(paths.back());
            editors << open(paths.back());
            QVERIFY(editors.back()->setValue(QStringLiteral("Saved"), tag(QStringLiteral("XMP-dc:Title"))));
        }
        if (bad == QLatin1String("read-only")) {
            locked_ << paths[badIndex];
            QVERIFY(QFile::setPermissions(paths[badIndex], QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        SaveTagEditorsTask::Settings settings;
        settings.ignoreErrors = ignoreErrors;
        const auto task = save(editors, settings);

        const QList<TaskMessage> errors = errorsOf(*task);
        QCOMPARE(errors.size(), ignoreErrors ? 1 : count - badIndex);
        QCOMPARE(errors[0].filePath, paths[badIndex]);
        QCOMPARE(errors[0].reason.key, reason);
        QCOMPARE(bytesOf(paths[badIndex]), originals[badIndex]);
        QVERIFY(editors[badIndex]->hasEdits());
        QStringList backedUp;
        for (int i = 0; i < count; ++i) {
            if (i == badIndex)
                continue;
            const bool saved = ignoreErrors || i < badIndex;
            if (saved) {
                QCOMPARE(exifToolValue(paths[i], QStringLiteral("XMP-dc:Title")), QStringLiteral("Saved"));
                QVERIFY(!editors[i]->hasEdits());
                backedUp << QFileInfo(paths[i]).fileName();
            } else {
                QCOMPARE(errors[i - badIndex].filePath, paths[i]);
                QCOMPARE(errors[i - badIndex].reason.key, QStringLiteral("SaveStoppedError"));
                QCOMPARE(bytesOf(paths[i]), originals[i]);
                QVERIFY(editors[i]->hasEdits());
            }
        }
        const QDir day(QDir(backups).filePath(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
        QStringList found = day.entryList(QDir::Files, QDir::Name);
        backedUp.sort();
        QCOMPARE(found, backedUp);
        for (const QString& name : std::as_const(backedUp))
            QCOMPARE(bytesOf(day.filePath(name)), originals[name.section(QLatin1Char('.'), 0, 0).toInt()]);
    }

    // A folder editor's edits go into the files its folder holds, as its settings choose, never
    // into hidden files or backups.
    void folderEditorWritesItsFiles()
    {
        const QString root = dir_->filePath(QStringLiteral("clips"));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/sub")));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/Backups")));
        ostrak::ETSettings::shared().setBackupFolder(root + QStringLiteral("/Backups"));
        const QString fixture = corvelle::test::fixturePath(QStringLiteral("movie.mp4"));
        for (const char* name : {"a.mp4", "b.mp4", "skip.mp4", ".hidden.mp4", "sub/c.mp4", "Backups/old.mp4"})
            QVERIFY(QFile::copy(fixture, root + QLatin1Char('/') + QLatin1String(name)));

        auto folder = std::make_shared<ETTagEditor>(TagStorage(TagStorageSource(QUrl::fromLocalFile(root))), pool_.get());
        folder->setRecurseSubfolders(true);
        folder->setFilePathFilter(ostrak::ETPathFilter({QStringLiteral("a.mp4"), QStringLiteral("b.mp4"),
                                                        QStringLiteral("sub/*"), QStringLiteral("*hidden*"),
                                                        QStringLiteral("Backups/*")}));
        QVERIFY(folder->setValue(QStringLiteral("Folder title"), tag(QStringLiteral("Keys:Title"))));

        const auto task = save({folder});
        QVERIFY2(task->messages().isEmpty(), qPrintable(describe(*task)));
        for (const char* name : {"a.mp4", "b.mp4", "sub/c.mp4"})
            QCOMPARE(exifToolValue(root + QLatin1Char('/') + QLatin1String(name), QStringLiteral("Keys:Title")),
                     QStringLiteral("Folder title"));
        for (const char* name : {"skip.mp4", ".hidden.mp4", "Backups/old.mp4"})
            QCOMPARE(exifToolValue(root + QLatin1Char('/') + QLatin1String(name), QStringLiteral("Keys:Title")),
                     QStringLiteral("Keys title"));
        QVERIFY(!folder->hasEdits());

        // A folder that holds no file to write: nothing written is no success.
        const QString empty = dir_->filePath(QStringLiteral("notes"));
        QVERIFY(QDir().mkpath(empty));
        QVERIFY(QFile(empty + QStringLiteral("/notes.txt")).open(QIODevice::WriteOnly));
        auto emptyFolder = std::make_shared<ETTagEditor>(TagStorage(TagStorageSource(QUrl::fromLocalFile(empty))), pool_.get());
        QVERIFY(emptyFolder->setValue(QStringLiteral("Nowhere"), tag(QStringLiteral("Keys:Title"))));
        const auto nothing = save({emptyFolder});
        QCOMPARE(errorsOf(*nothing).size(), 1);
        QCOMPARE(errorsOf(*nothing).front().reason.key, QStringLiteral("SaveFolderHasNoFilesError"));
        QCOMPARE(errorsOf(*nothing).front().filePath, empty);
        QVERIFY(emptyFolder->hasEdits());

        // A folder that is gone: reported, its edits kept.
        QVERIFY(folder->setValue(QStringLiteral("Later"), tag(QStringLiteral("Keys:Title"))));
        QVERIFY(QDir(root).removeRecursively());
        const auto gone = save({folder});
        const QList<TaskMessage> errors = errorsOf(*gone);
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.front().reason.key, QStringLiteral("SaveFileMissingError"));
        QCOMPARE(errors.front().filePath, root);
        QVERIFY(folder->hasEdits());
    }

private:
    QString copy(const QString& fixture, const QString& name = {})
    {
        return test::copyFixture(QDir(dir_->path()), fixture, name);
    }

    EditorPtr open(const QString& path)
    {
        const ostrak::TagRecordSet set = ostrak::ETTagStorageReader(*pool_).read({path}).front();
        return std::make_shared<TagEditor>(TagStorage(TagStorageSource(QUrl::fromLocalFile(path)), set), pool_.get());
    }

    std::shared_ptr<SaveTagEditorsTask> save(const QList<EditorPtr>& editors, SaveTagEditorsTask::Settings settings = {})
    {
        settings.editors = editors;
        settings.pool = pool_.get();
        auto task = std::make_shared<SaveTagEditorsTask>(settings);
        test::runTask(task);
        return task;
    }

    // Permission bits do not stop root, who runs these tests in the build containers; the
    // immutable attribute does, on file systems that have it.
    bool makeReadOnly(const QString& path)
    {
        locked_ << path;
        const QFile::Permissions readOnly = QFileInfo(path).isDir()
                                                ? QFile::ReadOwner | QFile::ExeOwner
                                                : QFile::Permissions(QFile::ReadOwner);
        QFile::setPermissions(path, readOnly);
        if (QFileInfo(path).isWritable())
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path});
        return !QFileInfo(path).isWritable();
    }

    std::optional<QTemporaryDir> dir_;
    std::unique_ptr<ostrak::ExifToolPool> pool_;
    QStringList locked_;
};

QTEST_GUILESS_MAIN(SaveTagEditorsTaskTest)
#include "SaveTagEditorsTaskTest.moc"
