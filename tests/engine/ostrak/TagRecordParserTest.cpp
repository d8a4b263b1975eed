#include "engine/ostrak/TagRecordParser.h"

#include <QFile>
#include <QTest>

using namespace ostrak;

// ExifTool's `-php -G1:4 -l` output as it comes, parsed into records.
class TagRecordParserTest : public QObject {
    Q_OBJECT

private:
    // Two files whose tags share keys, so that what is worked out once per key is seen again.
    static QByteArray output()
    {
        QFile file(QStringLiteral(CORVELLE_FIXTURES_DIR "/tag-records.php"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void records()
    {
        const auto sets = TagRecordParser::parse(output());
        QVERIFY(sets);
        QCOMPARE(sets->size(), 2);
        const TagRecordSet& movie = sets->at(0);
        QCOMPARE(movie.path, QStringLiteral("/photos/a.mov"));
        QVERIFY(movie.isRead());
        QCOMPARE(movie.warnings, QStringList{QStringLiteral("Truncated mdat atom")});

        struct Expected {
            QString key, value, numeric;
            QStringList values;
            bool isStructure = false;
            qint64 binarySize = 0;
        };
        const QList<Expected> expected{
            // An unset movie date is no date; the same text in XMP is a date like any other.
            {"Track1:MediaCreateDate", "0000:00:00 00:00:00", "0000:00:00 00:00:00"},
            {"XMP-xmp:CreateDate", "1904:01:01 00:00:00+00:00", "1904:01:01 00:00:00+00:00"},
            {"Track1:HandlerType", "Video Track", "vide"},
            {"Track1:Copy2:HandlerType", "Alias Data", "alis"},
            {"IFD0:Orientation", "Rotate 180", "3"},
            {"IFD0:XResolution", "1.10", "1.10"},
            {"IPTC:Keywords", "007, a \"b\" $c", "007, a \"b\" $c", {"007", "a \"b\" $c"}},
            {"XMP-iptcExt:LocationCreated", "{City=Paris,CountryName=Fr|,ance}", "{City=Paris,CountryName=Fr|,ance}", {}, true},
            {"IFD1:ThumbnailImage", "(Binary data 5448 bytes, use -b option to extract)",
             "(Binary data 5448 bytes, use -b option to extract)", {}, false, 5448},
            {"XMP-dc:OddAKey", "line1\nline2\ttab \\ end", "line1\nline2\ttab \\ end"},
            {"ExifTool:Warning", "Truncated mdat atom", "Truncated mdat atom"},
        };
        QCOMPARE(movie.records.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const TagRecord& record = movie.records.at(i);
            const Expected& want = expected.at(i);
            QCOMPARE(record.key(), want.key);
            QCOMPARE(record.value, want.value);
            QCOMPARE(record.numericValue, want.numeric);
            QCOMPARE(record.values, want.values);
            QCOMPARE(record.numericValues, want.values);
            QCOMPARE(record.isStructure, want.isStructure);
            QCOMPARE(record.isBinary, want.binarySize > 0);
            QCOMPARE(record.binarySize, want.binarySize);
        }
        QCOMPARE(movie.records.at(3).group, QStringLiteral("Track1"));
        QCOMPARE(movie.records.at(3).copy, 2);
        QCOMPARE(movie.records.at(4).description, QStringLiteral("Orientation"));

        const TagRecordSet& photo = sets->at(1);
        QCOMPARE(photo.path, QStringLiteral("/photos/b.jpg"));
        QVERIFY(!photo.isRead());
        QCOMPARE(photo.error.arguments(), (QVariantList{QStringLiteral("/photos/b.jpg"), QStringLiteral("File format error")}));
        // The second file's record of a key seen before has its own value, and the key's texts
        // are the ones the first file's record holds.
        const TagRecord& orientation = photo.records.at(1);
        QCOMPARE(orientation.value, QStringLiteral("Horizontal (normal)"));
        QCOMPARE(orientation.numericValue, QStringLiteral("1"));
        QVERIFY(orientation.name.isSharedWith(movie.records.at(4).name));
        QVERIFY(orientation.group.isSharedWith(movie.records.at(4).group));
        QVERIFY(orientation.description.isSharedWith(movie.records.at(4).description));
    }

    void badOutput_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("unclosed list") << QByteArray("Array(Array(\"SourceFile\" => \"/a.jpg\",");
        QTest::newRow("unclosed string") << QByteArray("Array(Array(\"SourceFile\" => \"/a.jpg))");
        QTest::newRow("file not a map") << QByteArray("Array(\"a\", \"b\")");
        QTest::newRow("map key not a text") << QByteArray("Array(Array(Array(1) => 2))");
        QTest::newRow("trailing text") << QByteArray("Array() junk");
    }

    void badOutput()
    {
        QFETCH(QByteArray, output);
        QVERIFY(!TagRecordParser::parse(output));
    }

    void emptyOutput()
    {
        const auto sets = TagRecordParser::parse(" \n");
        QVERIFY(sets);
        QVERIFY(sets->isEmpty());
    }
};

QTEST_GUILESS_MAIN(TagRecordParserTest)
#include "TagRecordParserTest.moc"
