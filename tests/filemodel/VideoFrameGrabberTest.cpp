#include "filemodel/VideoFrameGrabber.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using corvelle::VideoFrameGrabber;
using corvelle::test::fixturePath;

namespace {

// The test patterns are colourful; a frame of one flat colour means nothing was decoded.
int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

} // namespace

class VideoFrameGrabberTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void framesKeepTheMoviesProportionsUpright_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QSize>("size");
        // 160x90 movie.
        QTest::newRow("mp4") << "movie.mp4" << 256 << QSize(256, 144);
        QTest::newRow("mp4, small") << "movie.mp4" << 64 << QSize(64, 36);
        // 160x90 track shown turned by 90 degrees.
        QTest::newRow("mov turned") << "movie.mov" << 256 << QSize(144, 256);
    }

    void framesKeepTheMoviesProportionsUpright()
    {
        QFETCH(QString, name);
        QFETCH(int, maximum);
        QFETCH(QSize, size);
        const QImage frame = VideoFrameGrabber::frame(fixturePath(name), maximum);
        QCOMPARE(frame.size(), size);
        QVERIFY(distinctColours(frame) > 8);
    }

    // The 64x64 cover is navy with a gold disc in the middle.
    void anAudioFilesCoverArtStandsForItsFrame()
    {
        const QImage frame = VideoFrameGrabber::frame(fixturePath("audio.m4a"), 64);
        QCOMPARE(frame.size(), QSize(64, 64));
        const QColor middle = frame.pixelColor(32, 32);
        const QColor corner = frame.pixelColor(2, 2);
        QVERIFY2(middle.red() > 150 && middle.blue() < 100, qPrintable(middle.name()));
        QVERIFY2(corner.blue() > 80 && corner.red() < 60, qPrintable(corner.name()));
    }

    void nothingToDecodeGivesNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("cut movie") << fixturePath("corrupt.mp4");
        QTest::newRow("text") << fixturePath("notmedia.jpg");
        QTest::newRow("sidecar") << fixturePath("sidecar.xmp");
        QTest::newRow("missing") << fixturePath("no such movie.mp4");
        QTest::newRow("folder") << corvelle::test::fixturesDir();
    }

    void nothingToDecodeGivesNothing()
    {
        QFETCH(QString, path);
        QVERIFY(VideoFrameGrabber::frame(path, 256).isNull());
    }

    // Relative, with a colon that a demuxer could take for a protocol, a leading dash and a
    // letter outside ASCII.
    void oddNamesAreRead()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(fixturePath("movie.mp4"), QDir(dir.path()).filePath("-clip:é 1.mp4")));
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const QImage frame = VideoFrameGrabber::frame(QStringLiteral("-clip:é 1.mp4"), 64);
        QDir::setCurrent(current);
        QCOMPARE(frame.size(), QSize(64, 36));
    }

    void pipesAreNotOpened()
    {
        QTemporaryDir dir;
        const QString fifo = QDir(dir.path()).filePath(QStringLiteral("pipe.mp4"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(VideoFrameGrabber::frame(fifo, 256).isNull());
    }
};

QTEST_MAIN(VideoFrameGrabberTest)
#include "VideoFrameGrabberTest.moc"
