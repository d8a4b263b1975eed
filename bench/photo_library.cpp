// How long the photo library's sheet takes, on a library of 5,000 files, from its opening to its
// albums and a first screen of thumbnails: cold (no tag read yet, no picture made) against one
// ExifTool run with -fast2 over the same movies, and warm (opened again in the same run) against
// one second.
#include "BenchSupport.h"

#include "engine/ostrak/ExifToolPool.h"
#include "photos/OpenPhotosWindowController.h"
#include "photos/PhotoAssetListModel.h"
#include "photos/PhotoCollectionView.h"
#include "photos/PhotoCollectionViewItem.h"
#include "photos/PhotoImageManager.h"
#include "platform/photolibrary/PhotoLibrary.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The sheet is ready when its albums are listed, its movies fetched, and every item in sight
// shows a picture.
bool firstScreenShown(corvelle::OpenPhotosWindowController& sheet)
{
    if (sheet.isFetching() || sheet.albumModel() == nullptr)
        return false;
    corvelle::PhotoCollectionView* grid = sheet.collectionView();
    const QRect visible = grid->viewport()->rect();
    const int rows = sheet.assetModel()->rowCount();
    if (rows == 0)
        return false;
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = sheet.assetModel()->index(row);
        const QRect frame = grid->visualRect(index);
        if (frame.top() > visible.bottom())
            break;
        if (!visible.intersects(frame))
            continue;
        if (sheet.collectionViewItem()->image(index).isNull())
            return false;
    }
    return true;
}

double openSheet(photolibrary::PhotoLibrary& library, corvelle::PhotoImageManager& images)
{
    QElapsedTimer timer;
    timer.start();
    corvelle::OpenPhotosWindowController sheet(library, images);
    sheet.resize(900, 600);
    sheet.show();
    double fetched = -1;
    while (!firstScreenShown(sheet)) {
        if (fetched < 0 && !sheet.isFetching())
            fetched = timer.nsecsElapsed() / 1e9;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (timer.elapsed() > 600000)
            return -1;
    }
    std::printf("  movies listed after %.2f s\n", fetched);
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QList<int> counts = bench::countArguments();
    const int count = counts.isEmpty() ? 5000 : counts.first();
    QTemporaryDir root;
    QDir library(root.filePath(QStringLiteral("Library")));
    // Half the files at the top, the rest in ten albums.
    library.mkpath(QStringLiteral("."));
    QStringList files = bench::makeCopies(library, count / 2);
    for (int album = 0; album < 10; ++album) {
        library.mkpath(QStringLiteral("Album %1").arg(album));
        files += bench::makeCopies(QDir(library.filePath(QStringLiteral("Album %1").arg(album))), (count - count / 2) / 10);
    }
    QStringList movies;
    for (const QString& file : std::as_const(files)) {
        if (photolibrary::PhotoLibrary::isVideo(file))
            movies << file;
    }
    if (files.size() < count / 2) {
        std::printf("BENCH photo-library: could not make the library (goal: cold <= exiftool -fast2, warm <= 1 s) missed\n");
        return 1;
    }

    ostrak::ExifToolPool& pool = ostrak::ExifToolPool::shared();
    bench::prestartAndWait(pool);
    const double exiftool = bench::runExifTool(
        {QStringLiteral("-json"), QStringLiteral("-n"), QStringLiteral("-G"), QStringLiteral("-fast2"),
         QStringLiteral("-CreationDate"), QStringLiteral("-DateTimeOriginal"), QStringLiteral("-CreateDate"),
         QStringLiteral("-Rating"), QStringLiteral("-GPSLatitude"), QStringLiteral("-GPSCoordinates")},
        movies, true);

    photolibrary::PhotoLibrary photoLibrary(pool);
    photoLibrary.setRootPath(library.path());
    corvelle::PhotoImageManager images;
    const double cold = openSheet(photoLibrary, images);
    const double warm = openSheet(photoLibrary, images);
    std::printf("%d files, %lld movies: exiftool -fast2 %.2f s, cold %.2f s, warm %.3f s\n", int(files.size()),
                static_cast<long long>(movies.size()), exiftool, cold, warm);
    const bool coldMet = cold >= 0 && exiftool > 0 && cold <= exiftool;
    const bool warmMet = warm >= 0 && warm <= 1.0;
    std::printf("BENCH photo-library cold: %.2f s vs exiftool -fast2 %.2f s (goal: no slower) %s\n", cold, exiftool,
                coldMet ? "met" : "missed");
    std::printf("BENCH photo-library warm: %.3f s (goal: <= 1 s) %s\n", warm, warmMet ? "met" : "missed");
    std::fflush(stdout);
    return bench::runOnTwoCores();
}
