#include "engine/halvex/tasks/TaskManager.h"
#include "filebrowser/FileBrowserSettings.h"
#include "filebrowser/QuickLookPlayerView.h"
#include "filebrowser/QuickLookWindow.h"
#include "filebrowser/QuickLookWindowController.h"
#include "filemodel/FileModelTestSupport.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "widgets/TextLocalizer.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMediaPlayer>
#include <QProcess>
#include <QtTest>

using namespace corvelle;
using corvelle::test::memoryFile;

Q_DECLARE_METATYPE(corvelle::FilePreviewer::Content::Kind)

namespace {

constexpr int taskTimeout = 60000;
// Set in the child processes that show one fixture each.
constexpr char childVariable[] = "CORVELLE_QUICKLOOK_CHILD";

using Kind = FilePreviewer::Content::Kind;

// Every kind of file the panel shows: movies (one turned by its track), sounds with cover art in
// MP4 and ID3 tags and without, pictures and a sidecar.
void addFixtureRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("movie.mp4") << "movie.mp4" << Kind::player;
    QTest::newRow("movie.mov") << "movie.mov" << Kind::player;
    QTest::newRow("audio.m4a") << "audio.m4a" << Kind::sound;
    QTest::newRow("audio-noart.m4a") << "audio-noart.m4a" << Kind::sound;
    QTest::newRow("audio.mp3") << "audio.mp3" << Kind::sound;
    QTest::newRow("photo.jpg") << "photo.jpg" << Kind::image;
    QTest::newRow("raw.dng") << "raw.dng" << Kind::image;
    QTest::newRow("sidecar.xmp") << "sidecar.xmp" << Kind::icon;
}

} // namespace

class QuickLookWindowControllerTest : public QObject {
    Q_OBJECT

private:
    MetadataFileList list_;
    std::unique_ptr<QuickLookWindowController> controller_;

    void fill(const QList<MetadataFilePointer>& files)
    {
        list_.postDidChangeFiles(list_.insertWithoutNotifying(files, 0));
    }

    void pressKey(Qt::Key key) { QTest::keyClick(controller_->window(), key); }

private Q_SLOTS:
    // As the program does.
    void initTestCase() { qputenv("QT_MEDIA_BACKEND", "ffmpeg"); }

    void init()
    {
        brisa::UserDefaults::standard().setObject(Settings::quickLookIsPinned().name(), {});
        list_.removeAllFiles();
        controller_ = std::make_unique<QuickLookWindowController>(&list_);
    }

    void cleanup()
    {
        controller_.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
    }

    void nothingSelected()
    {
        fill({memoryFile("/nowhere/a.jpg"), memoryFile("/nowhere/b.jpg")});
        controller_->showWindow();
        QVERIFY(controller_->isShown());
        QCOMPARE(controller_->filenameTextField()->text(), localizedString(QStringLiteral("QuickLookWindowNoFileTitle")));
        QVERIFY(!controller_->previousButton()->isEnabled());
        QVERIFY(!controller_->nextButton()->isEnabled());
        QVERIFY(controller_->noPreviewTextField()->isVisible());
        QVERIFY(!controller_->loadedFile());
    }

    // The panel follows the selection: buttons at the ends, the arrow keys, and no second load
    // of the file already loaded.
    void followsSelection()
    {
        fill({memoryFile("/nowhere/a.jpg"), memoryFile("/nowhere/b.jpg"), memoryFile("/nowhere/c.jpg")});
        list_.setSelection(brisa::IndexSet{0});
        controller_->toggleWindow();
        QCOMPARE(controller_->loadedFile(), list_.files().at(0));
        QCOMPARE(controller_->filenameTextField()->text(), QStringLiteral("a.jpg"));
        QVERIFY(!controller_->previousButton()->isEnabled());
        QVERIFY(controller_->nextButton()->isEnabled());

        controller_->nextButton()->click();
        QCOMPARE(list_.selection(), brisa::IndexSet{1});
        QCOMPARE(controller_->loadedFile(), list_.files().at(1));
        pressKey(Qt::Key_Down);
        QCOMPARE(list_.selection(), brisa::IndexSet{2});
        QVERIFY(!controller_->nextButton()->isEnabled());
        QCOMPARE(controller_->filenameTextField()->text(), QStringLiteral("c.jpg"));
        pressKey(Qt::Key_Left);
        QCOMPARE(list_.selection(), brisa::IndexSet{1});
        QTRY_COMPARE(controller_->processingCount(), 0);

        // The same file again: nothing starts.
        list_.setSelection(brisa::IndexSet{1, 2});
        QCOMPARE(controller_->processingCount(), 0);
        QCOMPARE(controller_->loadedFile(), list_.files().at(1));
    }

