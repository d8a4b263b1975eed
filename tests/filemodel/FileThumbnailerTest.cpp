#include "filemodel/FileModelTestSupport.h"
#include "filemodel/FileThumbnailer.h"

#include <QtTest>

#include <sys/stat.h>

using namespace corvelle;
using Content = FileThumbnailer::Content;
using Kind = Content::Kind;

Q_DECLARE_METATYPE(Kind)

namespace {

bool isBlue(const QColor& colour)
{
    return colour.blue() > 150 && colour.red() < 100;
}

bool isWhite(const QColor& colour)
{
    return colour.lightness() > 220;
}

// The cover of audio.m4a: navy with a gold disc in the middle.
bool isGold(const QColor& colour)
{
    return colour.red() > 150 && colour.blue() < 100;
}

using PixelCheck = std::function<bool(const QImage&)>;

} // namespace

Q_DECLARE_METATYPE(PixelCheck)

class FileThumbnailerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    // Pictures in the pixel orientation the file stores, whatever orientation it asks to be
    // shown in; `turned` is the content turned by the file's stored orientation value.
    void everyKindOfFixture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<PixelCheck>("stored");
        QTest::addColumn<QSize>("turned");

        const PixelCheck any = [](const QImage&) { return true; };
        // 160x120, orientation 6; a white bar from x 20 to 60 on the left.
        const PixelCheck whiteBarLeft = [](const QImage& image) { return isWhite(image.pixelColor(40, 60)); };
        QTest::newRow("photo, orientation 6") << "photo.jpg" << Kind::image << QSize(160, 120) << whiteBarLeft << QSize(120, 160);
        QTest::newRow("photo with an odd name") << "odd name -é.jpg" << Kind::image << QSize(160, 120) << whiteBarLeft << QSize(120, 160);
        // 160x90 movies, at the request's 800 pixels; movie.mov is shown turned by 90 degrees.
        QTest::newRow("movie") << "movie.mp4" << Kind::image << QSize(800, 450) << any << QSize(800, 450);
        QTest::newRow("movie turned by its track") << "movie.mov" << Kind::image << QSize(800, 450) << any << QSize(450, 800);
        // The 64x48 preview, blue in its stored top-left corner; orientation 6.
        QTest::newRow("raw with a preview") << "raw.dng" << Kind::image << QSize(64, 48)
                                            << PixelCheck([](const QImage& image) { return isBlue(image.pixelColor(2, 2)); })
                                            << QSize(48, 64);
        QTest::newRow("raw to demosaic") << "raw-nopreview.dng" << Kind::image << QSize(32, 24) << any << QSize(32, 24);
        QTest::newRow("audio: its cover art as icon") << "audio.m4a" << Kind::icon << QSize(64, 64)
                                                      << PixelCheck([](const QImage& image) { return isGold(image.pixelColor(32, 32)); })
                                                      << QSize(64, 64);
        QTest::newRow("sidecar") << "sidecar.xmp" << Kind::icon << QSize() << any << QSize();
        QTest::newRow("corrupt movie") << "corrupt.mp4" << Kind::icon << QSize() << any << QSize();
        QTest::newRow("text named as a picture") << "notmedia.jpg" << Kind::icon << QSize() << any << QSize();
    }

    void everyKindOfFixture()
    {
        QFETCH(QString, name);
        QFETCH(Kind, kind);
        QFETCH(QSize, size);
        QFETCH(PixelCheck, stored);
        QFETCH(QSize, turned);

        // The engine does not open damaged files: these stand for files damaged since they opened.
        const MetadataFilePointer file = name == "corrupt.mp4" || name == "notmedia.jpg"
                                             ? corvelle::test::memoryFile(corvelle::test::fixturePath(name))
                                             : corvelle::test::openedFixtures({name}).first();
        const std::optional<Content> content = FileThumbnailer(file).makeContent();
        QVERIFY(content);
        QCOMPARE(content->kind(), kind);
        QVERIFY(!content->picture().isNull());
        if (!size.isValid())
            return;
        QCOMPARE(content->picture().size(), size);
        QVERIFY(stored(content->picture()));
        const auto& editor = *file->editor();
        const int orientation = editor.prefersQuicktime() ? editor.originalQuicktimeOrientationValue()
                                                          : editor.originalExifOrientationValue();
        QCOMPARE(content->oriented(orientation).picture().size(), turned);
    }

    void filesWithoutTypeGiveNothing()
    {
        QFile unknown(dir_.filePath("notes.qqq"));
        QVERIFY(unknown.open(QIODevice::WriteOnly));
        unknown.write("\x01\x02\x03 nothing anyone reads");
        unknown.close();
        QVERIFY(!FileThumbnailer(corvelle::test::memoryFile(unknown.fileName())).makeContent());
        QVERIFY(!FileThumbnailer(corvelle::test::memoryFile(dir_.filePath("missing.qqq"))).makeContent());
    }

    void foldersGiveAnIcon()
    {
        const std::optional<Content> content = FileThumbnailer(corvelle::test::memoryFile(dir_.path())).makeContent();
        QVERIFY(content);
        QCOMPARE(content->kind(), Kind::icon);
    }

    // A pipe under a movie's name would block whoever opens it: neither the roads nor the
    // fallback open it.
    void aPipeIsNeverOpened()
    {
        const QString path = dir_.filePath("stuck.mov");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const FileThumbnailer thumbnailer(corvelle::test::memoryFile(path));
        const std::optional<Content> content = thumbnailer.makeContent();
        QVERIFY(content);
        QCOMPARE(content->kind(), Kind::icon);
        const std::optional<Content> fallback = thumbnailer.fallbackContent();
        QVERIFY(fallback);
        QCOMPARE(fallback->kind(), Kind::icon);
    }

    void contentHelpers()
    {
        QVERIFY(!Content::image(QImage()));
        QVERIFY(!Content::icon(QImage()));
        QImage picture(4, 2, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.setPixelColor(0, 0, Qt::blue);
        // Orientation 6 turns clockwise: the stored top-left corner goes to the top right.
        const Content turned = Content::image(picture)->oriented(6);
        QCOMPARE(turned.picture().size(), QSize(2, 4));
        QCOMPARE(turned.picture().pixelColor(1, 0), QColor(Qt::blue));
        QCOMPARE(Content::image(picture)->oriented(0).picture(), picture);
        QCOMPARE(Content::icon(picture)->oriented(6).picture(), picture);
        QCOMPARE(Content::icon(picture)->oriented(6).kind(), Kind::icon);
    }

    // Made on the shared queue, handed over on the main thread.
    void madeOnTheSharedQueue()
    {
        QCOMPARE(FileThumbnailer::operationQueue().maximumRunning(), 8);
        const QList<MetadataFilePointer> files = corvelle::test::openedFixtures({"photo.jpg", "movie.mp4", "audio.m4a"});
        QObject context;
        QList<std::optional<Content>> delivered(files.size());
        int count = 0;
        for (int i = 0; i < files.size(); ++i) {
            FileThumbnailer(files.at(i)).makeContentAsync(&context, [&, i](const std::optional<Content>& content) {
                QCOMPARE(QThread::currentThread(), qApp->thread());
                delivered[i] = content;
                ++count;
            });
        }
        QTRY_COMPARE_WITH_TIMEOUT(count, 3, 60000);
        QCOMPARE(delivered.at(0)->kind(), Kind::image);
        QCOMPARE(delivered.at(1)->kind(), Kind::image);
        QCOMPARE(delivered.at(2)->kind(), Kind::icon);
    }
};

QTEST_MAIN(FileThumbnailerTest)

#include "FileThumbnailerTest.moc"
