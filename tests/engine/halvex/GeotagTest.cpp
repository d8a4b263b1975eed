#include "engine/halvex/places/GeotagOffset.h"
#include "engine/halvex/tasks/FolderExportGeotagTask.h"
#include "engine/halvex/tasks/FolderImportGeotagTask.h"
#include "engine/ostrak/ETSettings.h"

#include "EndToEndTestSupport.h"
#include "TagEditorTestSupport.h"

#include <QTemporaryDir>
#include <QProcess>
#include <QtTest>

#include <cmath>

using namespace halvex;

namespace {

bool near(const QString& text, double value)
{
    bool ok = false;
    return std::abs(text.toDouble(&ok) - value) < 1e-4 && ok;
}

QString messages(const AbstractTask& task)
{
    QStringList lines;
    for (const TaskMessage& message : task.messages())
        lines << QStringLiteral("%1 %2 %3").arg(message.filePath, message.reason.key, message.reason.arguments.value(0).toString());
    return lines.join(QLatin1Char('\n'));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class GeotagTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir backups_;

    // A folder with one file copied from the fixture, its GPS removed.
    QString folderWith(const QTemporaryDir& root, const QString& name, const QString& fixture)
    {
        const QString folder = root.filePath(name);
        QDir().mkpath(folder);
        const QString path = folder + QLatin1Char('/') + fixture;
        QFile::copy(corvelle::test::fixturePath(fixture), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        test::EndToEnd::exifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-GPS:all="),
                                  QStringLiteral("-XMP:all="), QStringLiteral("-Keys:GPSCoordinates="),
                                  QStringLiteral("-UserData:GPSCoordinates="), path});
        return folder;
    }

private Q_SLOTS:
    void init() { ostrak::ETSettings::shared().setBackupFolder(backups_.path()); }
    void cleanup() { ostrak::ETSettings::shared().setBackupFolder(QString()); }

