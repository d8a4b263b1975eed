#include "filemodel/FileIconProvider.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

#include <sys/stat.h>

using corvelle::FileIconProvider;
using corvelle::test::fixturePath;

namespace {

bool somethingDrawn(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

} // namespace

class FileIconProviderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyFileGetsAnIcon_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("isFolder");
        QTest::addColumn<QString>("genericName");
        QTest::newRow("sidecar") << fixturePath("sidecar.xmp") << false << "text-x-generic";
        QTest::newRow("audio") << fixturePath("audio.m4a") << false << "audio-x-generic";
        QTest::newRow("movie") << fixturePath("movie.mov") << false << "video-x-generic";
        QTest::newRow("image") << fixturePath("photo.jpg") << false << "image-x-generic";
        QTest::newRow("unknown type") << fixturePath("file.unknownextension") << false << "application-x-generic";
        QTest::newRow("no extension") << fixturePath("README") << false << "text-x-generic";
        QTest::newRow("raw") << fixturePath("raw.dng") << false << "image-x-generic";
        QTest::newRow("folder") << corvelle::test::fixturesDir() << true << "folder";
    }

    void everyFileGetsAnIcon()
    {
        QFETCH(QString, path);
        QFETCH(bool, isFolder);
        QFETCH(QString, genericName);
        const QStringList names = FileIconProvider::iconNames(path, isFolder);
        QVERIFY2(names.contains(genericName), qPrintable(names.join(", ")));
        QVERIFY(names.first() != genericName || isFolder);
        const qsizetype catchAll = names.indexOf("application-x-generic");
        QVERIFY2(genericName == "application-x-generic" || isFolder || names.indexOf(genericName) < catchAll,
                 qPrintable(names.join(", ")));
        const QImage icon = FileIconProvider::icon(path, 64, isFolder);
        QVERIFY(!icon.isNull());
        QVERIFY(icon.width() <= 64 && icon.height() <= 64);
        QVERIFY(icon.width() >= 32);
        QVERIFY(somethingDrawn(icon));
    }

    // The icon judges by name, so a file that would block readers still gets one at once.
    void aPipeGetsAnIconWithoutBeingOpened()
    {
        QTemporaryDir dir;
        const QString fifo = QDir(dir.path()).filePath(QStringLiteral("pipe.mp4"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!FileIconProvider::icon(fifo, 48).isNull());
    }

    // Off the main thread the theme is consulted on the main thread, and the result is the same.
    void workerThreadsGetTheSameIcons()
    {
        const QString path = fixturePath("sidecar.xmp");
        QFuture<QImage> future = QtConcurrent::run([path] { return FileIconProvider::icon(path, 40); });
        QTRY_VERIFY(future.isFinished());
        QCOMPARE(future.result(), FileIconProvider::icon(path, 40));
        QFuture<QImage> fresh = QtConcurrent::run([path] { return FileIconProvider::icon(path, 24); });
        QTRY_VERIFY(fresh.isFinished());
        QVERIFY(!fresh.result().isNull());
    }
};

QTEST_MAIN(FileIconProviderTest)
#include "FileIconProviderTest.moc"
