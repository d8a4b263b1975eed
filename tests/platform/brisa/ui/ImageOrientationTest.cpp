#include "platform/brisa/ui/ImageOrientation.h"

#include <QtTest>

using brisa::ImageOrientation;

namespace {

// 3x2, every pixel its own colour: red carries the column, green the row.
QImage asymmetricImage()
{
    QImage image(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(100 * x, 100 * y, 50));
    }
    return image;
}

QPoint find(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour)
                return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}

} // namespace

class ImageOrientationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Where the stored top-left and top-right pixels are shown, for each EXIF orientation.
    void orientedMovesPixelsAsExifSays_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QPoint>("topRight");
        QTest::newRow("1 normal") << 1 << QSize(3, 2) << QPoint(0, 0) << QPoint(2, 0);
        QTest::newRow("2 mirror horizontal") << 2 << QSize(3, 2) << QPoint(2, 0) << QPoint(0, 0);
        QTest::newRow("3 rotate 180") << 3 << QSize(3, 2) << QPoint(2, 1) << QPoint(0, 1);
        QTest::newRow("4 mirror vertical") << 4 << QSize(3, 2) << QPoint(0, 1) << QPoint(2, 1);
        QTest::newRow("5 mirror, rotate 270 cw") << 5 << QSize(2, 3) << QPoint(0, 0) << QPoint(0, 2);
        QTest::newRow("6 rotate 90 cw") << 6 << QSize(2, 3) << QPoint(1, 0) << QPoint(1, 2);
        QTest::newRow("7 mirror, rotate 90 cw") << 7 << QSize(2, 3) << QPoint(1, 2) << QPoint(1, 0);
        QTest::newRow("8 rotate 270 cw") << 8 << QSize(2, 3) << QPoint(0, 2) << QPoint(0, 0);
    }

    void orientedMovesPixelsAsExifSays()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(QPoint, topLeft);
        QFETCH(QPoint, topRight);
        const QImage stored = asymmetricImage();
        const std::optional<QImage> shown = ImageOrientation::oriented(stored, orientation);
        QVERIFY(shown);
        QCOMPARE(shown->size(), size);
        QCOMPARE(find(*shown, stored.pixel(0, 0)), topLeft);
        QCOMPARE(find(*shown, stored.pixel(2, 0)), topRight);
        // Whole pixels move: every colour is still there once.
        for (int y = 0; y < stored.height(); ++y) {
            for (int x = 0; x < stored.width(); ++x)
                QVERIFY(find(*shown, stored.pixel(x, y)) != QPoint(-1, -1));
        }

        const std::optional<QImage> back = ImageOrientation::unoriented(*shown, orientation);
        QVERIFY(back);
        QCOMPARE(*back, stored);
        const std::optional<QImage> upright = ImageOrientation::oriented(*ImageOrientation::unoriented(stored, orientation), orientation);
        QCOMPARE(*upright, stored);
    }

    void invalidValuesAndNullImagesGiveNone_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("nullImage");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("9") << 9 << false;
        QTest::newRow("-6") << -6 << false;
        QTest::newRow("null image") << 1 << true;
        QTest::newRow("null image, turned") << 6 << true;
    }

    void invalidValuesAndNullImagesGiveNone()
    {
        QFETCH(int, orientation);
        QFETCH(bool, nullImage);
        const QImage image = nullImage ? QImage() : asymmetricImage();
        QVERIFY(!ImageOrientation::oriented(image, orientation));
        QVERIFY(!ImageOrientation::unoriented(image, orientation));
    }
};

QTEST_MAIN(ImageOrientationTest)
#include "ImageOrientationTest.moc"
