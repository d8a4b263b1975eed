#include "filemodel/FileModelTestSupport.h"
#include "filemodel/FilePreviewer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QtConcurrent>
#include <QtTest>

using namespace corvelle;
using Content = FilePreviewer::Content;
using Kind = Content::Kind;

Q_DECLARE_METATYPE(Kind)

namespace {

// As the Quick Look window runs it: off the main thread, which keeps handling events.
std::optional<Content> previewOffTheMainThread(const MetadataFilePointer& file)
{
    QFuture<std::optional<Content>> future = QtConcurrent::run([file] { return FilePreviewer(file).makeContent(); });
    while (!future.isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return future.result();
}

} // namespace

class FilePreviewerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qputenv("QT_MEDIA_BACKEND", "ffmpeg"); }

    void everyKindOfFixture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QSize>("size");

        QTest::newRow("movie") << "movie.mp4" << true << Kind::player << QSize();
        QTest::newRow("movie turned by its track") << "movie.mov" << true << Kind::player << QSize();
        // Sounds play without a video output, behind their cover art or the type's icon.
        QTest::newRow("audio") << "audio.m4a" << true << Kind::sound << QSize(64, 64);
        QTest::newRow("audio without cover art") << "audio-noart.m4a" << true << Kind::sound << QSize();
        QTest::newRow("mp3 with cover art") << "audio.mp3" << true << Kind::sound << QSize(64, 64);
        // Pictures at full size, as stored.
        QTest::newRow("photo, orientation 6") << "photo.jpg" << true << Kind::image << QSize(160, 120);
        QTest::newRow("raw with a preview") << "raw.dng" << true << Kind::image << QSize(64, 48);
        QTest::newRow("raw to demosaic") << "raw-nopreview.dng" << true << Kind::image << QSize(32, 24);
        QTest::newRow("sidecar") << "sidecar.xmp" << true << Kind::icon << QSize();
        // The engine does not open damaged files: these stand for files damaged since they opened.
        // A player all the same: what it can play shows once it plays.
        QTest::newRow("corrupt movie") << "corrupt.mp4" << false << Kind::player << QSize();
        QTest::newRow("text named as a picture") << "notmedia.jpg" << false << Kind::icon << QSize();
    }

    void everyKindOfFixture()
    {
        QFETCH(QString, name);
        QFETCH(bool, opened);
        QFETCH(Kind, kind);
        QFETCH(QSize, size);

        const MetadataFilePointer file = opened ? corvelle::test::openedFixtures({name}).first()
                                                : corvelle::test::memoryFile(corvelle::test::fixturePath(name));
        const std::optional<Content> content = previewOffTheMainThread(file);
        QVERIFY(content);
        QCOMPARE(content->kind(), kind);
        if (kind == Kind::player || kind == Kind::sound) {
            QCOMPARE(content->picture().isNull(), kind == Kind::player);
            if (size.isValid())
                QCOMPARE(content->picture().size(), size);
            const FilePreviewer::Player& player = content->player();
            QVERIFY(player);
            QCOMPARE(player->thread(), qApp->thread());
            QCOMPARE(player->source(), file->url());
            QCOMPARE(player->playbackState(), QMediaPlayer::StoppedState);
            // Sound only where there is a device to play it on.
            QCOMPARE(player->audioOutput() != nullptr, !QMediaDevices::defaultAudioOutput().isNull());
            QTRY_COMPARE(player->mediaStatus(), QMediaPlayer::LoadedMedia);
            return;
        }
        QVERIFY(!content->player());
        QVERIFY(!content->picture().isNull());
        if (size.isValid())
            QCOMPARE(content->picture().size(), size);
    }

    // A player that the last content lets go is deleted on the main thread.
    void playersAreDeletedOnTheMainThread()
    {
        QPointer<QMediaPlayer> watched;
        {
            const std::optional<Content> content = previewOffTheMainThread(corvelle::test::openedFixtures({"audio.m4a"}).first());
            QVERIFY(content && content->player());
            watched = content->player().get();
        }
        QVERIFY(watched);
        QTRY_VERIFY(!watched);
    }

    void filesWithoutTypeGiveNothing()
    {
        QTemporaryDir dir;
        QFile unknown(dir.filePath("notes.qqq"));
        QVERIFY(unknown.open(QIODevice::WriteOnly));
        unknown.write("\x01\x02\x03 nothing anyone reads");
        unknown.close();
        QVERIFY(!previewOffTheMainThread(corvelle::test::memoryFile(unknown.fileName())));
    }

    // Previews go on a queue of the caller's, with its time limit; the answer arrives on the
    // main thread.
    void madeOnTheCallersQueue()
    {
        ThumbnailQueue queue(1, std::chrono::seconds(30));
        QObject context;
        std::optional<Content> delivered;
        bool done = false;
        FilePreviewer(corvelle::test::openedFixtures({"photo.jpg"}).first())
            .makeContentAsync(queue, &context, [&](const std::optional<Content>& content) {
                QCOMPARE(QThread::currentThread(), qApp->thread());
                delivered = content;
                done = true;
            });
        QTRY_VERIFY_WITH_TIMEOUT(done, 60000);
        QVERIFY(delivered);
        QCOMPARE(delivered->kind(), Kind::image);
    }

    void contentHelpers()
    {
        QVERIFY(!Content::image(QImage()));
        QVERIFY(!Content::icon(QImage()));
        QVERIFY(!Content::player(nullptr));
        QVERIFY(!Content::sound(nullptr, QImage()));
        QImage picture(4, 2, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QCOMPARE(Content::image(picture)->oriented(8).picture().size(), QSize(2, 4));
        QCOMPARE(Content::icon(picture)->oriented(8).picture().size(), QSize(4, 2));
        QVERIFY(!Content::icon(picture)->player());
        const FilePreviewer::Player player = FilePreviewer::makePlayer(QUrl::fromLocalFile(corvelle::test::fixturePath("movie.mp4")));
        const Content playing = *Content::player(player);
        QVERIFY(playing.picture().isNull());
        QCOMPARE(playing.oriented(6).player(), player);
        const Content sound = *Content::sound(player, picture);
        QCOMPARE(sound.oriented(8).picture().size(), QSize(4, 2));
        QCOMPARE(sound.oriented(8).player(), player);
    }
};

QTEST_MAIN(FilePreviewerTest)

#include "FilePreviewerTest.moc"
