#include "platform/brisa/ui/ImageOrientation.h"
#include "platform/brisa/ui/ImageThumbailer.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using brisa::ImageThumbailer;
using corvelle::test::fixturePath;

class ImageThumbailerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // photo.jpg is 160x120, stored with orientation 6.
    void picturesFitTheSizeAndAreNeverEnlarged_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("appliesOrientation");
        QTest::addColumn<bool>("smooth");
        QTest::addColumn<QSize>("size");
        QTest::newRow("smaller, as stored") << 64 << false << true << QSize(64, 48);
        QTest::newRow("smaller, upright") << 64 << true << true << QSize(48, 64);
        QTest::newRow("smaller, fast") << 40 << false << false << QSize(40, 30);
        QTest::newRow("odd bound") << 99 << false << true << QSize(99, 74);
        QTest::newRow("bound above the size") << 400 << false << true << QSize(160, 120);
        QTest::newRow("huge bound, upright") << 10000 << true << true << QSize(120, 160);
    }

    void picturesFitTheSizeAndAreNeverEnlarged()
    {
        QFETCH(int, maximum);
        QFETCH(bool, appliesOrientation);
        QFETCH(bool, smooth);
        QFETCH(QSize, size);
        const ImageThumbailer thumbailer(maximum, appliesOrientation, smooth);
        const QImage image = thumbailer.thumbnail(fixturePath("photo.jpg"));
        QCOMPARE(image.size(), size);

        QFile file(fixturePath("photo.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(thumbailer.thumbnail(file.readAll()), image);
    }

    // Qt's own reading of the EXIF orientation agrees with turning the stored pixels ourselves.
    void uprightReadingMatchesTurningTheStoredPixels()
    {
        const QImage stored = ImageThumbailer(80, false, true).thumbnail(fixturePath("photo.jpg"));
        const QImage upright = ImageThumbailer(80, true, true).thumbnail(fixturePath("photo.jpg"));
        const std::optional<QImage> turned = brisa::ImageOrientation::oriented(stored, 6);
        QVERIFY(turned);
        QCOMPARE(turned->convertToFormat(QImage::Format_RGB32), upright.convertToFormat(QImage::Format_RGB32));
    }

    void unreadableInputGivesNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("text under a .jpg name") << fixturePath("notmedia.jpg");
        QTest::newRow("sidecar") << fixturePath("sidecar.xmp");
        QTest::newRow("movie") << fixturePath("movie.mp4");
        QTest::newRow("missing") << fixturePath("no such file.jpg");
        QTest::newRow("folder") << corvelle::test::fixturesDir();
    }

    void unreadableInputGivesNothing()
    {
        QFETCH(QString, path);
        QVERIFY(ImageThumbailer(400, false, true).thumbnail(path).isNull());
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            QVERIFY(ImageThumbailer(400, false, true).thumbnail(file.readAll()).isNull());
    }

    // Opening a pipe for reading waits for a writer: it must not be opened at all.
    void pipesAreNotOpened()
    {
        QTemporaryDir dir;
        const QString fifo = QDir(dir.path()).filePath(QStringLiteral("pipe.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(ImageThumbailer(400, false, true).thumbnail(fifo).isNull());
    }
};

QTEST_MAIN(ImageThumbailerTest)
#include "ImageThumbailerTest.moc"
