#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/ExifToolWriter.h"

#include "ExifToolTestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ostrak;

class ExifToolWriterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    // Any text survives the trip to ExifTool and back: newlines, quotes, backslashes, "$" and
    // "@" next to control characters, leading white space, text that looks like a comment,
    // an option or a protocol marker.
    void valueRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("newline and quotes") << QStringLiteral("line1\nline2 \"quoted\"");
        QTest::newRow("carriage return") << QStringLiteral("a\r\nb");
        QTest::newRow("tab") << QStringLiteral("a\tb");
        QTest::newRow("two leading spaces") << QStringLiteral("  two");
        QTest::newRow("one leading space") << QStringLiteral(" one");
        QTest::newRow("comment-like") << QStringLiteral("#not a comment");
        QTest::newRow("dollar with newline") << QStringLiteral("price $5\nnext");
        QTest::newRow("at sign with newline") << QStringLiteral("mail@host\r\n");
        QTest::newRow("dollar alone") << QStringLiteral("$HOME stays");
        QTest::newRow("trailing backslash") << QStringLiteral("ends\\");
        QTest::newRow("escape-like text") << QStringLiteral("back\\slash \\n \\\"literal\\\"");
        QTest::newRow("option-like") << QStringLiteral("-execute1");
        QTest::newRow("marker-like") << QStringLiteral("{ready1}\n{ready1 0}");
        QTest::newRow("non-ASCII") << QStringLiteral("Ünïcødé 日本 🎞");
    }

    void valueRoundTrip()
    {
        QFETCH(QString, value);
        ExifToolPool pool(1);
        const QString file = test::makeJpeg(QDir(dir_.path()), QStringLiteral("round-trip.jpg"));
        const ExifToolResult result = ExifToolWriter(pool).write(
            file, {QStringLiteral("-overwrite_original"), QStringLiteral("-XMP-dc:Description=") + value,
                   QStringLiteral("-XMP-dc:Subject+=") + value, QStringLiteral("-XMP-dc:Subject+=second")});
        QVERIFY2(result.succeeded(), qPrintable(result.errorText()));
        QCOMPARE(result.updated, 1);

        const TagRecordSet set = ETTagStorageReader(pool).read({file}).front();
        QVERIFY2(set.isRead(), qPrintable(set.error.text()));
        const TagRecord* description = set.find(QStringLiteral("XMP-dc"), QStringLiteral("Description"));
        QVERIFY(description);
        QCOMPARE(description->value, value);
        const TagRecord* subject = set.find(QStringLiteral("XMP-dc"), QStringLiteral("Subject"));
        QVERIFY(subject);
        QCOMPARE(subject->values, QStringList({value, QStringLiteral("second")}));
    }

    void summaryCounts_data()
    {
        QTest::addColumn<QString>("contents"); // of the file; empty for a JPEG
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<int>("updated");
        QTest::addColumn<int>("unchanged");
        QTest::addColumn<int>("failed");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("written") << QString() << QStringLiteral("-XMP-dc:Title=x") << 0 << 1 << 0 << 0 << QString();
        QTest::newRow("deleted") << QString() << QStringLiteral("-JFIF:all=") << 0 << 1 << 0 << 0 << QString();
        // The format cannot hold the tag: nothing changes, and that must show.
        QTest::newRow("not held by the format") << QString() << QStringLiteral("-QuickTime:Title=x") << 0 << 0 << 1 << 0
                                                << QString();
        QTest::newRow("not really a JPEG") << QStringLiteral("hello") << QStringLiteral("-XMP-dc:Title=x") << 1 << 0 << 0
                                           << 1 << QStringLiteral("Not a valid JPG");
    }

    void summaryCounts()
    {
        QFETCH(QString, contents);
        QFETCH(QString, argument);
        QFETCH(int, exitStatus);
        QFETCH(int, updated);
        QFETCH(int, unchanged);
        QFETCH(int, failed);
        QFETCH(QString, errorPart);

        const QString file = test::makeJpeg(QDir(dir_.path()), QStringLiteral("counts.jpg"));
        if (!contents.isEmpty()) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(contents.toUtf8());
        }
        ExifToolPool pool(1);
        const ExifToolResult result = ExifToolWriter(pool).write(file, {QStringLiteral("-overwrite_original"), argument});
        QCOMPARE(result.state, ExifToolResult::State::Finished);
        QCOMPARE(result.exitStatus, exitStatus);
        QCOMPARE(result.updated, updated);
        QCOMPARE(result.unchanged, unchanged);
        QCOMPARE(result.failed, failed);
        if (!errorPart.isEmpty()) {
            QVERIFY(result.errorText().contains(errorPart));
            QVERIFY(result.errorText().contains(file));
        }
        QVERIFY(!QFile::exists(file + QStringLiteral("_original")));
    }

    // The new copy is written beside the file whatever its folder is called, ExifTool's own codes
    // for file names ("%d", "%c") included, takes the file's permission bits and leaves nothing.
    void copyBesideTheFile_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << QStringLiteral("plain");
        QTest::newRow("name codes") << QStringLiteral("100%d %f%e %-2c");
    }

    void copyBesideTheFile()
    {
        QFETCH(QString, folder);
        QDir dir(dir_.path());
        QVERIFY(dir.mkpath(folder));
        QVERIFY(dir.cd(folder));
        // Made outside: ImageMagick reads codes of its own in names.
        const QString file = dir.filePath(QStringLiteral("photo.jpg"));
        QFile::remove(file);
        QVERIFY(QFile::copy(test::makeJpeg(QDir(dir_.path()), QStringLiteral("made.jpg")), file));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        ExifToolPool pool(1);
        const ExifToolResult result = ExifToolWriter(pool).write(file, {QStringLiteral("-XMP-dc:Title=beside")});
        QVERIFY2(result.succeeded(), qPrintable(result.errorText()));
        QCOMPARE(result.updated, 1);
        const TagRecordSet set = ETTagStorageReader(pool).read({file}).front();
        QVERIFY(set.find(QStringLiteral("XMP-dc"), QStringLiteral("Title")));
        const QFile::Permissions userBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
        QCOMPARE(QFile::permissions(file) & ~userBits, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{QStringLiteral("photo.jpg")});
        // No folder made from a code read in the name.
        for (const QString& made : QDir(dir_.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QVERIFY2(made == u"plain" || made == u"100%d %f%e %-2c", qPrintable(made));
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(ExifToolWriterTest)
#include "ExifToolWriterTest.moc"
