#include "engine/halvex/places/CoordinateParser.h"
#include "engine/halvex/places/CoordinateWriter.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>

using halvex::Coordinate;
using halvex::CoordinateParser;
using halvex::CoordinateWriter;

namespace {

struct Notation {
    const char* name;
    QString (CoordinateWriter::*write)(const Coordinate&) const;
    std::optional<Coordinate> (*read)(const QString&);
    double step; // degrees of the last digit written
};

const Notation notations[] = {
    {"DDddddd", &CoordinateWriter::DDddddd, &CoordinateParser::coordinateFromDDdddddString, 1e-6},
    {"preDDddddd", &CoordinateWriter::preDDddddd, &CoordinateParser::coordinateFromDDdddddString, 1e-6},
    {"postDDddddd", &CoordinateWriter::postDDddddd, &CoordinateParser::coordinateFromDDdddddString, 1e-6},
    {"preDDMMmmm", &CoordinateWriter::preDDMMmmm, &CoordinateParser::coordinateFromDDMMmmmString, 0.001 / 60},
    {"postDDMMmmm", &CoordinateWriter::postDDMMmmm, &CoordinateParser::coordinateFromDDMMmmmString, 0.001 / 60},
    {"preDDMMSSs", &CoordinateWriter::preDDMMSSs, &CoordinateParser::coordinateFromDDMMSSsString, 0.1 / 3600},
    {"postDDMMSSs", &CoordinateWriter::postDDMMSSs, &CoordinateParser::coordinateFromDDMMSSsString, 0.1 / 3600},
    {"iso6709", &CoordinateWriter::iso6709, &CoordinateParser::coordinateFromISO6709String, 1e-5},
};

QString run(const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(QStringLiteral("exiftool"), arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

class CoordinateWriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesEachNotation_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QStringList>("texts"); // in the order of `notations`

        QTest::newRow("north east") << 48.858370 << 2.294481
            << QStringList{u"48.858370°, 2.294481°"_qs, u"N 48.858370°, E 2.294481°"_qs,
                           u"48.858370° N, 2.294481° E"_qs, u"N 48°51.502’, E 2°17.669’"_qs,
                           u"48°51.502’ N, 2°17.669’ E"_qs, u"N 48°51’30.1”, E 2°17’40.1”"_qs,
                           u"48°51’30.1” N, 2°17’40.1” E"_qs, u"+48.85837+002.29448/"_qs};
        QTest::newRow("south west") << -33.8688 << -70.6693
            << QStringList{u"-33.868800°, -70.669300°"_qs, u"S 33.868800°, W 70.669300°"_qs,
                           u"33.868800° S, 70.669300° W"_qs, u"S 33°52.128’, W 70°40.158’"_qs,
                           u"33°52.128’ S, 70°40.158’ W"_qs, u"S 33°52’07.7”, W 70°40’09.5”"_qs,
                           u"33°52’07.7” S, 70°40’09.5” W"_qs, u"-33.86880-070.66930/"_qs};
        // Rounding carries a full 60 into the next unit, and a tiny negative value is zero.
        QTest::newRow("carries and negative zero") << 47.99999999 << -0.0000000001
            << QStringList{u"48.000000°, 0.000000°"_qs, u"N 48.000000°, E 0.000000°"_qs,
                           u"48.000000° N, 0.000000° E"_qs, u"N 48°00.000’, E 0°00.000’"_qs,
                           u"48°00.000’ N, 0°00.000’ E"_qs, u"N 48°00’00.0”, E 0°00’00.0”"_qs,
                           u"48°00’00.0” N, 0°00’00.0” E"_qs, u"+48.00000+000.00000/"_qs};
        QTest::newRow("pole and antimeridian") << -90.0 << 180.0
            << QStringList{u"-90.000000°, 180.000000°"_qs, u"S 90.000000°, E 180.000000°"_qs,
                           u"90.000000° S, 180.000000° E"_qs, u"S 90°00.000’, E 180°00.000’"_qs,
                           u"90°00.000’ S, 180°00.000’ E"_qs, u"S 90°00’00.0”, E 180°00’00.0”"_qs,
                           u"90°00’00.0” S, 180°00’00.0” E"_qs, u"-90.00000+180.00000/"_qs};
        const QStringList empty(8);
        QTest::newRow("latitude beyond the pole") << 90.5 << 0.0 << empty;
        QTest::newRow("longitude beyond 180") << 0.0 << -180.5 << empty;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0.0 << empty;
        QTest::newRow("infinite") << 0.0 << std::numeric_limits<double>::infinity() << empty;
    }

    void writesEachNotation()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QStringList, texts);

        const CoordinateWriter writer;
        const Coordinate coordinate(latitude, longitude);
        for (int i = 0; i < 8; ++i)
            QCOMPARE((writer.*notations[i].write)(coordinate), texts.at(i));
    }

    // Every text the writer makes reads back, with its own notation's reader and with the
    // any-notation reader, to within half a step of the last digit.
    void roundTripsThroughTheParser()
    {
        const double latitudes[] = {-90.0, -89.99999999, -45.123456789, -0.0, 0.0, 1e-9, -1e-7,
                                    0.5, 12.3456789, 48.858370, 59.999999999, 89.99999, 90.0};
        const double longitudes[] = {-180.0, -179.9999999, -74.0445, -0.0, 0.0, 2.294481,
                                     99.99999999, 179.99999, 180.0};
        const CoordinateWriter writer;
        for (const Notation& notation : notations) {
            for (double latitude : latitudes) {
                for (double longitude : longitudes) {
                    const Coordinate coordinate(latitude, longitude);
                    const QString text = (writer.*notation.write)(coordinate);
                    const QString where = QStringLiteral("%1 of %2, %3: \"%4\"")
                                              .arg(QLatin1String(notation.name))
                                              .arg(latitude, 0, 'g', 12)
                                              .arg(longitude, 0, 'g', 12)
                                              .arg(text);
                    for (const auto& read : {notation.read, &CoordinateParser::coordinate}) {
                        const std::optional<Coordinate> back = read(text);
                        QVERIFY2(back, qPrintable(where));
                        const double tolerance = notation.step / 2 + 1e-12;
                        QVERIFY2(std::fabs(back->latitude() - latitude) <= tolerance, qPrintable(where));
                        QVERIFY2(std::fabs(back->longitude() - longitude) <= tolerance, qPrintable(where));
                    }
                }
            }
        }
    }

    // QuickTime's GPSCoordinates keeps the ISO 6709 text as written, and ExifTool reads it back
    // as the same position.
    void iso6709IsWhatQuickTimeHolds()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString movie = folder.filePath(QStringLiteral("movie.mp4"));
        QVERIFY(QFile::copy(corvelle::test::fixturePath(QStringLiteral("movie.mp4")), movie));

        const Coordinate coordinate(-33.8688, -70.6693);
        const QString text = CoordinateWriter().iso6709(coordinate);
        int exitCode = -1;
        run({QStringLiteral("-overwrite_original"), u"-Keys:GPSCoordinates="_qs + text, movie}, &exitCode);
        QCOMPARE(exitCode, 0);

        QFile file(movie);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(text.toLatin1()));
        QCOMPARE(run({QStringLiteral("-n"), QStringLiteral("-s3"), QStringLiteral("-Keys:GPSCoordinates"), movie}),
                 QStringLiteral("-33.8688 -70.6693"));
    }
};

QTEST_GUILESS_MAIN(CoordinateWriterTest)
#include "CoordinateWriterTest.moc"
