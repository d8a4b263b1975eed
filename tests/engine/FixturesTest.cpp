// Guards the committed media fixtures: every other test relies on these tags being present,
// so a fixture that was regenerated badly or damaged in a checkout fails here first, by name.

#include "support/TestEnvironment.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using corvelle::test::fixturePath;

namespace {

const QStringList kFixtures = {
    QStringLiteral("movie.mp4"),    QStringLiteral("movie.mov"),       QStringLiteral("audio.m4a"),
    QStringLiteral("photo.jpg"),    QStringLiteral("sidecar.xmp"),     QStringLiteral("corrupt.mp4"),
    QStringLiteral("notmedia.jpg"), QStringLiteral("odd name -é.jpg"), QStringLiteral("movie-itunmovi.mp4"),
};

// List items are joined with '|' so that an item holding a comma still reads as one item.
QString tagText(const QJsonValue& value)
{
    if (!value.isArray())
        return value.toVariant().toString();
    QStringList items;
    for (const QJsonValue& item : value.toArray())
        items << item.toVariant().toString();
    return items.join(QLatin1Char('|'));
}

} // namespace

class FixturesTest : public QObject {
    Q_OBJECT

    QHash<QString, QJsonObject> m_tags;

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString& name : kFixtures) {
            const QString path = fixturePath(name);
            QVERIFY2(QFileInfo::exists(path), qPrintable(name + QStringLiteral(" is missing")));

            QProcess exiftool;
            exiftool.start(QStringLiteral("exiftool"), {"-j", "-G1", "-a", path});
            QVERIFY2(exiftool.waitForFinished(60000), qPrintable(name + ": " + exiftool.errorString()));
            QVERIFY2(exiftool.exitStatus() == QProcess::NormalExit && exiftool.exitCode() == 0,
                     qPrintable(name + ": " + QString::fromUtf8(exiftool.readAllStandardError())));

            QJsonParseError error;
            const QJsonDocument json = QJsonDocument::fromJson(exiftool.readAllStandardOutput(), &error);
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(name + ": " + error.errorString()));
            QVERIFY2(json.isArray() && json.array().size() == 1, qPrintable(name));
            const QJsonObject tags = json.array().first().toObject();
            QCOMPARE(tags.value("SourceFile").toString(), path);
            m_tags.insert(name, tags);
        }
    }

    void fixtureIsSmall_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : kFixtures)
            QTest::newRow(qPrintable(name)) << name;
    }

    void fixtureIsSmall()
    {
        QFETCH(QString, name);
        const QFileInfo info(fixturePath(name));
        QVERIFY(info.size() > 0);
        QVERIFY2(info.size() < 100 * 1024, qPrintable(QStringLiteral("%1 bytes").arg(info.size())));
    }

    void keyTag_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("expected");
        const QString eiffel = QStringLiteral("48 deg 51' 30.24\" N, 2 deg 17' 40.20\" E, 35 m Above Sea Level");
        const QString liberty = QStringLiteral("40 deg 41' 21.12\" N, 74 deg 2' 40.20\" W, 93 m Above Sea Level");
        struct Row { const char* name; const char* tag; QString expected; };
        const QList<Row> rows = {
            {"movie.mp4", "File:FileType", "MP4"},
            {"movie.mp4", "ItemList:Title", "Eiffel Tower at Dusk"},
            {"movie.mp4", "ItemList:Artist", "Corvelle Fixtures"},
            {"movie.mp4", "ItemList:Comment", "ItemList comment"},
            {"movie.mp4", "ItemList:Description", "A short test clip"},
            {"movie.mp4", "ItemList:Genre", "Documentary"},
            {"movie.mp4", "Keys:Title", "Keys title"},
            {"movie.mp4", "Keys:Description", "Keys description"},
            {"movie.mp4", "Keys:Keywords", "Paris, tower, dusk"},
            {"movie.mp4", "Keys:GPSCoordinates", eiffel},
            {"movie.mp4", "Keys:CreationDate", "2024:05:01 12:00:00+02:00"},
            {"movie.mp4", "UserData:Title", "UserData title"},
            {"movie.mp4", "UserData:GPSCoordinates", eiffel},
            // Stored as UTC; shown without a zone when QuickTimeUTC is off.
            {"movie.mp4", "QuickTime:CreateDate", "2024:05:01 10:00:00"},
            {"movie-itunmovi.mp4", "XML:Cast", "Fixture Actor"},
            {"movie-itunmovi.mp4", "XML:Directors", "Fixture Director"},
            {"movie-itunmovi.mp4", "ItemList:Title", "Eiffel Tower at Dusk"},
            {"movie.mov", "File:FileType", "MOV"},
            {"movie.mov", "Keys:Title", "Keys title (mov)"},
            {"movie.mov", "Keys:GPSCoordinates", liberty},
            {"movie.mov", "UserData:Title", "UserData title (mov)"},
            {"movie.mov", "UserData:GPSCoordinates", liberty},
            {"movie.mov", "Composite:Rotation", "90"},
            {"movie.mov", "QuickTime:CreateDate", "2023:08:15 13:30:00"},
            {"audio.m4a", "File:FileType", "M4A"},
            {"audio.m4a", "ItemList:Title", "Fixture Tone"},
            {"audio.m4a", "ItemList:Artist", "Corvelle Ensemble"},
            {"audio.m4a", "ItemList:Album", "Test Tones"},
            {"audio.m4a", "ItemList:CoverArt", "(Binary data 966 bytes, use -b option to extract)"},
            {"photo.jpg", "IFD0:Make", "Corvelle"},
            {"photo.jpg", "IFD0:Model", "Fixture Cam"},
            {"photo.jpg", "IFD0:Orientation", "Rotate 90 CW"},
            {"photo.jpg", "ExifIFD:DateTimeOriginal", "2022:07:14 18:45:12"},
            {"photo.jpg", "Composite:GPSPosition", "47 deg 22' 36.84\" N, 8 deg 32' 30.12\" E"},
            {"photo.jpg", "GPS:GPSAltitude", "408 m"},
            {"photo.jpg", "IFD1:ThumbnailImage", "(Binary data 885 bytes, use -b option to extract)"},
            {"photo.jpg", "IPTC:CodedCharacterSet", "UTF8"},
            {"photo.jpg", "IPTC:Keywords", "café|Zürich|lake, evening"},
            {"photo.jpg", "IPTC:Caption-Abstract", "Café – Zürich"},
            {"photo.jpg", "IPTC:City", "Zürich"},
            {"photo.jpg", "IPTC:Country-PrimaryLocationName", "Switzerland"},
            {"photo.jpg", "XMP-dc:Title", "Café in Zürich"},
            {"photo.jpg", "XMP-dc:Description", "Café – Zürich"},
            {"photo.jpg", "XMP-dc:Subject", "café|Zürich|lake, evening"},
            {"photo.jpg", "XMP-photoshop:City", "Zürich"},
            {"photo.jpg", "XMP-iptcExt:LocationCreatedCity", "Zürich"},
            {"photo.jpg", "XMP-iptcExt:LocationCreatedSublocation", "Limmatquai"},
            {"sidecar.xmp", "File:FileType", "XMP"},
            {"sidecar.xmp", "XMP-dc:Title", "Harbour at Dawn"},
            {"sidecar.xmp", "XMP-dc:Subject", "harbour|boats|dawn, mist"},
            {"sidecar.xmp", "Composite:GPSPosition", "43 deg 17' 47.40\" N, 5 deg 22' 11.28\" E"},
            {"sidecar.xmp", "XMP-exif:DateTimeOriginal", "2021:09:03 06:12:00+02:00"},
            {"notmedia.jpg", "File:FileType", "TXT"},
            {"odd name -é.jpg", "System:FileName", "odd name -é.jpg"},
            {"odd name -é.jpg", "IPTC:Caption-Abstract", "Café – Zürich"},
        };
        for (const Row& row : rows)
            QTest::addRow("%s %s", row.name, row.tag)
                << QString::fromUtf8(row.name) << QString::fromUtf8(row.tag) << row.expected;
    }

    void keyTag()
    {
        QFETCH(QString, name);
        QFETCH(QString, tag);
        QFETCH(QString, expected);
        const QJsonObject tags = m_tags.value(name);
        QVERIFY2(tags.contains(tag), qPrintable(name + QStringLiteral(" has no ") + tag));
        QCOMPARE(tagText(tags.value(tag)), expected);
    }

    // ExifTool 12.57 reads a movie cut inside its moov atom with a warning only, and no tag survives.
    void corruptMovieLosesItsTags()
    {
        const QJsonObject tags = m_tags.value(QStringLiteral("corrupt.mp4"));
        QVERIFY2(tags.value("ExifTool:Warning").toString().startsWith(QStringLiteral("Truncated 'moov' data")),
                 qPrintable(tags.value("ExifTool:Warning").toString()));
        QVERIFY(!tags.contains("Keys:Title"));
        QVERIFY(!tags.contains("ItemList:Title"));
    }
};

QTEST_GUILESS_MAIN(FixturesTest)
#include "FixturesTest.moc"