    // The panel's fields and offset texts give one offset with one sign.
    void offsetHasOneSign_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("zone");
        QTest::newRow("-3:30 as the zone preset gives it") << "-3" << "-30" << "0" << "-03:30:00" << "-03:30";
        QTest::newRow("-3:30 typed with one sign") << "-3" << "30" << "0" << "-03:30:00" << "-03:30";
        QTest::newRow("-0:30") << "0" << "-30" << "0" << "-00:30:00" << "-00:30";
        QTest::newRow("+5:30") << "5" << "30" << "0" << "05:30:00" << "+05:30";
        QTest::newRow("GMT") << "0" << "0" << "0" << "00:00:00" << "+00:00";
        QTest::newRow("7 hours") << "7" << "" << "" << "07:00:00" << "+07:00";
        QTest::newRow("not a number counts as 0") << "x" << "15" << "abc" << "00:15:00" << "+00:15";
        QTest::newRow("seconds") << "1" << "0" << "15" << "01:00:15" << "+01:00:15";
    }

    void offsetHasOneSign()
    {
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, text);
        QFETCH(QString, zone);
        const int offset = GeotagOffset::seconds(hours, minutes, seconds);
        QCOMPARE(GeotagOffset::text(offset), text);
        QCOMPARE(GeotagOffset::zone(offset), zone);
        // The text reads back as the same offset, and so does the two-signed form.
        QCOMPARE(GeotagOffset::seconds(text), offset);
        QCOMPARE(GeotagOffset::seconds(QStringLiteral("%1:%2:%3").arg(hours.toInt()).arg(minutes.toInt()).arg(seconds.toInt())),
                 offset);
        QCOMPARE(GeotagOffset::seconds(QStringLiteral("-0:30")), -1800);
        QCOMPARE(GeotagOffset::seconds(QStringLiteral("1:2:3:4")), std::nullopt);
        QCOMPARE(GeotagOffset::seconds(QStringLiteral("one")), std::nullopt);
    }

    // The fixture track onto a JPEG (timed by its local DateTimeOriginal, two hours east) and
    // an MP4 (by its UTC CreateDate), each in a folder; then both folders out as one GPX and
    // one KML file.
    void importThenExport()
    {
        QTemporaryDir root;
        const QString photos = folderWith(root, QStringLiteral("photos"), QStringLiteral("photo.jpg"));
        const QString movies = folderWith(root, QStringLiteral("movies"), QStringLiteral("movie.mp4"));
        test::EndToEnd files;
        const auto folders = files.open({photos, movies});
        QCOMPARE(folders.size(), 2);

        FolderImportGeotagTask::Settings settings;
        settings.editors = folders;
        settings.trackLogPath = corvelle::test::fixturePath(QStringLiteral("track.gpx"));
        settings.timeOffsetText = QStringLiteral("02:00:00");
        auto import = std::make_shared<FolderImportGeotagTask>(settings);
        test::runTask(import);
        QCOMPARE(messages(*import), QString());
        const QStringList photo = test::EndToEnd::read(photos + QStringLiteral("/photo.jpg"),
                                                       {"Composite:GPSLatitude", "Composite:GPSLongitude"}, true)
                                      .split(QLatin1Char('\n'));
        QVERIFY2(near(photo.value(0), 47.37104) && near(photo.value(1), 8.54208), qPrintable(photo.join(u' ')));
        const QString movie = test::EndToEnd::read(movies + QStringLiteral("/movie.mp4"), {"Keys:GPSCoordinates"}, true);
        QVERIFY2(movie.startsWith(u"48.859 2.295"_qs), qPrintable(movie));
        // Each file was backed up before it was written.
        QCOMPARE(QDir(backups_.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);

        const QString gpx = root.filePath(QStringLiteral("track.gpx"));
        FolderExportGeotagTask::Settings out;
        out.editors = folders;
        out.destinationPath = gpx;
        auto exportGPX = std::make_shared<FolderExportGeotagTask>(out);
        test::runTask(exportGPX);
        QCOMPARE(messages(*exportGPX), QString());
        const QByteArray track = contents(gpx);
        QCOMPARE(track.count("<trkpt"), 2);
        // In time order: the 2022 photo before the 2024 movie.
        QVERIFY(track.indexOf("photo.jpg") < track.indexOf("movie.mp4"));
        QVERIFY(track.contains("<time>2022-07-14T16:45:12Z</time>"));

        out.kml = true;
        out.destinationPath = root.filePath(QStringLiteral("places.kml"));
        auto exportKML = std::make_shared<FolderExportGeotagTask>(out);
        test::runTask(exportKML);
        QCOMPARE(messages(*exportKML), QString());
        const QByteArray kml = contents(out.destinationPath);
        QCOMPARE(kml.count("<Placemark>"), 2);
        QVERIFY(kml.contains("<coordinates>8.54208,47.37104,0</coordinates>"));
    }

    // A track that cannot be read, or has no times, writes nothing and says why; an export
    // into a folder that cannot be written names the destination.
    void badInput()
    {
        QTemporaryDir root;
        const QString photos = folderWith(root, QStringLiteral("photos"), QStringLiteral("photo.jpg"));
        const QString target = photos + QStringLiteral("/photo.jpg");
        const QByteArray before = contents(target);
        test::EndToEnd files;
        const QList<std::shared_ptr<TagEditor>> folders{files.open(photos)};

        const QString timeless = root.filePath(QStringLiteral("timeless.gpx"));
        QFile file(timeless);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QString::fromUtf8(contents(corvelle::test::fixturePath(QStringLiteral("track.gpx"))))
                       .remove(QRegularExpression(QStringLiteral("<time>[^<]*</time>")))
                       .toUtf8());
        file.close();
        for (const QString& track : {root.filePath(QStringLiteral("missing.gpx")), timeless}) {
            FolderImportGeotagTask::Settings settings;
            settings.editors = folders;
            settings.trackLogPath = track;
            auto import = std::make_shared<FolderImportGeotagTask>(settings);
            test::runTask(import);
            QCOMPARE(import->messages().size(), 1);
            QVERIFY2(!import->messages().first().reason.arguments.value(0).toString().isEmpty(), qPrintable(messages(*import)));
            QCOMPARE(contents(target), before);
        }

        // A folder whose files cannot be changed (permission bits do not stop root: the immutable
        // attribute stops everyone): the import says so and the photo stays as it was.
        const auto chattr = [&photos](const char* flag) {
            return QProcess::execute(QStringLiteral("chattr"), {QString::fromLatin1(flag), photos}) == 0;
        };
        if (chattr("+i")) {
            const auto restore = qScopeGuard([&] { chattr("-i"); });
            FolderImportGeotagTask::Settings settings;
            settings.editors = folders;
            settings.trackLogPath = corvelle::test::fixturePath(QStringLiteral("track.gpx"));
            settings.timeOffsetText = QStringLiteral("02:00:00");
            auto import = std::make_shared<FolderImportGeotagTask>(settings);
            test::runTask(import);
            QVERIFY2(!import->messages().isEmpty(), "a read-only folder was reported as geotagged");
            QVERIFY2(messages(*import).contains(photos), qPrintable(messages(*import)));
            QCOMPARE(contents(target), before);
        } else {
            qWarning("the photo folder cannot be made immutable here: its case is left out");
        }

        // A destination in a folder that does not exist cannot be written, even by root.
        FolderExportGeotagTask::Settings out;
        out.editors = {files.open(folderWith(root, QStringLiteral("movies"), QStringLiteral("movie.mp4")))};
        test::EndToEnd::exifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-Keys:GPSCoordinates=1, 2"),
                                  root.filePath(QStringLiteral("movies/movie.mp4"))});
        out.destinationPath = root.filePath(QStringLiteral("no such folder/track.gpx"));
        auto exportGPX = std::make_shared<FolderExportGeotagTask>(out);
        test::runTask(exportGPX);
        QCOMPARE(exportGPX->messages().size(), 1);
        QCOMPARE(exportGPX->messages().first().filePath, out.destinationPath);
    }
};

QTEST_GUILESS_MAIN(GeotagTest)
#include "GeotagTest.moc"
