#include "engine/ostrak/ExifToolPool.h"
#include "filebrowser/GridSliderView.h"
#include "photos/OpenPhotosWindowController.h"
#include "photos/PhotoAlbumListModel.h"
#include "photos/PhotoAssetListModel.h"
#include "photos/PhotoCollectionView.h"
#include "photos/PhotoCollectionViewItem.h"
#include "photos/PhotoImageManager.h"
#include "photos/PhotosSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/DynamicTouchBarItem.h"
#include "platform/photolibrary/PhotoLibrary.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle;
using namespace corvelle::test;
using photolibrary::PhotoLibrary;

namespace {

void setCreateDate(const QString& path, const QString& date)
{
    QProcess exiftool;
    // The fixtures' own zoned creation date would come first: it goes.
    exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                                QStringLiteral("-QuickTime:CreationDate="),
                                                QStringLiteral("-QuickTime:CreateDate=") + date, path});
    QVERIFY(exiftool.waitForFinished(30000));
    QCOMPARE(exiftool.exitCode(), 0);
}

QStringList shownNames(const PhotoAssetListModel* model)
{
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row).data().toString();
    return names;
}

} // namespace

// The sheet that opens movies of the photo library, on a library folder of fixture movies.
class OpenPhotosWindowControllerTest : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QString library_;
    std::unique_ptr<PhotoLibrary> photoLibrary_;
    std::unique_ptr<PhotoImageManager> images_;

    std::unique_ptr<OpenPhotosWindowController> openSheet()
    {
        auto sheet = std::make_unique<OpenPhotosWindowController>(*photoLibrary_, *images_);
        sheet->show();
        return sheet;
    }

    // Waits until the sheet shows the album's movies.
    static void waitForFetch(OpenPhotosWindowController& sheet)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!sheet.isFetching(), 30000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        library_ = root_.filePath(QStringLiteral("Library"));
        const QStringList movies{"Holidays/first.mov", "Holidays/second.mp4", "Holidays/third.mov", "Holidays/fourth.mp4",
                                 "Holidays/fifth.mov", "Holidays/sixth.mp4"};
        for (int i = 0; i < movies.size(); ++i) {
            const QString path = copyFixture(library_, movies[i].endsWith("mov") ? QStringLiteral("movie.mov") : QStringLiteral("movie.mp4"), movies[i]);
            // first is the newest.
            setCreateDate(path, QStringLiteral("2024:01:%1 12:00:00").arg(20 - i, 2, 10, QLatin1Char('0')));
        }
        copyFixture(library_, QStringLiteral("photo.jpg"), QStringLiteral("Stills/photo.jpg"));
        photoLibrary_ = std::make_unique<PhotoLibrary>(ostrak::ExifToolPool::shared());
        photoLibrary_->setRootPath(library_);
        images_ = std::make_unique<PhotoImageManager>();
    }

    void albumsAndMoviesShowNewestFirst()
    {
        auto sheet = openSheet();
        const PhotoAlbumListModel* albums = sheet->albumModel();
        QCOMPARE(albums->rowCount(), 4);
        QCOMPARE(albums->index(0).data().toString(), QString("All Items"));
        QCOMPARE(albums->index(1).data().toString(), QString("Favourites"));
        QCOMPARE(albums->index(2).data().toString(), QString("Holidays"));
        QCOMPARE(albums->index(3).data().toString(), QString("Stills"));
        QCOMPARE(sheet->albumsTableView()->currentIndex().row(), 0);
        waitForFetch(*sheet);
        QCOMPARE(shownNames(sheet->assetModel()),
                 (QStringList{"first.mov", "second.mp4", "third.mov", "fourth.mp4", "fifth.mov", "sixth.mp4"}));
        QVERIFY(!sheet->emptyLibraryLabel()->isVisible());
        QVERIFY(!sheet->chooseButton()->isEnabled());
        // Five whole columns at the default zoom, also while there is nothing to scroll.
        const auto top = [&](int row) { return sheet->collectionView()->visualRect(sheet->assetModel()->index(row)).top(); };
        QVERIFY(!sheet->collectionView()->verticalScrollBar()->isVisible());
        QCOMPARE(top(4), top(0));
        QVERIFY(top(5) > top(0));

        // An album of pictures only: no movie, and the label says so.
        sheet->albumsTableView()->selectRow(3);
        waitForFetch(*sheet);
        QCOMPARE(sheet->assetModel()->rowCount(), 0);
        QVERIFY(sheet->emptyLibraryLabel()->isVisible());
        QVERIFY(sheet->albumsPlaceholderView()->isHidden());
    }

    void chosenMoviesBecomeSources()
    {
        auto sheet = openSheet();
        waitForFetch(*sheet);
        PhotoCollectionView* grid = sheet->collectionView();
        QItemSelectionModel* selection = grid->selectionModel();
        selection->select(sheet->assetModel()->index(2), QItemSelectionModel::Select);
        selection->select(sheet->assetModel()->index(0), QItemSelectionModel::Select);
        QVERIFY(sheet->chooseButton()->isEnabled());
        brisa::DynamicTouchBar& touchBar = sheet->dynamicTouchBar();
        QVERIFY(touchBar.touchBar().at(2)->isEnabled());
        QSignalSpy finished(sheet.get(), &QDialog::finished);
        sheet->chooseButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
        QCOMPARE(finished.first().first().toInt(), 1);
        QCOMPARE(sheet->waitingImportCount(), 0);
        QCOMPARE(sheet->sources().size(), 2);
        QCOMPARE(sheet->sources()[0].url().toLocalFile(), QDir(library_).filePath("Holidays/first.mov"));
        QCOMPARE(sheet->sources()[1].url().toLocalFile(), QDir(library_).filePath("Holidays/third.mov"));
        QCOMPARE(sheet->sources()[0].photosItem(), std::optional<QString>(sheet->sources()[0].url().toLocalFile()));
        QVERIFY(!sheet->sources()[0].password());
    }

    void aMovieGoneSinceTheFetchGivesNoSource()
    {
        QTemporaryDir root;
        copyFixture(root.path(), QStringLiteral("movie.mp4"), QStringLiteral("a.mp4"));
        const QString gone = copyFixture(root.path(), QStringLiteral("movie.mov"), QStringLiteral("b.mov"));
        PhotoLibrary library(ostrak::ExifToolPool::shared());
        library.setRootPath(root.path());
        OpenPhotosWindowController sheet(library, *images_);
        waitForFetch(sheet);
        QCOMPARE(sheet.assetModel()->rowCount(), 2);
        sheet.collectionView()->selectAll();
        const QSignalBlocker quiet(&library); // the removal is not shown before the choice
        QVERIFY(QFile::remove(gone));
        QSignalSpy finished(&sheet, &QDialog::finished);
        sheet.choose();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
        QCOMPARE(sheet.sources().size(), 1);
        QCOMPARE(QFileInfo(sheet.sources().first().url().toLocalFile()).fileName(), QString("a.mp4"));
    }

    void cancelAndEscapeChooseNothing()
    {
        for (const bool escape : {false, true}) {
            auto sheet = openSheet();
            waitForFetch(*sheet);
            sheet->collectionView()->selectAll();
            QSignalSpy finished(sheet.get(), &QDialog::finished);
            if (escape)
                QTest::keyClick(sheet.get(), Qt::Key_Escape);
            else
                sheet->cancelButton()->click();
            QCOMPARE(finished.size(), 1);
            QCOMPARE(finished.first().first().toInt(), 0);
            QVERIFY(sheet->sources().isEmpty());
        }
    }

    void itemSizesFollowTheZoom_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("settled");
        QTest::addColumn<double>("side");
        QTest::newRow("default zoom, 5 whole columns") << 0.8 << 600.0 << true << (600.0 - 2 * 4) / 5 - 0.1;
        QTest::newRow("default zoom while sliding") << 0.8 << 600.0 << false << (600.0 - 2 * 4.2) / 5.2 - 0.1;
        QTest::newRow("largest: 4 columns") << 1.0 << 600.0 << true << (600.0 - 2 * 3) / 4 - 0.1;
        QTest::newRow("above the largest") << 1.5 << 600.0 << true << (600.0 - 2 * 3) / 4 - 0.1;
        QTest::newRow("smallest: 10 columns") << 0.0 << 600.0 << true << (600.0 - 2 * 9) / 10 - 0.1;
        QTest::newRow("below the smallest") << -1.0 << 600.0 << true << (600.0 - 2 * 9) / 10 - 0.1;
        QTest::newRow("no width") << 0.8 << 0.0 << true << 0.0;
    }

    void itemSizesFollowTheZoom()
    {
        QFETCH(double, zoom);
        QFETCH(double, width);
        QFETCH(bool, settled);
        QFETCH(double, side);
        const auto sizing = settled ? OpenPhotosWindowController::GridSizing::settled : OpenPhotosWindowController::GridSizing::continuous;
        QVERIFY(qAbs(OpenPhotosWindowController::itemSide(zoom, width, sizing) - side) < 1e-9);
    }

    void zoomButtonsStepAndStoreTheZoom()
    {
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        defaults.set(Settings::photoCollectionZoom(), 0.9);
        auto sheet = openSheet();
        QCOMPARE(sheet->collectionZoomFactor(), 0.9);
        const QSize before = sheet->collectionViewItem()->itemSize();
        sheet->zoomInButton()->click();
        QCOMPARE(sheet->collectionZoomFactor(), 1.0);
        QCOMPARE(defaults.value(Settings::photoCollectionZoom()), 1.0);
        QVERIFY(sheet->collectionViewItem()->itemSize().width() >= before.width());
        defaults.set(Settings::photoCollectionZoom(), 0.5);
        sheet->zoomInButton()->click(); // already the largest: nothing happens, nothing is stored
        QCOMPARE(defaults.value(Settings::photoCollectionZoom()), 0.5);
        for (int step = 0; step < 6; ++step)
            sheet->zoomOutButton()->click();
        QCOMPARE(sheet->collectionZoomFactor(), 0.0);
        QCOMPARE(sheet->zoomSlider()->value(), 0.0);
        defaults.set(Settings::photoCollectionZoom(), 0.8);
    }

    void shiftClickExtendsBothWays()
    {
        auto sheet = openSheet();
        sheet->resize(900, 600);
        waitForFetch(*sheet);
        PhotoCollectionView* grid = sheet->collectionView();
        const auto centre = [&](int row) { return grid->visualRect(sheet->assetModel()->index(row)).center(); };
        const auto selectedRows = [&] {
            QList<int> rows;
            for (const QModelIndex& index : grid->selectionModel()->selectedIndexes())
                rows << index.row();
            std::sort(rows.begin(), rows.end());
            return rows;
        };
        // The pictures must be there for clicks to hit them.
        for (int row = 0; row < 6; ++row)
            QTRY_VERIFY_WITH_TIMEOUT(!sheet->collectionViewItem()->image(sheet->assetModel()->index(row)).isNull(), 20000);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centre(3));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, centre(1));
        QCOMPARE(selectedRows(), (QList<int>{1, 2, 3}));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centre(2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, centre(4));
        QCOMPARE(selectedRows(), (QList<int>{2, 3, 4}));
        QVERIFY(sheet->chooseButton()->isEnabled());
    }

    void moviesAddedAndRemovedShowInPlace()
    {
        auto sheet = openSheet();
        sheet->albumsTableView()->selectRow(2);
        waitForFetch(*sheet);
        PhotoAssetListModel* model = sheet->assetModel();
        QCOMPARE(model->rowCount(), 6);
        sheet->collectionView()->selectionModel()->select(model->index(5), QItemSelectionModel::Select);
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        const QString added = copyFixture(library_, QStringLiteral("movie.mp4"), QStringLiteral("Holidays/added.mp4"));
        setCreateDate(added, QStringLiteral("2024:01:18 13:00:00"));
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 7, 20000);
        QCOMPARE(shownNames(model).indexOf("added.mp4"), 2);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(resets.size(), 0);
        // The selection follows its movie.
        QCOMPARE(sheet->collectionView()->selectionModel()->selectedIndexes().first().row(), 6);
        QCOMPARE(sheet->albumsTableView()->currentIndex().row(), 2);

        QVERIFY(QFile::remove(added));
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 6, 20000);
        QCOMPARE(resets.size(), 0);
        QVERIFY(!shownNames(model).contains("added.mp4"));
    }

    void anAlbumThatGoesAwayTakesTheListBackToTheFirst()
    {
        QTemporaryDir root;
        copyFixture(root.path(), QStringLiteral("movie.mp4"), QStringLiteral("Soon gone/a.mp4"));
        PhotoLibrary library(ostrak::ExifToolPool::shared());
        library.setRootPath(root.path());
        OpenPhotosWindowController sheet(library, *images_);
        sheet.albumsTableView()->selectRow(2);
        waitForFetch(sheet);
        QCOMPARE(sheet.assetModel()->rowCount(), 1);
        QVERIFY(QDir(root.filePath(QStringLiteral("Soon gone"))).removeRecursively());
        QTRY_COMPARE_WITH_TIMEOUT(sheet.albumModel()->rowCount(), 2, 20000);
        QCOMPARE(sheet.albumsTableView()->currentIndex().row(), 0);
        waitForFetch(sheet);
        QCOMPARE(sheet.assetModel()->rowCount(), 0);
    }

    void aMissingLibraryIsNamedInThePlaceholder()
    {
        QTemporaryDir root;
        PhotoLibrary library(ostrak::ExifToolPool::shared());
        library.setRootPath(root.filePath(QStringLiteral("nowhere")));
        OpenPhotosWindowController sheet(library, *images_);
        sheet.show();
        QVERIFY(sheet.albumsPlaceholderView()->isVisible());
        QVERIFY2(sheet.albumsPlaceholderView()->text().contains(root.filePath(QStringLiteral("nowhere"))),
                 qPrintable(sheet.albumsPlaceholderView()->text()));
        QVERIFY(sheet.albumsTableView()->isHidden());
        waitForFetch(sheet);
        QVERIFY(sheet.emptyLibraryLabel()->isVisible());
    }
};

QTEST_MAIN(OpenPhotosWindowControllerTest)
#include "OpenPhotosWindowControllerTest.moc"
