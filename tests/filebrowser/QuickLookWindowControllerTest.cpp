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
#include <QtTest>

using namespace corvelle;
using corvelle::test::memoryFile;

namespace {

constexpr int taskTimeout = 60000;

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
        QVERIFY(controller_->playerView()->isVisible());
        QVERIFY(!controller_->noPreviewTextField()->isVisible());
        // The one-second movie ends on its own: it is playing again afterwards.
        QSignalSpy statuses(player.get(), &QMediaPlayer::mediaStatusChanged);
        QTRY_VERIFY_WITH_TIMEOUT(statuses.contains(QVariantList{QVariant::fromValue(QMediaPlayer::EndOfMedia)}), taskTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(player->playbackState(), QMediaPlayer::PlayingState, taskTimeout);
        controller_->hideWindow();
        QVERIFY(!controller_->playerView()->player());
        QCOMPARE(player->playbackState() == QMediaPlayer::PlayingState, false);
    }
};

QTEST_MAIN(QuickLookWindowControllerTest)
#include "QuickLookWindowControllerTest.moc"
