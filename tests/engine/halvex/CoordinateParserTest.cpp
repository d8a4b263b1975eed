#include "engine/halvex/places/CoordinateParser.h"
#include "support/TestEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <cmath>

using halvex::Coordinate;
using halvex::CoordinateParser;

namespace {

enum class Reader { iso6709, degrees, minutes, seconds, any };

std::optional<Coordinate> parsed(Reader reader, const QString& text)
{
    switch (reader) {
    case Reader::iso6709:
        return CoordinateParser::coordinateFromISO6709String(text);
    case Reader::degrees:
        return CoordinateParser::coordinateFromDDdddddString(text);
    case Reader::minutes:
        return CoordinateParser::coordinateFromDDMMmmmString(text);
    case Reader::seconds:
        return CoordinateParser::coordinateFromDDMMSSsString(text);
    case Reader::any:
        return CoordinateParser::coordinate(text);
    }
    return std::nullopt;
}

constexpr double none = std::numeric_limits<double>::quiet_NaN();

// One ExifTool -j -G1 read of the fixtures, printed (or numeric with -n).
QJsonArray exifToolRead(const QStringList& options)
{
    QProcess process;
    process.start(QStringLiteral("exiftool"),
                  options + QStringList{QStringLiteral("-j"), QStringLiteral("-G1"),
                                        QStringLiteral("-GPSCoordinates"), QStringLiteral("-GPSPosition"),
                                        corvelle::test::fixturePath(QStringLiteral("movie.mp4")),
                                        corvelle::test::fixturePath(QStringLiteral("movie.mov")),
                                        corvelle::test::fixturePath(QStringLiteral("photo.jpg")),
                                        corvelle::test::fixturePath(QStringLiteral("sidecar.xmp"))});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(process.readAllStandardOutput()).array();
}

} // namespace

Q_DECLARE_METATYPE(Reader)

class CoordinateParserTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsNotations_data()
    {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("latitude"); // NaN: no coordinate
        QTest::addColumn<double>("longitude");

        const double paris[] = {48.8567, 2.3508};
        QTest::newRow("iso decimal") << Reader::iso6709 << "+48.8567+002.3508/" << paris[0] << paris[1];
        QTest::newRow("iso no solidus") << Reader::iso6709 << "+48.8567+002.3508" << paris[0] << paris[1];
        QTest::newRow("iso altitude") << Reader::iso6709 << "+48.8584+002.2945+35.000/" << 48.8584 << 2.2945;
        QTest::newRow("iso negative altitude and crs")
            << Reader::iso6709 << "-33.8688+151.2093-012.5CRSWGS_84/" << -33.8688 << 151.2093;
        QTest::newRow("iso west") << Reader::iso6709 << "+40.6892-074.0445+93.000/" << 40.6892 << -74.0445;
        QTest::newRow("iso minutes") << Reader::iso6709 << "+4851.402+00221.048/"
                                     << 48 + 51.402 / 60 << 2 + 21.048 / 60;
        QTest::newRow("iso seconds") << Reader::iso6709 << "+485124.1-0022102.9/"
                                     << 48 + 51 / 60.0 + 24.1 / 3600 << -(2 + 21 / 60.0 + 2.9 / 3600);
        QTest::newRow("iso whole degrees") << Reader::iso6709 << "+40-075/" << 40.0 << -75.0;
        QTest::newRow("iso poles and antimeridian") << Reader::iso6709 << "-90.0+180.0/" << -90.0 << 180.0;
        QTest::newRow("iso one latitude digit") << Reader::iso6709 << "+8.5+002.3/" << none << none;
        QTest::newRow("iso unsigned") << Reader::iso6709 << "48.8567+002.3508/" << none << none;
        QTest::newRow("iso latitude beyond 90") << Reader::iso6709 << "+90.5+002.0/" << none << none;
        QTest::newRow("iso longitude beyond 180") << Reader::iso6709 << "+10.0+180.1/" << none << none;
        QTest::newRow("iso 60 minutes") << Reader::iso6709 << "+4860.0+00200.0/" << none << none;
        QTest::newRow("iso is no decimal notation") << Reader::iso6709 << "48.8567, 2.3508" << none << none;

        QTest::newRow("dd comma") << Reader::degrees << "48.8584, 2.2945" << 48.8584 << 2.2945;
        QTest::newRow("dd spaces, signs") << Reader::degrees << "-33.8688 +151.2093" << -33.8688 << 151.2093;
        QTest::newRow("dd unicode minus") << Reader::degrees << u"\u221233.8688; 151.2093"_qs << -33.8688 << 151.2093;
        QTest::newRow("dd degree marks") << Reader::degrees << u"48.8584°, -2.2945°"_qs << 48.8584 << -2.2945;
        QTest::newRow("dd letters after") << Reader::degrees << u"33.8688° S, 70.6693° W"_qs << -33.8688 << -70.6693;
        QTest::newRow("dd letters before") << Reader::degrees << "S 33.8688, W 70.6693" << -33.8688 << -70.6693;
        QTest::newRow("dd letters glued") << Reader::degrees << "33.8688S70.6693W" << -33.8688 << -70.6693;
        QTest::newRow("dd words, lower case") << Reader::degrees << "48.85 north, 2.29 east" << 48.85 << 2.29;
        QTest::newRow("dd longitude first by letters") << Reader::degrees << "2.2945 E, 48.8584 N" << 48.8584 << 2.2945;
        QTest::newRow("dd one letter") << Reader::degrees << "2.2945 E, 48.8584" << 48.8584 << 2.2945;
        QTest::newRow("dd exiftool -n") << Reader::degrees << "48.8584 2.2945 35" << 48.8584 << 2.2945;
        QTest::newRow("dd altitude below sea")
            << Reader::degrees << "31.5, 35.5, 430 m Below Sea Level" << 31.5 << 35.5;
        QTest::newRow("dd integers") << Reader::degrees << "0 0" << 0.0 << 0.0;
        QTest::newRow("dd two latitudes") << Reader::degrees << "48 N, 2 S" << none << none;
        QTest::newRow("dd minus with letter") << Reader::degrees << "-33.8 S, 70.6 W" << none << none;
        QTest::newRow("dd latitude 91") << Reader::degrees << "91, 2" << none << none;
        QTest::newRow("dd longitude -181") << Reader::degrees << "10, -181" << none << none;
        QTest::newRow("dd one number") << Reader::degrees << "48.8584" << none << none;
        QTest::newRow("dd trailing words") << Reader::degrees << "48.8584, 2.2945 Paris" << none << none;
        QTest::newRow("dd altitude and more") << Reader::degrees << "48.8 2.2 35 12" << none << none;
        QTest::newRow("dd half a sea phrase") << Reader::degrees << "48.8 2.2 35 m Above" << none << none;
        QTest::newRow("dd minutes are not degrees") << Reader::degrees << u"48°51.504', 2°17.670'"_qs << none << none;
        QTest::newRow("dd empty") << Reader::degrees << "" << none << none;
        QTest::newRow("dd blank") << Reader::degrees << "   " << none << none;
        QTest::newRow("dd arabic digits") << Reader::degrees << u"\u0664\u0668, 2"_qs << none << none;

        QTest::newRow("ddmm marks and letters")
            << Reader::minutes << u"48°51.504' N, 2°17.670' E"_qs << 48 + 51.504 / 60 << 2 + 17.670 / 60;
        QTest::newRow("ddmm typographic marks, letters before")
            << Reader::minutes << u"S 33°52.128’ W 70°40.158’"_qs << -(33 + 52.128 / 60) << -(70 + 40.158 / 60);
        QTest::newRow("ddmm bare numbers") << Reader::minutes << "48 51.504 -2 17.67" << 48 + 51.504 / 60
                                           << -(2 + 17.67 / 60);
        QTest::newRow("ddmm negative under one degree") << Reader::minutes << "-0 30, 0 30" << -0.5 << 0.5;
        QTest::newRow("ddmm fractional degrees") << Reader::minutes << u"48.5°51.5', 2°17'"_qs << none << none;
        QTest::newRow("ddmm 60 minutes") << Reader::minutes << u"48°60.0', 2°17.6'"_qs << none << none;
        QTest::newRow("ddmm signed minutes") << Reader::minutes << "48 -51.5 2 17.6" << none << none;
        QTest::newRow("ddmm second mark on minutes") << Reader::minutes << u"48°51.5\", 2°17.6\""_qs << none << none;

        const double eiffel[] = {48 + 51 / 60.0 + 30.24 / 3600, 2 + 17 / 60.0 + 40.20 / 3600};
        QTest::newRow("ddmmss exiftool printed")
            << Reader::seconds << "48 deg 51' 30.24\" N, 2 deg 17' 40.20\" E" << eiffel[0] << eiffel[1];
        QTest::newRow("ddmmss exiftool with altitude")
            << Reader::seconds << "40 deg 41' 21.12\" N, 74 deg 2' 40.20\" W, 93 m Above Sea Level"
            << 40 + 41 / 60.0 + 21.12 / 3600 << -(74 + 2 / 60.0 + 40.20 / 3600);
        QTest::newRow("ddmmss symbols") << Reader::seconds << u"48°51′30.24″N 2°17′40.2″E"_qs << eiffel[0] << eiffel[1];
        QTest::newRow("ddmmss two apostrophes")
            << Reader::seconds << u"48°51'30.24''N 2°17'40.2''E"_qs << eiffel[0] << eiffel[1];
        QTest::newRow("ddmmss curly quotes, letters before")
            << Reader::seconds << u"N 48°51’30.24”, E 2°17’40.2”"_qs << eiffel[0] << eiffel[1];
        QTest::newRow("ddmmss 60 seconds") << Reader::seconds << "48 51 60 N 2 17 40 E" << none << none;
        QTest::newRow("ddmmss fractional minutes") << Reader::seconds << "48 51.5 30 N 2 17 40 E" << none << none;
        QTest::newRow("ddmmss south pole") << Reader::seconds << "90 0 0 S 0 0 0 E" << -90.0 << 0.0;
        QTest::newRow("ddmmss beyond pole") << Reader::seconds << "90 0 0.1 S 0 0 0 E" << none << none;

        QTest::newRow("any iso") << Reader::any << "+48.8567+002.3508/" << paris[0] << paris[1];
        QTest::newRow("any decimal") << Reader::any << "48.8567, 2.3508" << paris[0] << paris[1];
        QTest::newRow("any minutes") << Reader::any << "48 51.402 2 21.048" << 48 + 51.402 / 60 << 2 + 21.048 / 60;
        QTest::newRow("any exiftool printed")
            << Reader::any << "48 deg 51' 30.24\" N, 2 deg 17' 40.20\" E" << eiffel[0] << eiffel[1];
        QTest::newRow("any place name") << Reader::any << "Eiffel Tower" << none << none;
        QTest::newRow("any half coordinate") << Reader::any << "48 deg 51' 30.24\" N" << none << none;
    }

    void readsNotations()
    {
        QFETCH(Reader, reader);
        QFETCH(QString, text);
        QFETCH(double, latitude);
        QFETCH(double, longitude);

        const std::optional<Coordinate> coordinate = parsed(reader, text);
        if (std::isnan(latitude)) {
            QVERIFY2(!coordinate, qPrintable(QStringLiteral("read %1, %2")
                                                 .arg(coordinate->latitude())
                                                 .arg(coordinate->longitude())));
            return;
        }
        QVERIFY(coordinate);
        QVERIFY(coordinate->isValid());
        QVERIFY2(std::fabs(coordinate->latitude() - latitude) < 1e-9, qPrintable(QString::number(coordinate->latitude(), 'g', 12)));
        QVERIFY2(std::fabs(coordinate->longitude() - longitude) < 1e-9, qPrintable(QString::number(coordinate->longitude(), 'g', 12)));
    }

    // What ExifTool itself prints for the fixtures' positions, in both forms, reads back to the
    // same place.
    void readsWhatExifToolPrints()
    {
        const QJsonArray printed = exifToolRead({});
        const QJsonArray numeric = exifToolRead({QStringLiteral("-n")});
        QCOMPARE(printed.size(), 4);
        QCOMPARE(numeric.size(), 4);
        int compared = 0;
        for (qsizetype file = 0; file < printed.size(); ++file) {
            const QJsonObject printedTags = printed.at(file).toObject();
            const QJsonObject numericTags = numeric.at(file).toObject();
            for (const QString& tag : printedTags.keys()) {
                if (tag == u"SourceFile")
                    continue;
                const QString text = printedTags.value(tag).toString();
                const QString numbers = numericTags.value(tag).toVariant().toString();
                const std::optional<Coordinate> fromPrinted = CoordinateParser::coordinate(text);
                const std::optional<Coordinate> fromNumbers = CoordinateParser::coordinateFromDDdddddString(numbers);
                QVERIFY2(fromPrinted, qPrintable(tag + u": " + text));
                QVERIFY2(fromNumbers, qPrintable(tag + u": " + numbers));
                // The printed form has two decimals of a second.
                QVERIFY(std::fabs(fromPrinted->latitude() - fromNumbers->latitude()) < 0.01 / 3600);
                QVERIFY(std::fabs(fromPrinted->longitude() - fromNumbers->longitude()) < 0.01 / 3600);
                ++compared;
            }
        }
        // GPSCoordinates twice in each movie, GPSPosition in all four files.
        QCOMPARE(compared, 8);
    }
};

QTEST_GUILESS_MAIN(CoordinateParserTest)
#include "CoordinateParserTest.moc"
