#include "engine/ostrak/ExifToolPool.h"
#include "platform/photolibrary/PhotoFetchChange.h"
#include "platform/photolibrary/PhotoLibrary.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvelle::test;
using photolibrary::PhotoAlbum;
using photolibrary::PhotoAsset;
using photolibrary::PhotoFetchChange;
using photolibrary::PhotoLibrary;

namespace {

// Writes tags into a copy with ExifTool itself. The fixtures' own zoned creation date, which
// comes first, is removed.
void tag(const QString& path, const QStringList& assignments)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), QStringList{QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                                           QStringLiteral("-QuickTime:CreationDate=")}
                                                    + assignments + QStringList{path});
    QVERIFY(exiftool.waitForFinished(30000));
    QCOMPARE(exiftool.exitCode(), 0);
}

QStringList names(const QList<PhotoAsset>& assets)
{
    QStringList names;
    for (const PhotoAsset& asset : assets)
        names << QFileInfo(asset.path).fileName();
    return names;
}

PhotoAsset asset(const QString& path, int day)
{
    return PhotoAsset{path, QDateTime(QDate(2024, 1, day), QTime(12, 0), Qt::UTC)};
}

} // namespace

// The folder-based photo library: albums, movies newest first with their marks, and changes.
class PhotoLibraryTest : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QString library_;

