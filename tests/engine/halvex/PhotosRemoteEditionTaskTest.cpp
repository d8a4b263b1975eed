#include "engine/halvex/libraries/PhotosAppAuthorizer.h"
#include "engine/halvex/libraries/PhotosAppRemote.h"
#include "engine/halvex/libraries/PhotosRemoteEditionTask.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/TaskManager.h"

#include "EndToEndTestSupport.h"

#include <QProcess>
#include <QtTest>

using namespace halvex;

namespace {

using Edits = PhotosRemoteEditionTask::Edits;

// ExifTool's reading of the tags, one line each ("-" when absent), list items joined by "|".
QString readBack(const QString& path, const QStringList& tags, bool numeric)
{
    QStringList arguments{QStringLiteral("-s3"), QStringLiteral("-f"), QStringLiteral("-sep"), QStringLiteral("|")};
    if (numeric)
        arguments << QStringLiteral("-n");
    for (const QString& tag : tags)
        arguments << QLatin1Char('-') + tag;
    arguments << path;
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), arguments);
    if (!exiftool.waitForFinished(60000))
        qFatal("exiftool did not finish");
    return QString::fromUtf8(exiftool.readAllStandardOutput()).trimmed();
}

Edits title(const std::optional<QString>& name)
{
    Edits edits;
    edits.fileName = name ? PhotosRemoteFileNameEdition::customName(*name) : PhotosRemoteFileNameEdition::keepCurrentName();
    return edits;
}

Edits description(const QString& text)
{
    Edits edits;
    edits.photoDescription = text;
    return edits;
}

Edits keywords(const QStringList& list)
{
    Edits edits;
    edits.keywords = list;
    return edits;
}

Edits dated(const QDateTime& date)
{
    Edits edits;
    edits.date = date;
    return edits;
}

Edits located(double latitude, double longitude)
{
    Edits edits;
    edits.location = Coordinate(latitude, longitude);
    return edits;
}

} // namespace

Q_DECLARE_METATYPE(Edits)

