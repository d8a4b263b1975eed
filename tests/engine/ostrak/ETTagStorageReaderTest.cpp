#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/ExifToolWriter.h"

#include "ExifToolTestFiles.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace ostrak;

class ETTagStorageReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // Dates print in local time; the processes start later and inherit this.
        qputenv("TZ", "UTC");
        const QDir dir(dir_.path());
        thumbnail_ = test::makeJpeg(dir, QStringLiteral("thumbnail.jpg"));
        tagged_ = test::makeJpeg(dir, QStringLiteral("tagged.jpg"));
        const ExifToolResult result = ExifToolWriter(pool_).write(tagged_, {
            QStringLiteral("-overwrite_original"),
            QStringLiteral("-XMP-dc:Description=1.10"),
            QStringLiteral("-XMP-dc:Title=007"),
            QStringLiteral("-XMP-xmpRights:Marked=True"),
            QStringLiteral("-XMP-photoshop:Headline=TRUE"),
            QStringLiteral("-XMP-photoshop:Instructions=-0"),
            QStringLiteral("-XMP-photoshop:Credit=1e5"),
            QStringLiteral("-XMP-dc:Rights=Say \"hi\" \\ $HOME 100%"),
            QStringLiteral("-XMP-photoshop:City=Zürich – 日本"),
            QStringLiteral("-XMP-photoshop:Source=tab\there"),
            QStringLiteral("-XMP-photoshop:State=ends in \\"),
            QStringLiteral("-IPTC:Keywords=007"),
            QStringLiteral("-IPTC:Keywords=1.10"),
            QStringLiteral("-IPTC:Keywords=false"),
            QStringLiteral("-EXIF:Orientation#=3"),
            QStringLiteral("-XMP-iptcExt:LocationCreated={City=Paris,CountryName=Fr|,ance}"),
            QStringLiteral("-ThumbnailImage<=") + thumbnail_,
        });
        QVERIFY2(result.succeeded(), qPrintable(result.errorText()));
    }

    // Number-like and boolean-like texts come back exactly as written.
    void keepsTextExactly_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("trailing zero") << "XMP-dc" << "Description" << "1.10";
        QTest::newRow("leading zeros") << "XMP-dc" << "Title" << "007";
        QTest::newRow("boolean") << "XMP-xmpRights" << "Marked" << "True";
        QTest::newRow("upper-case boolean") << "XMP-photoshop" << "Headline" << "TRUE";
        QTest::newRow("negative zero") << "XMP-photoshop" << "Instructions" << "-0";
        QTest::newRow("exponent") << "XMP-photoshop" << "Credit" << "1e5";
        // Texts ExifTool escapes in its output, and texts beyond ASCII.
        QTest::newRow("quotes, backslash, dollar") << "XMP-dc" << "Rights" << "Say \"hi\" \\ $HOME 100%";
        QTest::newRow("beyond ASCII") << "XMP-photoshop" << "City" << "Zürich – 日本";
        QTest::newRow("tab") << "XMP-photoshop" << "Source" << "tab\there";
        QTest::newRow("ends in a backslash") << "XMP-photoshop" << "State" << "ends in \\";
    }

    void keepsTextExactly()
    {
        QFETCH(QString, group);
        QFETCH(QString, name);
        QFETCH(QString, value);
        const TagRecordSet set = ETTagStorageReader(pool_).read({tagged_}).front();
        const TagRecord* record = set.find(group, name);
        QVERIFY(record);
        QCOMPARE(record->value, value);
        QCOMPARE(record->numericValue, value);
    }

    void recordFields()
    {
        const TagRecordSet set = ETTagStorageReader(pool_).read({tagged_}).front();
        QVERIFY2(set.isRead(), qPrintable(set.error.text()));
        QCOMPARE(set.path, tagged_);

        const TagRecord* orientation = set.find(QStringLiteral("IFD0"), QStringLiteral("Orientation"));
        QVERIFY(orientation);
        QCOMPARE(orientation->value, QStringLiteral("Rotate 180"));
        QCOMPARE(orientation->numericValue, QStringLiteral("3"));
        QCOMPARE(orientation->description, QStringLiteral("Orientation"));
        QVERIFY(!orientation->isList() && !orientation->isBinary);

        const TagRecord* keywords = set.find(QStringLiteral("IPTC"), QStringLiteral("Keywords"));
        QVERIFY(keywords);
        QCOMPARE(keywords->values, QStringList({"007", "1.10", "false"}));
        QCOMPARE(keywords->value, QStringLiteral("007, 1.10, false"));

        // The same name in two places (JFIF and EXIF): the second is told apart by its copy number.
        const TagRecord* exif = set.find(QStringLiteral("IFD0"), QStringLiteral("ResolutionUnit"));
        const TagRecord* jfif = set.find(QStringLiteral("JFIF"), QStringLiteral("ResolutionUnit"), 1);
        QVERIFY(exif && jfif);
        QCOMPARE(exif->key(), QStringLiteral("IFD0:ResolutionUnit"));
        QCOMPARE(jfif->key(), QStringLiteral("JFIF:Copy1:ResolutionUnit"));

        const TagRecord* thumbnail = set.find(QStringLiteral("IFD1"), QStringLiteral("ThumbnailImage"));
        QVERIFY(thumbnail);
        QVERIFY(thumbnail->isBinary);
        QCOMPARE(thumbnail->binarySize, QFileInfo(thumbnail_).size());

        const TagRecord* location = set.find(QStringLiteral("XMP-iptcExt"), QStringLiteral("LocationCreated"));
        QVERIFY(location);
        QVERIFY(location->isStructure);
        QCOMPARE(location->values, QStringList({"{City=Paris,CountryName=Fr|,ance}"}));
    }

    // A file that cannot be read gets an error naming it and the reason; the other files of
    // the same request are read, and the answer keeps the order asked for.
    void badFilesDoNotSpoilTheBatch()
    {
        const QDir dir(dir_.path());
        const QString good = test::makeJpeg(dir, QStringLiteral("good.jpg"));
        const QString corrupt = dir.filePath(QStringLiteral("corrupt.jpg"));
        QFile out(corrupt);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QByteArray noise(500, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 131 + 7) % 251);
        out.write(noise);
        out.close();
        const QString missing = dir.filePath(QStringLiteral("missing.jpg"));

        ExifToolPool single(1);
        const QList<TagRecordSet> sets = ETTagStorageReader(single).read({corrupt, good, missing, tagged_});
        QCOMPARE(sets.size(), 4);
        QCOMPARE(sets[0].path, corrupt);
        QVERIFY(!sets[0].isRead());
        QVERIFY(sets[0].error.text().contains(corrupt));
        QVERIFY(sets[0].error.text().contains(QStringLiteral("File format error")));
        QVERIFY(sets[1].isRead());
        QVERIFY(sets[1].find(QStringLiteral("File"), QStringLiteral("FileType")));
        QVERIFY(!sets[2].isRead());
        QVERIFY(sets[2].error.text().contains(missing));
        QVERIFY(sets[2].error.text().contains(QStringLiteral("File not found")));
        QVERIFY(sets[3].isRead());
    }

    // Odd names are read and written as they are; relative ones are made absolute, so "-n.jpg"
    // is a file, not an option.
    void oddFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << QStringLiteral("with  spaces .jpg");
        QTest::newRow("non-ASCII") << QStringLiteral("ünïcødé 日本.jpg");
        QTest::newRow("leading dash") << QStringLiteral("-n.jpg");
        QTest::newRow("newline") << QStringLiteral("new\nline.jpg");
        QTest::newRow("tab and quote") << QStringLiteral("tab\t\"quoted\".jpg");
        QTest::newRow("dollar and at") << QStringLiteral("$HOME @at.jpg");
        QTest::newRow("comment-like") << QStringLiteral("#1.jpg");
    }

    void oddFileNames()
    {
        QFETCH(QString, name);
        test::makeJpeg(QDir(dir_.path()), name);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        const ExifToolResult written = ExifToolWriter(pool_).write(
            name, {QStringLiteral("-overwrite_original"), QStringLiteral("-XMP-dc:Title=named")});
        const TagRecordSet set = ETTagStorageReader(pool_).read({name}).front();
        QDir::setCurrent(previous);

        QVERIFY2(written.succeeded(), qPrintable(written.errorText()));
        QCOMPARE(written.updated, 1);
        QVERIFY2(set.isRead(), qPrintable(set.error.text()));
        QCOMPARE(set.path, QDir(dir_.path()).filePath(name));
        QCOMPARE(set.find(QStringLiteral("System"), QStringLiteral("FileName"))->value, name);
        QCOMPARE(set.find(QStringLiteral("XMP-dc"), QStringLiteral("Title"))->value, QStringLiteral("named"));
    }

    // ExifTool cannot be handed a name with both a line break and "$" or "@": that file fails
    // with a clear error and its neighbours in the same chunk are still read.
    void unpassableNameFailsAlone()
    {
        const QDir dir(dir_.path());
        const QString bad = test::makeJpeg(dir, QStringLiteral("line\nbreak $x.jpg"));
        QStringList files;
        for (int i = 0; i < 9; ++i)
            files.append(test::makeJpeg(dir, QStringLiteral("neighbour-%1.jpg").arg(i)));
        files.insert(4, bad);

        ExifToolPool single(1);
        const QList<TagRecordSet> sets = ETTagStorageReader(single).read(files);
        QCOMPARE(sets.size(), files.size());
        for (qsizetype i = 0; i < sets.size(); ++i) {
            QCOMPARE(sets[i].path, files[i]);
            QVERIFY2(sets[i].isRead() == (files[i] != bad), qPrintable(sets[i].error.text()));
        }
        QVERIFY(sets[4].error.text().contains(bad));
    }

    void largeBatchUsesEveryProcess()
    {
        const QDir dir(dir_.path());
        QStringList files;
        for (int i = 0; i < 60; ++i)
            files.append(test::makeJpeg(dir, QStringLiteral("batch-%1.jpg").arg(i)));
        ExifToolPool pool(3);
        const QList<TagRecordSet> sets = ETTagStorageReader(pool).read(files);
        QCOMPARE(sets.size(), files.size());
        for (const TagRecordSet& set : sets)
            QVERIFY(set.isRead() && !set.records.isEmpty());
        QCOMPARE(pool.processCount(), 3);
    }

    // A movie repeats names across tracks and handlers: every one is kept, told apart by
    // group and copy number, and QuickTime dates are read as UTC.
    void movieKeepsEveryTag()
    {
        const QString movie = QDir(dir_.path()).filePath(QStringLiteral("movie.mov"));
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=16x16:rate=5",
                                                "-f", "lavfi", "-i", "sine=frequency=440", "-t", "1",
                                                "-c:v", "mpeg4", "-c:a", "aac", movie});
        QVERIFY(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0);
        const ExifToolResult written = ExifToolWriter(pool_).write(
            movie, {"-overwrite_original", "-api", "QuickTimeUTC", "-QuickTime:CreateDate=2024:05:01 12:00:00+02:00"});
        QVERIFY2(written.succeeded(), qPrintable(written.errorText()));

        const TagRecordSet set = ETTagStorageReader(pool_).read({movie}).front();
        QVERIFY2(set.isRead(), qPrintable(set.error.text()));
        QSet<QString> keys;
        QStringList handlers;
        for (const TagRecord& record : set.records) {
            QVERIFY2(!keys.contains(record.key()), qPrintable(record.key()));
            keys.insert(record.key());
            if (record.name == QLatin1String("HandlerType"))
                handlers.append(record.value);
        }
        QVERIFY(handlers.contains(QStringLiteral("Video Track")));
        QVERIFY(handlers.contains(QStringLiteral("Audio Track")));
        QCOMPARE(set.find(QStringLiteral("QuickTime"), QStringLiteral("CreateDate"))->value,
                 QStringLiteral("2024:05:01 10:00:00+00:00"));
    }

    void binaryOnDemand_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::newRow("by name") << QStringLiteral("ThumbnailImage");
        QTest::newRow("with group") << QStringLiteral("IFD1:ThumbnailImage");
    }

    void binaryOnDemand()
    {
        QFETCH(QString, tag);
        QFile thumbnail(thumbnail_);
        QVERIFY(thumbnail.open(QIODevice::ReadOnly));
        ExifToolMessage error;
        QCOMPARE(ETTagStorageReader(pool_).readBinary(tagged_, tag, &error), thumbnail.readAll());
        QVERIFY(error.isEmpty());
    }

    void binaryFailures()
    {
        const ETTagStorageReader reader(pool_);
        ExifToolMessage error;
        QVERIFY(reader.readBinary(tagged_, QStringLiteral("CoverArt"), &error).isEmpty());
        QVERIFY(error.isEmpty());

        const QString missing = QDir(dir_.path()).filePath(QStringLiteral("missing.mp4"));
        QVERIFY(reader.readBinary(missing, QStringLiteral("CoverArt"), &error).isEmpty());
        QVERIFY(error.text().contains(missing));

        QVERIFY(reader.readBinary(tagged_, QStringLiteral("-b"), &error).isEmpty());
        QCOMPARE(error.key(), QStringLiteral("ExifToolBadTagNameError"));
    }

private:
    QTemporaryDir dir_;
    ExifToolPool pool_ {2};
    QString thumbnail_;
    QString tagged_;
};

QTEST_GUILESS_MAIN(ETTagStorageReaderTest)
#include "ETTagStorageReaderTest.moc"
