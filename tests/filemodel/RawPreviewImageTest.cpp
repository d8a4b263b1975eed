#include "filemodel/RawPreviewImage.h"
#include "support/TestEnvironment.h"

#include <QtTest>

using corvelle::RawPreviewImage;
using corvelle::test::fixturePath;
using kelvane::RawPreview;

Q_DECLARE_METATYPE(kelvane::RawPreview)

class RawPreviewImageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // raw.dng: 64x48 JPEG preview (blue top-left corner) and orientation 6; 160x120 mosaic that is
    // brightest in its top-left quarter. raw-nopreview.dng: 64x48 mosaic, orientation 1.
    void previewsOfFilesComeUpright_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("large");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("markedCorner");
        QTest::newRow("embedded preview, turned") << "raw.dng" << false << 256 << QSize(48, 64) << QPoint(45, 2);
        QTest::newRow("embedded preview, bounded") << "raw.dng" << false << 32 << QSize(24, 32) << QPoint(22, 1);
        QTest::newRow("large: half-size demosaic") << "raw.dng" << true << 256 << QSize(60, 80) << QPoint(58, 1);
        QTest::newRow("demosaic without preview") << "raw-nopreview.dng" << false << 256 << QSize(32, 24) << QPoint(1, 1);
        QTest::newRow("demosaic, bounded") << "raw-nopreview.dng" << true << 16 << QSize(16, 12) << QPoint(0, 0);
    }

    void previewsOfFilesComeUpright()
    {
        QFETCH(QString, name);
        QFETCH(bool, large);
        QFETCH(int, maximum);
        QFETCH(QSize, size);
        QFETCH(QPoint, markedCorner);
        const QString path = fixturePath(name);
        const QImage image = large ? RawPreviewImage::preview2(path, maximum) : RawPreviewImage::preview4(path, maximum);
        QCOMPARE(image.size(), size);
        // The marked corner (blue in the preview, brightest in the mosaic) lies where turning puts it.
        const QColor marked = image.pixelColor(markedCorner);
        const QPoint opposite(image.width() - 1 - markedCorner.x(), image.height() - 1 - markedCorner.y());
        if (name == "raw.dng" && !large)
            QVERIFY2(marked.blue() > 150 && marked.red() < 100, qPrintable(marked.name()));
        else
            QVERIFY(marked.lightness() > image.pixelColor(opposite).lightness());
    }

    void filesWithoutRawPreviewGiveNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("jpeg") << fixturePath("photo.jpg");
        QTest::newRow("movie") << fixturePath("movie.mp4");
        QTest::newRow("text") << fixturePath("notmedia.jpg");
        QTest::newRow("missing") << fixturePath("no such file.dng");
        QTest::newRow("folder") << corvelle::test::fixturesDir();
    }

    void filesWithoutRawPreviewGiveNothing()
    {
        QFETCH(QString, path);
        QVERIFY(RawPreviewImage::preview4(path, 256).isNull());
        QVERIFY(RawPreviewImage::preview2(path, 256).isNull());
    }

    void inconsistentValuesGiveNothing_data()
    {
        QTest::addColumn<RawPreview>("preview");
        RawPreview shortRows;
        shortRows.format = RawPreview::Format::rgb8;
        shortRows.width = 4;
        shortRows.height = 4;
        shortRows.stride = 12;
        shortRows.data = QByteArray(40, '\x7f');
        RawPreview badOrientation = shortRows;
        badOrientation.data = QByteArray(48, '\x7f');
        badOrientation.orientation = 9;
        RawPreview notAnImage;
        notAnImage.data = QByteArray("not a jpeg");
        QTest::newRow("rows missing") << shortRows;
        QTest::newRow("orientation 9") << badOrientation;
        QTest::newRow("undecodable bytes") << notAnImage;
        QTest::newRow("empty") << RawPreview();
    }

    void inconsistentValuesGiveNothing()
    {
        QFETCH(RawPreview, preview);
        QVERIFY(RawPreviewImage::image(preview, 256).isNull());
    }
};

QTEST_MAIN(RawPreviewImageTest)
#include "RawPreviewImageTest.moc"