// A profile's edits given to real files: staged in memory by the task, written by a save, and
// read back by ExifTool from the files themselves.
class PhotosRemoteEditionTaskTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void editionsReachTheFiles_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<QString>("expected");

        const QStringList jpegTitles{"XMP-dc:Title", "IPTC:ObjectName"};
        const QStringList movieTitles{"ItemList:Title", "Keys:Title", "UserData:Title"};
        QTest::newRow("jpeg title") << "photo.jpg" << title(QStringLiteral("Harbour")) << jpegTitles << false
                                    << "Harbour\nHarbour";
        QTest::newRow("movie title in every family it holds")
            << "movie.mp4" << title(QStringLiteral("Harbour")) << movieTitles << false << "Harbour\nHarbour\nHarbour";
        QTest::newRow("jpeg keeps its file name") << "Lake Evening.jpg" << title(std::nullopt) << jpegTitles << false
                                                  << "Lake Evening\nLake Evening";
        QTest::newRow("movie keeps its file name")
            << "Pier.mp4" << title(std::nullopt) << QStringList{"ItemList:Title"} << false << "Pier";
        QTest::newRow("empty title erases") << "movie.mp4" << title(QString()) << movieTitles << false << "-\n-\n-";
        QTest::newRow("jpeg description")
            << "photo.jpg" << description(QStringLiteral("Dusk – lake"))
            << QStringList{"XMP-dc:Description", "IPTC:Caption-Abstract", "IFD0:ImageDescription"} << false
            << "Dusk – lake\nDusk – lake\nDusk – lake";
        QTest::newRow("empty description erases")
            << "movie.mp4" << description(QString()) << QStringList{"ItemList:Description", "Keys:Description"} << false
            << "-\n-";
        const QDateTime date(QDate(2021, 3, 4), QTime(5, 6, 7));
        QTest::newRow("jpeg creation dates") << "photo.jpg" << dated(date)
                                             << QStringList{"ExifIFD:DateTimeOriginal", "ExifIFD:CreateDate"} << false
                                             << "2021:03:04 05:06:07\n2021:03:04 05:06:07";
        QTest::newRow("movie creation date keeps its zone")
            << "movie.mp4" << dated(date) << QStringList{"Keys:CreationDate"} << false << "2021:03:04 05:06:07+02:00";
        // A keyword holding a comma stays one keyword.
        QTest::newRow("jpeg keywords") << "photo.jpg" << keywords({"Paris, France", "tower"})
                                       << QStringList{"XMP-dc:Subject", "IPTC:Keywords"} << false
                                       << "Paris, France|tower\nParis, France|tower";
        QTest::newRow("movie keywords") << "movie.mp4" << keywords({"Paris, France", "tower"})
                                        << QStringList{"XMP-dc:Subject"} << false << "Paris, France|tower";
        QTest::newRow("empty keywords erase") << "photo.jpg" << keywords({}) << QStringList{"XMP-dc:Subject", "IPTC:Keywords"}
                                              << false << "-\n-";
        QTest::newRow("jpeg location") << "photo.jpg" << located(-33.8568, 151.2153)
                                       << QStringList{"GPSLatitude", "GPSLongitude"} << true << "-33.8568\n151.2153";
        QTest::newRow("movie location") << "movie.mp4" << located(-33.8568, 151.2153)
                                        << QStringList{"Keys:GPSCoordinates"} << true << "-33.8568 151.2153 35";
    }

    void editionsReachTheFiles()
    {
        QFETCH(QString, fixture);
        QFETCH(Edits, edits);
        QFETCH(QStringList, tags);
        QFETCH(bool, numeric);
        QFETCH(QString, expected);

        test::EndToEnd files;
        const QString source = fixture.endsWith(QLatin1String(".jpg")) ? QStringLiteral("photo.jpg") : QStringLiteral("movie.mp4");
        const QString path = files.copy(source, fixture);
        const std::shared_ptr<TagEditor> editor = files.open(path);
        QVERIFY(editor);
        auto task = std::make_shared<PhotosRemoteEditionTask>(TagEditorList{editor}, edits);
        test::runTask(task);
        QVERIFY(task->messages().isEmpty());
        QCOMPARE(files.save({editor}), QString());
        QCOMPARE(readBack(path, tags, numeric), expected);
    }

    void filesThatCannotTakeTheEditsAreNamedAndLeftAlone()
    {
        test::EndToEnd files;
        const QString song = files.copy(QStringLiteral("audio.mp3"));
        const QString movie = files.copy(QStringLiteral("movie.mp4"));
        const QList<std::shared_ptr<TagEditor>> editors = files.open(QStringList{song, movie});
        QCOMPARE(editors.size(), 2);
        Edits edits = title(QStringLiteral("Harbour"));
        edits.location = Coordinate(95, 0);
        auto task = std::make_shared<PhotosRemoteEditionTask>(TagEditorList(editors), edits);
        test::runTask(task);

        const QList<TaskMessage> messages = task->messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].filePath, song);
        QCOMPARE(messages[0].reason.key, QString::fromLatin1(PhotosRemoteEditionTask::notWritableKey));
        QCOMPARE(messages[1].filePath, movie);
        QCOMPARE(messages[1].reason.key, QString::fromLatin1(PhotosRemoteEditionTask::invalidLocationKey));
        QVERIFY(!editors[0]->hasEdits());
        // The rest of the profile still reaches the movie.
        QCOMPARE(editors[1]->currentValue(ostrak::TagName(QStringLiteral("ItemList"), QStringLiteral("Title"))),
                 std::optional<QString>(QStringLiteral("Harbour")));
    }

    void editsOfAProfileSurviveItsDescription()
    {
        PhotosRemoteProfile profile(QStringLiteral("P"), QString(), PhotosRemoteFileNameEdition::customName(QString()),
                                    QStringLiteral("text"), PhotosRemoteDateTimeValue(QDateTime(QDate(2020, 1, 2), QTime(3, 4))),
                                    QStringList{QStringLiteral("a, b")}, Coordinate(1.5, -2.5));
        const Edits edits = Edits::fromDescription(profile.editionsDescription());
        QCOMPARE(edits.fileName, profile.fileNameEdition());
        QCOMPARE(edits.photoDescription, profile.photoDescriptionEdition());
        QCOMPARE(edits.date, profile.dateTimeEdition()->date());
        QCOMPARE(edits.keywords, profile.keywordEdition());
        QVERIFY(edits.location && edits.location->latitude() == 1.5 && edits.location->longitude() == -2.5);
    }

    void remoteAppliesToTheSelectedFilesAndReportsEachFailure()
    {
        test::EndToEnd files;
        const QString song = files.copy(QStringLiteral("audio.mp3"));
        const QString movie = files.copy(QStringLiteral("movie.mp4"));
        const QList<std::shared_ptr<TagEditor>> editors = files.open(QStringList{song, movie});
        PhotosAppAuthorizer::setSelectionSource({});
        QVERIFY(!PhotosAppAuthorizer::perform());
        PhotosAppAuthorizer::setSelectionSource([editors] { return TagEditorList(editors); });
        QVERIFY(PhotosAppAuthorizer::perform());

        PhotosRemoteProfile profile(QStringLiteral("P"), QString(), std::nullopt, QStringLiteral("Dusk"), std::nullopt,
                                    std::nullopt, std::nullopt);
        std::optional<QVariantMap> result;
        PhotosAppRemote(1, profile.editionsDescription()).performInBackground([&](const std::optional<QVariantMap>& received) {
            QCOMPARE(QThread::currentThread(), QCoreApplication::instance()->thread());
            result = received;
        });
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 60000);
        QCOMPARE(result->value(QStringLiteral("fileCount")).toInt(), 2);
        const QVariantList failures = result->value(QStringLiteral("failures")).toList();
        QCOMPARE(failures.size(), 1);
        QCOMPARE(failures[0].toMap().value(QStringLiteral("path")).toString(), song);
        QCOMPARE(editors[1]->currentValue(ostrak::TagName(QStringLiteral("ItemList"), QStringLiteral("Description"))),
                 std::optional<QString>(QStringLiteral("Dusk")));
        PhotosAppAuthorizer::setSelectionSource({});
    }
};

QTEST_GUILESS_MAIN(PhotosRemoteEditionTaskTest)
#include "PhotosRemoteEditionTaskTest.moc"
