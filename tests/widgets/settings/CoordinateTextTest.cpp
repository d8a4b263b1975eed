#include "widgets/settings/CoordinateText.h"

#include <QtTest>

using corvelle::GPSFormatGeneralUserChoice;
using halvex::Coordinate;

class CoordinateTextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesTheChosenNotation_data()
    {
        QTest::addColumn<GPSFormatGeneralUserChoice>("format");
        QTest::addColumn<QString>("text");
        using F = GPSFormatGeneralUserChoice;
        QTest::newRow("DD.dddddd") << F::formatDDdddddd << u"-33.868800°, 151.209300°"_qs;
        QTest::newRow("Pre DD.dddddd") << F::formatPreDDdddddd << u"S 33.868800°, E 151.209300°"_qs;
        QTest::newRow("Pre DD MM.mmm") << F::formatPreDDMMmmm << u"S 33°52.128’, E 151°12.558’"_qs;
        QTest::newRow("Pre DD MM SS.s") << F::formatPreDDMMSSs << u"S 33°52’07.7”, E 151°12’33.5”"_qs;
        QTest::newRow("Post DD.dddddd") << F::formatPostDDdddddd << u"33.868800° S, 151.209300° E"_qs;
        QTest::newRow("Post DD MM.mmm") << F::formatPostDDMMmmm << u"33°52.128’ S, 151°12.558’ E"_qs;
        QTest::newRow("Post DD MM SS.s") << F::formatPostDDMMSSs << u"33°52’07.7” S, 151°12’33.5” E"_qs;
        QTest::newRow("ISO 6709") << F::formatISO6709 << u"-33.86880+151.20930/"_qs;
    }

    void writesTheChosenNotation()
    {
        QFETCH(GPSFormatGeneralUserChoice, format);
        QFETCH(QString, text);
        QCOMPARE(corvelle::coordinateText(Coordinate(-33.8688, 151.2093), format), text);
    }

    void noCoordinateIsEmptyInEveryFormat()
    {
        for (const GPSFormatGeneralUserChoice format : brisa::allCases<GPSFormatGeneralUserChoice>())
            QCOMPARE(corvelle::coordinateText(std::nullopt, format), QString());
    }
};

QTEST_GUILESS_MAIN(CoordinateTextTest)
#include "CoordinateTextTest.moc"