    // A, B, then A again before B's preview is made: A's preview ends on screen, never B's.
    void showsTheFileSelectedNow()
    {
        fill({memoryFile(test::fixturePath("photo.jpg")), memoryFile(test::fixturePath("sidecar.xmp"))});
        list_.setSelection(brisa::IndexSet{0});
        controller_->showWindow();
        list_.setSelection(brisa::IndexSet{1});
        list_.setSelection(brisa::IndexSet{0});
        QTRY_COMPARE_WITH_TIMEOUT(controller_->processingCount(), 0, taskTimeout);
        QCOMPARE(controller_->loadedFile(), list_.files().at(0));
        QVERIFY(controller_->orientedContent());
        QCOMPARE(controller_->orientedContent()->kind(), Kind::image);
        QCOMPARE(controller_->filenameTextField()->text(), QStringLiteral("photo.jpg"));
        // Nothing late replaces it.
        QTest::qWait(300);
        QCOMPARE(controller_->orientedContent()->kind(), Kind::image);
    }

    // The panel leaves with the application, pinned or not.
    void hidesWhenTheApplicationGoesInactive()
    {
        fill({memoryFile("/nowhere/a.jpg")});
        controller_->showWindow();
        QVERIFY(controller_->isShown());
        Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!controller_->isShown());
    }

    // Escape and space close; a closed panel forgets its file and loads afresh when shown.
    void keysCloseAndReopenLoadsAfresh()
    {
        fill({memoryFile("/nowhere/a.jpg")});
        list_.setSelection(brisa::IndexSet{0});
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Space}) {
            controller_->showWindow();
            QCOMPARE(controller_->loadedFile(), list_.files().at(0));
            pressKey(key);
            QVERIFY(!controller_->isShown());
            QVERIFY(!controller_->loadedFile());
        }
        // Hidden, it does not follow the list.
        list_.setSelection(brisa::IndexSet{});
        list_.setSelection(brisa::IndexSet{0});
        QVERIFY(!controller_->loadedFile());
    }

    void pinning()
    {
        controller_->showWindow();
        QVERIFY(controller_->unpinButton()->isVisible());
        QVERIFY(!controller_->pinButton()->isVisible());
        QCOMPARE(controller_->validateAction("pinWindow:"), MenuValidation::disabled);
        controller_->unpinButton()->click();
        QVERIFY(!brisa::UserDefaults::standard().value(Settings::quickLookIsPinned()));
        QVERIFY(controller_->pinButton()->isVisible());
        QVERIFY(!controller_->unpinButton()->isVisible());
        QCOMPARE(controller_->validateAction("pinWindow:"), MenuValidation::enabled);
        QCOMPARE(controller_->validateAction("copy:"), MenuValidation::notMine);
    }

    // Unpinned, another window taking the focus closes the panel; pinned, it stays.
    void closesOnResignKeyUnlessPinned_data()
    {
        QTest::addColumn<bool>("pinned");
        QTest::newRow("pinned") << true;
        QTest::newRow("unpinned") << false;
    }

    void closesOnResignKeyUnlessPinned()
    {
        QFETCH(bool, pinned);
        brisa::UserDefaults::standard().set(Settings::quickLookIsPinned(), pinned);
        QWidget other;
        other.show();
        controller_->showWindow();
        QVERIFY(QTest::qWaitForWindowActive(controller_->window()));
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(controller_->isShown(), pinned);
    }

    // The picture is turned by the file's EXIF orientation, and turned again once an
    // orientation edit is applied, without a new load.
    void turnsPictureByOrientation()
    {
        const QList<MetadataFilePointer> files = test::openedFixtures({QStringLiteral("photo.jpg")});
        fill(files);
        list_.setSelection(brisa::IndexSet{0});
        controller_->showWindow();
        QTRY_VERIFY_WITH_TIMEOUT(controller_->orientedContent().has_value(), taskTimeout);
        QCOMPARE(controller_->orientedContent()->kind(), FilePreviewer::Content::Kind::image);
        // Orientation 6 of a 160x120 picture: upright it is taller than wide.
        const QSize upright = controller_->orientedContent()->picture().size();
        QVERIFY2(upright.height() > upright.width(), qPrintable(QStringLiteral("%1x%2").arg(upright.width()).arg(upright.height())));
        QVERIFY(!controller_->imageView()->pixmap().isNull());

        controller_->exifRotateRight();
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTRY_COMPARE(controller_->orientedContent()->picture().size(), upright.transposed());
        QCOMPARE(controller_->processingCount(), 0);
        QCOMPARE(controller_->loadedFile(), files.first());
    }

    void revealsLoadedFile()
    {
        fill({memoryFile("/nowhere/a.jpg")});
        QList<QUrl> revealed;
        controller_->setFileViewer([&revealed](const QList<QUrl>& urls) { revealed = urls; });
        controller_->revealFileInFinder();
        QVERIFY(revealed.isEmpty());
        list_.setSelection(brisa::IndexSet{0});
        controller_->showWindow();
        controller_->revealFileInFinder();
        QCOMPARE(revealed, QList<QUrl>{QUrl::fromLocalFile("/nowhere/a.jpg")});
    }

    // A movie plays in the player view, and starts over when it reaches its end.
    void moviePlaysAndLoops()
    {
        const QList<MetadataFilePointer> files = test::openedFixtures({QStringLiteral("movie.mp4")});
        fill(files);
        list_.setSelection(brisa::IndexSet{0});
        controller_->showWindow();
        QTRY_VERIFY_WITH_TIMEOUT(controller_->orientedContent().has_value(), taskTimeout);
        if (controller_->orientedContent()->kind() != FilePreviewer::Content::Kind::player)
            QSKIP("no media player on this platform");
        const FilePreviewer::Player player = controller_->playerView()->player();
        QVERIFY(player);
        QCOMPARE(controller_->activePlayer(), player);
        QVERIFY(controller_->playerView()->isVisible());
        QVERIFY(!controller_->noPreviewTextField()->isVisible());
        // The one-second movie ends on its own: it is playing again afterwards. The count of
        // restarts is kept by the panel, so an end reached before this line is not missed.
        QTRY_VERIFY_WITH_TIMEOUT(controller_->loopCount() >= 1, taskTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(player->playbackState(), QMediaPlayer::PlayingState, taskTimeout);
        controller_->hideWindow();
        QVERIFY(!controller_->playerView()->player());
        QVERIFY(!controller_->activePlayer());
        QCOMPARE(player->playbackState() == QMediaPlayer::PlayingState, false);
    }

    // A sound after a movie: the movie's last frame goes, the sound's picture shows (its cover,
    // or the type's icon), and the movie's player stops.
    void soundAfterMovieShowsItsOwnPicture()
    {
        const QList<MetadataFilePointer> files =
            test::openedFixtures({QStringLiteral("movie.mp4"), QStringLiteral("audio-noart.m4a")});
        fill(files);
        list_.setSelection(brisa::IndexSet{0});
        controller_->showWindow();
        QTRY_VERIFY_WITH_TIMEOUT(controller_->orientedContent().has_value(), taskTimeout);
        if (controller_->orientedContent()->kind() != Kind::player)
            QSKIP("no media player on this platform");
        const FilePreviewer::Player movie = controller_->activePlayer();
        QTRY_VERIFY_WITH_TIMEOUT(!controller_->playerView()->frame().isNull(), taskTimeout);

        list_.setSelection(brisa::IndexSet{1});
        QTRY_VERIFY_WITH_TIMEOUT(controller_->orientedContent() && controller_->orientedContent()->kind() == Kind::sound,
                                 taskTimeout);
        QVERIFY(controller_->playerView()->frame().isNull());
        QVERIFY(!controller_->playerView()->player());
        QVERIFY(!controller_->playerView()->isVisible());
        QVERIFY(controller_->imageView()->isVisible());
        QVERIFY(!controller_->imageView()->pixmap().isNull());
        QVERIFY(controller_->activePlayer() && controller_->activePlayer() != movie);
        QVERIFY(movie->playbackState() != QMediaPlayer::PlayingState);
    }

    // The panel opens over the window it was asked from, not in a corner of the screen.
    void opensOverItsAnchorWindow()
    {
        QWidget editor;
        editor.setGeometry(400, 300, 900, 600);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        controller_->setAnchorWindow(&editor);
        controller_->showWindow();
        QVERIFY(editor.frameGeometry().contains(controller_->window()->frameGeometry().center()));
        // Where the user leaves it, it stays.
        controller_->window()->move(10, 10);
        controller_->hideWindow();
        controller_->showWindow();
        QCOMPARE(controller_->window()->pos(), QPoint(10, 10));
    }

    // Each kind of file is shown, and played where it plays, in a process of its own: a media
    // backend that falls over takes the child down, not this test program.
    void everyFixtureKindShowsWithoutCrashing_data() { addFixtureRows(); }

    void everyFixtureKindShowsWithoutCrashing()
    {
        QFETCH(QString, name);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(childVariable), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("showsFixture:") + name});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForFinished(3 * taskTimeout));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit, output.constData());
        QVERIFY2(child.exitCode() == 0, output.constData());
        const QByteArray passed = QByteArrayLiteral("PASS   : QuickLookWindowControllerTest::showsFixture(") + name.toUtf8() + ')';
        QVERIFY2(output.contains(passed), output.constData());
    }

    // Run by the test above, in the child.
    void showsFixture_data() { addFixtureRows(); }

    void showsFixture()
    {
        if (!qEnvironmentVariableIsSet(childVariable))
            QSKIP("run in a child process by everyFixtureKindShowsWithoutCrashing");
        QFETCH(QString, name);
        QFETCH(Kind, kind);
        fill(test::openedFixtures({name}));
        list_.setSelection(brisa::IndexSet{0});
        controller_->showWindow();
        QTRY_VERIFY_WITH_TIMEOUT(controller_->orientedContent().has_value(), taskTimeout);
        const bool playable = kind == Kind::player || kind == Kind::sound;
        if (playable && !controller_->orientedContent()->player())
            QSKIP("no media player on this platform");
        QCOMPARE(controller_->orientedContent()->kind(), kind);
        QCOMPARE(controller_->playerView()->isVisible(), kind == Kind::player);
        QCOMPARE(controller_->imageView()->isVisible(), kind != Kind::player);
        if (kind != Kind::player)
            QVERIFY(!controller_->imageView()->pixmap().isNull());
        if (!playable)
            return;
        const FilePreviewer::Player player = controller_->activePlayer();
        QVERIFY(player);
        QTRY_COMPARE_WITH_TIMEOUT(player->playbackState(), QMediaPlayer::PlayingState, taskTimeout);
        if (kind == Kind::sound) {
            // No video output: the backend never decodes the cover art as a video stream. Without
            // a sound device a sound does not advance, so its end is not waited for.
            QVERIFY(!player->videoOutput());
            QVERIFY(!player->videoSink());
            QTRY_VERIFY_WITH_TIMEOUT(player->mediaStatus() == QMediaPlayer::BufferedMedia
                                         || player->mediaStatus() == QMediaPlayer::EndOfMedia,
                                     taskTimeout);
        } else {
            // Played to its end and started over: every frame of it went through the backend.
            QTRY_VERIFY_WITH_TIMEOUT(controller_->loopCount() >= 1, taskTimeout);
            QVERIFY(player->videoSink());
        }
        if (kind == Kind::player) {
            QTRY_VERIFY_WITH_TIMEOUT(!controller_->playerView()->frame().isNull(), taskTimeout);
            // movie.mov's track is turned 90 degrees: its 160x90 frames show upright, taller than wide.
            const QSize shown = controller_->playerView()->frame().size();
            QCOMPARE(shown.height() > shown.width(), name == QLatin1String("movie.mov"));
        }
    }
};

QTEST_MAIN(QuickLookWindowControllerTest)
#include "QuickLookWindowControllerTest.moc"
