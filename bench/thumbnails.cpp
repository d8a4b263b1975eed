// Thumbnails of mixed media files: our roads on the shared queue against the command-line
// thumbnailers, run over the same copies in the same run, eight at a time; each tool over the
// kinds of file it can do (ImageMagick without the movies).
// Usage: bench_thumbnails [copies]
#include "engine/halvex/tags/MediaType.h"
#include "engine/ostrak/ExifToolPool.h"
#include "filemodel/EmbeddedPictureReader.h"
#include "filemodel/FileIconProvider.h"
#include "filemodel/RawPreviewImage.h"
#include "filemodel/ThumbnailQueue.h"
#include "filemodel/VideoFrameGrabber.h"
#include "platform/brisa/ui/ImageThumbailer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtConcurrent>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <numeric>

using namespace corvelle;

namespace {

constexpr int thumbnailSize = 256;
constexpr int parallelRuns = ThumbnailQueue::defaultMaximumRunning;

const QStringList fixtureNames = {
    QStringLiteral("photo.jpg"), QStringLiteral("movie.mp4"),   QStringLiteral("movie.mov"),
    QStringLiteral("audio.m4a"), QStringLiteral("raw.dng"),     QStringLiteral("sidecar.xmp"),
};

QStringList makeCopies(const QDir& dir, int copies)
{
    QStringList files;
    for (int i = 0; i < copies; ++i) {
        const QString name = fixtureNames.at(i % fixtureNames.size());
        const QString path = dir.filePath(QStringLiteral("copy-%1.%2").arg(i).arg(QFileInfo(name).suffix()));
        if (!QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/") + name, path))
            return {};
        files.append(path);
    }
    return files;
}

// The roads a file thumbnail takes by media kind; the icon when none gives a picture.
QImage thumbnail(const QString& path)
{
    const std::optional<halvex::MediaType> type = halvex::MediaType::type(QUrl::fromLocalFile(path));
    const halvex::MediaKind kind = type ? type->kind() : halvex::MediaKind::other;
    QImage image;
    switch (kind) {
    case halvex::MediaKind::movie:
        image = VideoFrameGrabber::frame(path, thumbnailSize);
        break;
    case halvex::MediaKind::audio:
        image = EmbeddedPictureReader().picture(path, EmbeddedPictureReader::coverArtTagNames(), thumbnailSize);
        break;
    case halvex::MediaKind::image:
    case halvex::MediaKind::sidecar:
        image = brisa::ImageThumbailer(thumbnailSize, false, true).thumbnail(path);
        if (image.isNull())
            image = EmbeddedPictureReader().picture(path, EmbeddedPictureReader::thumbnailTagNames(), thumbnailSize);
        if (image.isNull())
            image = RawPreviewImage::preview4(path, thumbnailSize);
        break;
    case halvex::MediaKind::other:
        break;
    }
    return image.isNull() ? FileIconProvider::icon(path, thumbnailSize) : image;
}

struct Rate {
    double filesPerSecond = 0;
    int made = 0;
    int files = 0;
};

Rate runQueue(const QStringList& files)
{
    ThumbnailQueue queue;
    QObject context;
    int done = 0;
    int pictures = 0;
    QEventLoop loop;
    QElapsedTimer timer;
    timer.start();
    for (const QString& path : files) {
        queue.add(&context, [path] { return thumbnail(path); }, [path] { return FileIconProvider::icon(path, thumbnailSize); },
                  [&](const QImage& image) {
                      pictures += image.isNull() ? 0 : 1;
                      if (++done == files.size())
                          loop.quit();
                  });
    }
    loop.exec();
    return {files.size() / (timer.nsecsElapsed() / 1e9), pictures, int(files.size())};
}

using Arguments = std::function<QStringList(const QString& in, const QString& out)>;

// One process per file, `parallelRuns` at a time.
Rate runTool(const QStringList& files, const QString& program, const Arguments& arguments, const QDir& outDir)
{
    QThreadPool pool;
    pool.setMaxThreadCount(parallelRuns);
    std::atomic<int> made = 0;
    QElapsedTimer timer;
    timer.start();
    QList<int> indexes(files.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    QtConcurrent::blockingMap(&pool, indexes, [&](int index) {
        const QString out = outDir.filePath(QStringLiteral("%1-%2.png").arg(program).arg(index));
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(program, arguments(files.at(index), out));
        if (process.waitForFinished(60000) && process.exitCode() == 0 && QFileInfo::exists(out))
            ++made;
        QFile::remove(out);
    });
    return {files.size() / (timer.nsecsElapsed() / 1e9), made.load(), int(files.size())};
}

// The tool is timed over the copies of the fixtures it can make a thumbnail of, so that quick
// failures do not flatter it.
Rate measureTool(const QStringList& files, const QString& program, const Arguments& arguments, const QDir& outDir)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return {};
    QStringList handled;
    for (const QString& name : fixtureNames) {
        const QString suffix = QFileInfo(name).suffix();
        const QStringList sameKind = files.filter(QRegularExpression(QStringLiteral("\\.%1$").arg(suffix)));
        if (!sameKind.isEmpty() && runTool(sameKind.mid(0, 1), program, arguments, outDir).made == 1)
            handled += sameKind;
    }
    if (handled.isEmpty())
        return {};
    return runTool(handled, program, arguments, outDir);
}

void print(const char* name, const Rate& rate)
{
    std::printf("%-22s %7.1f files/s  (%d of %d made)\n", name, rate.filesPerSecond, rate.made, rate.files);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int copies = app.arguments().size() > 1 ? app.arguments().at(1).toInt() : 500;

    QTemporaryDir dir;
    const QStringList files = makeCopies(QDir(dir.path()), copies);
    QTemporaryDir outDir;
    if (files.isEmpty() || !outDir.isValid()) {
        std::printf("BENCH thumbnails: could not make test files (goal: >= the faster tool) missed\n");
        return 1;
    }
    QStringList stills; // ImageMagick does not decode movies without extra delegates
    for (const QString& path : files) {
        const std::optional<halvex::MediaType> type = halvex::MediaType::type(QUrl::fromLocalFile(path));
        if (!type || type->kind() != halvex::MediaKind::movie)
            stills.append(path);
    }

    // The application keeps its ExifTool processes and icons; start them as it would have.
    runQueue(files.mid(0, 2 * parallelRuns * int(fixtureNames.size())));
    Rate ours;
    for (int round = 0; round < 2; ++round) {
        const Rate rate = runQueue(files);
        if (rate.filesPerSecond > ours.filesPerSecond)
            ours = rate;
    }
    print("roads + queue", ours);

    const QDir out(outDir.path());
    const QString size = QString::number(thumbnailSize);
    const Rate ffmpegthumbnailer = measureTool(files, QStringLiteral("ffmpegthumbnailer"),
        [size](const QString& in, const QString& out) {
            return QStringList{QStringLiteral("-s"), size, QStringLiteral("-i"), in, QStringLiteral("-o"), out};
        }, out);
    print("ffmpegthumbnailer", ffmpegthumbnailer);
    const Rate convert = measureTool(stills, QStringLiteral("convert"),
        [size](const QString& in, const QString& out) {
            return QStringList{in + QStringLiteral("[0]"), QStringLiteral("-thumbnail"), size + QLatin1Char('x') + size, out};
        }, out);
    print("convert (no movies)", convert);
    const double bestTool = std::max(ffmpegthumbnailer.filesPerSecond, convert.filesPerSecond);
    if (bestTool == 0) {
        std::printf("BENCH thumbnails: %.0f files/s, no reference tool to compare with (goal: >= the faster tool) missed\n",
                    ours.filesPerSecond);
        return 0;
    }
    std::printf("BENCH thumbnails: %.0f files/s vs %.0f files/s (goal: >= the faster tool) %s\n",
                ours.filesPerSecond, bestTool, ours.filesPerSecond >= bestTool ? "met" : "missed");
    ostrak::ExifToolPool::shared().shutdown();
    return 0;
}