private Q_SLOTS:
    void initTestCase()
    {
        // Three movies in two albums, each dated by another tag, a picture-only album, a movie at
        // the top, a broken movie and a hidden file.
        library_ = root_.filePath(QStringLiteral("Library"));
        const QString trips = copyFixture(library_, QStringLiteral("movie.mov"), QStringLiteral("Trips/beach.mov"));
        tag(trips, {QStringLiteral("-QuickTime:CreateDate=2023:07:01 10:00:00"), QStringLiteral("-XMP:Rating=5"),
                    QStringLiteral("-QuickTime:GPSCoordinates=")});
        const QString mountain = copyFixture(library_, QStringLiteral("movie.mp4"), QStringLiteral("Trips/mountain.mp4"));
        tag(mountain, {QStringLiteral("-QuickTime:CreateDate=2024:02:01 10:00:00"),
                       QStringLiteral("-GPSCoordinates=48.85, 2.35"), QStringLiteral("-XMP:Rating=3")});
        const QString party = copyFixture(library_, QStringLiteral("movie.mp4"), QStringLiteral("Alpha/party.mp4"));
        tag(party, {QStringLiteral("-XMP:DateTimeOriginal=2022:12:31 23:00:00+01:00")});
        copyFixture(library_, QStringLiteral("photo.jpg"), QStringLiteral("pictures only/photo.jpg"));
        const QString loose = copyFixture(library_, QStringLiteral("movie.mov"), QStringLiteral("loose.mov"));
        tag(loose, {QStringLiteral("-QuickTime:CreateDate=2021:01:01 00:00:00")});
        const QString broken = copyFixture(library_, QStringLiteral("corrupt.mp4"), QStringLiteral("broken.mp4"));
        QFile brokenFile(broken);
        QVERIFY(brokenFile.open(QIODevice::ReadWrite));
        QVERIFY(brokenFile.setFileTime(QDateTime(QDate(2020, 5, 5), QTime(8, 0), Qt::UTC), QFileDevice::FileModificationTime));
        copyFixture(library_, QStringLiteral("movie.mov"), QStringLiteral(".hidden.mov"));
    }

    void albumsComeInTheirOrder()
    {
        PhotoLibrary library(ostrak::ExifToolPool::shared());
        library.setRootPath(library_);
        const QList<PhotoAlbum> albums = library.albums();
        QCOMPARE(albums.size(), 5);
        QCOMPARE(albums[0].kind, PhotoAlbum::Kind::allItems);
        QCOMPARE(albums[1].kind, PhotoAlbum::Kind::favorites);
        QStringList folders;
        for (qsizetype i = 2; i < albums.size(); ++i) {
            QCOMPARE(albums[i].kind, PhotoAlbum::Kind::folder);
            folders << albums[i].title;
        }
        QCOMPARE(folders, (QStringList{"Alpha", "pictures only", "Trips"}));
    }

    void fetchesGiveMoviesNewestFirstWithTheirMarks()
    {
        PhotoLibrary library(ostrak::ExifToolPool::shared());
        library.setRootPath(library_);
        const QList<PhotoAlbum> albums = library.albums();

        const QList<PhotoAsset> all = library.fetchVideos(albums[0]);
        // The broken movie still shows, dated by its modification time; the hidden file does not.
        QCOMPARE(names(all), (QStringList{"mountain.mp4", "beach.mov", "party.mp4", "loose.mov", "broken.mp4"}));
        QCOMPARE(all[0].creationDate, QDateTime(QDate(2024, 2, 1), QTime(10, 0), Qt::UTC));
        QCOMPARE(all[2].creationDate.toUTC(), QDateTime(QDate(2022, 12, 31), QTime(22, 0), Qt::UTC));
        QCOMPARE(all[4].creationDate.toUTC(), QDateTime(QDate(2020, 5, 5), QTime(8, 0), Qt::UTC));
        QVERIFY(all[0].hasLocation && !all[0].isFavorite);
        QVERIFY(all[1].isFavorite && !all[1].hasLocation);
        QCOMPARE(library.fetchVideos(std::nullopt), all);

        QCOMPARE(names(library.fetchVideos(albums[1])), QStringList{"beach.mov"});
        QCOMPARE(names(library.fetchVideos(albums[2])), QStringList{"party.mp4"});
        QVERIFY(library.fetchVideos(albums[3]).isEmpty());
        QCOMPARE(names(library.fetchVideos(albums[4])), (QStringList{"mountain.mp4", "beach.mov"}));
    }

    void aFileChangedOnDiskIsReadAgain()
    {
        QTemporaryDir root;
        const QString movie = copyFixture(root.path(), QStringLiteral("movie.mp4"), QStringLiteral("a.mp4"));
        PhotoLibrary library(ostrak::ExifToolPool::shared());
        library.setRootPath(root.path());
        QVERIFY(!library.fetchVideos(std::nullopt).first().isFavorite);
        tag(movie, {QStringLiteral("-XMP:Rating=5")});
        QFile changed(movie);
        QVERIFY(changed.open(QIODevice::ReadWrite));
        QVERIFY(changed.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        changed.close();
        QVERIFY(library.fetchVideos(std::nullopt).first().isFavorite);
    }

    void changesOnDiskAreAnnounced()
    {
        QTemporaryDir root;
        QDir().mkpath(root.filePath(QStringLiteral("Album")));
        PhotoLibrary library(ostrak::ExifToolPool::shared());
        library.setRootPath(root.path());
        QSignalSpy changed(&library, &PhotoLibrary::libraryDidChange);
        copyFixture(root.path(), QStringLiteral("movie.mp4"), QStringLiteral("Album/new.mp4"));
        QVERIFY(changed.wait(10000));
        QCOMPARE(names(library.fetchVideos(library.albums().last())), QStringList{"new.mp4"});
        // A folder made later is watched too.
        QDir().mkpath(root.filePath(QStringLiteral("Later")));
        QVERIFY(changed.wait(10000));
        changed.clear();
        copyFixture(root.path(), QStringLiteral("movie.mp4"), QStringLiteral("Later/later.mp4"));
        QVERIFY(changed.wait(10000));
    }

    void changesBetweenFetches_data()
    {
        QTest::addColumn<QList<PhotoAsset>>("before");
        QTest::addColumn<QList<PhotoAsset>>("after");
        QTest::addColumn<QList<int>>("removed");
        QTest::addColumn<QList<int>>("inserted");
        QTest::addColumn<QList<int>>("changed");
        QTest::addColumn<bool>("moves");
        const PhotoAsset a = asset("/a", 5), b = asset("/b", 4), c = asset("/c", 3), d = asset("/d", 2), e = asset("/e", 1);
        PhotoAsset bFavourite = b;
        bFavourite.isFavorite = true;
        QTest::newRow("nothing") << QList{a, b} << QList{a, b} << QList<int>{} << QList<int>{} << QList<int>{} << false;
        QTest::newRow("two removed, one inserted")
            << QList{a, b, c, d} << QList{a, e, c} << QList<int>{1, 3} << QList<int>{1} << QList<int>{} << false;
        QTest::newRow("changed in place") << QList{a, b} << QList{a, bFavourite} << QList<int>{} << QList<int>{} << QList<int>{1} << false;
        QTest::newRow("moved") << QList{a, b, c} << QList{c, a, b} << QList<int>{} << QList<int>{} << QList<int>{} << true;
        QTest::newRow("all new") << QList<PhotoAsset>{} << QList{a, b} << QList<int>{} << QList<int>{0, 1} << QList<int>{} << false;
    }

    void changesBetweenFetches()
    {
        QFETCH(QList<PhotoAsset>, before);
        QFETCH(QList<PhotoAsset>, after);
        const PhotoFetchChange change = PhotoFetchChange::between(before, after);
        QTEST(change.removedIndexes, "removed");
        QTEST(change.insertedIndexes, "inserted");
        QTEST(change.changedIndexes, "changed");
        QTEST(change.hasMoves, "moves");
        QCOMPARE(change.fetchResultAfterChanges, after);
    }

    void aLibraryThatCannotBeBrowsedSaysWhy()
    {
        QTemporaryDir root;
        PhotoLibrary library(ostrak::ExifToolPool::shared());
        QCOMPARE(library.availability(), PhotoLibrary::Availability::noFolderChosen);
        library.setRootPath(root.filePath(QStringLiteral("missing")));
        QCOMPARE(library.availability(), PhotoLibrary::Availability::folderMissing);
        QVERIFY(library.albums().isEmpty());
        QVERIFY(library.fetchVideos(std::nullopt).isEmpty());
        const QString file = copyFixture(root.path(), QStringLiteral("movie.mp4"));
        library.setRootPath(file);
        QCOMPARE(library.availability(), PhotoLibrary::Availability::notAFolder);
    }
};

QTEST_GUILESS_MAIN(PhotoLibraryTest)
#include "PhotoLibraryTest.moc"
