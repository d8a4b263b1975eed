#include "engine/halvex/tags/ExifOrientation.h"

#include <QtTest>

using halvex::ExifOrientation;

namespace {

QList<int> numbersAfter(ExifOrientation (ExifOrientation::*transform)() const)
{
    QList<int> numbers;
    for (const ExifOrientation orientation : ExifOrientation::allCases())
        numbers.append((orientation.*transform)().exifNumber());
    return numbers;
}

ExifOrientation turnedRight(ExifOrientation orientation, int times)
{
    for (int i = 0; i < times; ++i)
        orientation = orientation.rotateRight();
    return orientation;
}

} // namespace

class ExifOrientationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbersFollowExifOrder()
    {
        QList<int> raw;
        QList<int> numbers;
        for (const ExifOrientation orientation : ExifOrientation::allCases()) {
            raw.append(orientation.rawValue());
            numbers.append(orientation.exifNumber());
            QCOMPARE(ExifOrientation::fromExifNumber(orientation.exifNumber()), orientation);
            QCOMPARE(ExifOrientation::fromRawValue(orientation.rawValue()), orientation);
        }
        QCOMPARE(raw, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(numbers, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(ExifOrientation(ExifOrientation::rotate90).exifNumber(), 6);
        QCOMPARE(ExifOrientation::fromExifNumber(0), std::nullopt);
        QCOMPARE(ExifOrientation::fromExifNumber(9), std::nullopt);
        QCOMPARE(ExifOrientation::fromRawValue(-1), std::nullopt);
    }

    void mapsEachOrientationByTheFourTables()
    {
        QCOMPARE(numbersAfter(&ExifOrientation::horizontalFlip), (QList<int>{2, 1, 4, 3, 6, 5, 8, 7}));
        QCOMPARE(numbersAfter(&ExifOrientation::verticalFlip), (QList<int>{4, 3, 2, 1, 8, 7, 6, 5}));
        QCOMPARE(numbersAfter(&ExifOrientation::rotateLeft), (QList<int>{8, 5, 6, 7, 4, 1, 2, 3}));
        QCOMPARE(numbersAfter(&ExifOrientation::rotateRight), (QList<int>{6, 7, 8, 5, 2, 3, 4, 1}));
    }

    // The tables compose as turns and mirrors of a picture do.
    void composesLikeTurnsAndMirrors()
    {
        for (const ExifOrientation o : ExifOrientation::allCases()) {
            QCOMPARE(turnedRight(o, 4), o);
            QCOMPARE(o.rotateRight().rotateLeft(), o);
            QCOMPARE(o.horizontalFlip().horizontalFlip(), o);
            QCOMPARE(o.verticalFlip().verticalFlip(), o);
            QCOMPARE(o.horizontalFlip().verticalFlip(), turnedRight(o, 2));
            QCOMPARE(o.rotateLeft().rotateLeft().rotateLeft(), o.rotateRight());
            // Turning a mirrored picture and mirroring it back turns it the other way.
            QCOMPARE(o.horizontalFlip().rotateRight().horizontalFlip(), o.rotateLeft());
        }
    }

    // A mirrored case is a horizontal mirror followed by a turn: dropping the mirror keeps the turn.
    void dropsTheMirrorAndKeepsTheTurn()
    {
        const ExifOrientation normal(ExifOrientation::normal);
        for (int turns = 0; turns < 4; ++turns) {
            const ExifOrientation turned = turnedRight(normal, turns);
            const ExifOrientation mirrored = turnedRight(normal.horizontalFlip(), turns);
            QVERIFY(mirrored.isMirrored());
            QVERIFY(!turned.isMirrored());
            QCOMPARE(mirrored.withoutMirror(), turned);
            QCOMPARE(turned.withoutMirror(), turned);
            QCOMPARE(mirrored.quicktimeRotation(), std::nullopt);
        }
    }

    void mapsQuickTimeRotations_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("exifNumber"); // 0: none
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("90") << 90 << 6;
        QTest::newRow("180") << 180 << 3;
        QTest::newRow("270") << 270 << 8;
        QTest::newRow("-90") << -90 << 8;
        QTest::newRow("450") << 450 << 6;
        QTest::newRow("-360") << -360 << 1;
        QTest::newRow("45") << 45 << 0;
        QTest::newRow("-1") << -1 << 0;
    }

    void mapsQuickTimeRotations()
    {
        QFETCH(int, degrees);
        QFETCH(int, exifNumber);
        const std::optional<ExifOrientation> orientation = ExifOrientation::fromQuicktimeRotation(degrees);
        if (exifNumber == 0) {
            QCOMPARE(orientation, std::nullopt);
            return;
        }
        QVERIFY(orientation);
        QCOMPARE(orientation->exifNumber(), exifNumber);
        QCOMPARE(orientation->quicktimeRotation(), ((degrees % 360) + 360) % 360);
    }
};

QTEST_GUILESS_MAIN(ExifOrientationTest)
#include "ExifOrientationTest.moc"
