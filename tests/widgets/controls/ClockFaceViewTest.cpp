#include "widgets/controls/ClockFaceView.h"

#include <QSignalSpy>
#include <QtTest>

using corvelle::ClockFaceView;

// The clock face picks a time with the pointer: near the centre the hour hand, further out the
// minute hand.
class ClockFaceViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void handsFollowThePointer_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QPoint>("offset"); // from the centre of a 200 by 200 face
        QTest::addColumn<QTime>("expected");
        QTest::newRow("minute hand at a quarter past") << QTime(10, 40, 5) << QPoint(80, 0) << QTime(10, 15, 5);
        QTest::newRow("minute hand past twelve moves the hour on") << QTime(10, 50) << QPoint(10, -80) << QTime(11, 1);
        QTest::newRow("minute hand back past twelve") << QTime(10, 5) << QPoint(-10, -80) << QTime(9, 59);
        QTest::newRow("hour hand at three in the morning") << QTime(10, 40, 5) << QPoint(30, 0) << QTime(3, 40, 5);
        QTest::newRow("hour hand keeps the afternoon") << QTime(22, 40) << QPoint(0, 30) << QTime(18, 40);
        QTest::newRow("hour hand at twelve") << QTime(14, 10) << QPoint(0, -30) << QTime(12, 10);
    }

    void handsFollowThePointer()
    {
        QFETCH(QTime, start);
        QFETCH(QPoint, offset);
        QFETCH(QTime, expected);
        ClockFaceView clock;
        clock.resize(204, 204);
        clock.setTime(start);
        QSignalSpy edited(&clock, &ClockFaceView::timeEdited);
        QTest::mouseClick(&clock, Qt::LeftButton, {}, QPoint(102, 102) + offset);
        QCOMPARE(clock.time(), expected);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(edited.first().first().toTime(), expected);
    }

    void dragKeepsTheHandItStartedWith()
    {
        ClockFaceView clock;
        clock.resize(204, 204);
        clock.setTime(QTime(9, 30));
        // Pressed on the hour hand, then dragged out to the rim: still the hour.
        QTest::mousePress(&clock, Qt::LeftButton, {}, QPoint(102 - 30, 102));
        QMouseEvent move(QEvent::MouseMove, QPointF(102 + 90, 102), QPointF(102 + 90, 102), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&clock, &move);
        QTest::mouseRelease(&clock, Qt::LeftButton, {}, QPoint(102 + 90, 102));
        QCOMPARE(clock.time(), QTime(3, 30));
    }
};

QTEST_MAIN(ClockFaceViewTest)
#include "ClockFaceViewTest.moc"
