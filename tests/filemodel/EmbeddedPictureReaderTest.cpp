#include "filemodel/EmbeddedPictureReader.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using corvelle::EmbeddedPictureReader;
using corvelle::test::fixturePath;

class EmbeddedPictureReaderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void picturesInsideFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QSize>("size");
        const QStringList thumbnail = EmbeddedPictureReader::thumbnailTagNames();
        const QStringList preview = EmbeddedPictureReader::previewTagNames();
        const QStringList cover = EmbeddedPictureReader::coverArtTagNames();
        // The 80x60 EXIF thumbnail, as stored (the photo's orientation 6 is not applied).
        QTest::newRow("jpeg thumbnail") << "photo.jpg" << thumbnail << 256 << QSize(80, 60);
        QTest::newRow("odd file name") << "odd name -é.jpg" << thumbnail << 256 << QSize(80, 60);
        QTest::newRow("jpeg thumbnail, bounded") << "photo.jpg" << preview << 40 << QSize(40, 30);
        QTest::newRow("m4a cover art") << "audio.m4a" << cover << 256 << QSize(64, 64);
        QTest::newRow("dng preview") << "raw.dng" << thumbnail << 256 << QSize(64, 48);
        QTest::newRow("no such tag in a movie") << "movie.mp4" << (thumbnail + cover) << 256 << QSize();
        QTest::newRow("no picture in a sidecar") << "sidecar.xmp" << thumbnail << 256 << QSize();
        QTest::newRow("cover art asked of a jpeg") << "photo.jpg" << cover << 256 << QSize();
        QTest::newRow("text") << "notmedia.jpg" << thumbnail << 256 << QSize();
        QTest::newRow("cut movie") << "corrupt.mp4" << cover << 256 << QSize();
        QTest::newRow("missing") << "no such file.jpg" << thumbnail << 256 << QSize();
    }

    void picturesInsideFiles()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, tags);
        QFETCH(int, maximum);
        QFETCH(QSize, size);
        const QImage picture = EmbeddedPictureReader().picture(fixturePath(name), tags, maximum);
        QCOMPARE(picture.size(), size.isValid() ? size : QSize(0, 0));
    }

    // The stored preview has a blue top-left corner on red; it comes as stored, not turned.
    void previewsComeAsStored()
    {
        const QImage picture = EmbeddedPictureReader().picture(fixturePath("raw.dng"),
                                                               EmbeddedPictureReader::thumbnailTagNames(), 256);
        QVERIFY(picture.pixelColor(2, 2).blue() > 200);
        QVERIFY(picture.pixelColor(60, 2).red() > 200);
    }

    // ExifTool would wait on the pipe and hold a process of the pool for good.
    void pipesAreNotRead()
    {
        QTemporaryDir dir;
        const QString fifo = QDir(dir.path()).filePath(QStringLiteral("pipe.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(EmbeddedPictureReader().picture(fifo, EmbeddedPictureReader::thumbnailTagNames(), 256).isNull());
    }
};

QTEST_MAIN(EmbeddedPictureReaderTest)
#include "EmbeddedPictureReaderTest.moc"
