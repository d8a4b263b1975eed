#include "widgets/controls/BackgroundControlColor.h"

#include <QtTest>

using corvelle::BackgroundControlColor;

class BackgroundControlColorTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fillsTheWholeAreaWithTheControlBackground()
    {
        BackgroundControlColor view;
        QPalette palette = view.palette();
        palette.setColor(QPalette::Base, QColor(12, 200, 34));
        palette.setColor(QPalette::Window, QColor(250, 0, 0));
        view.setPalette(palette);
        view.resize(40, 30);
        const QImage image = view.grab().toImage();
        for (const QPoint& point : {QPoint(0, 0), QPoint(39, 0), QPoint(20, 15), QPoint(0, 29), QPoint(39, 29)})
            QCOMPARE(image.pixelColor(point), QColor(12, 200, 34));
    }
};

QTEST_MAIN(BackgroundControlColorTest)
#include "BackgroundControlColorTest.moc"
