#pragma once

#include "platform/photolibrary/PhotoAlbum.h"
#include "platform/photolibrary/PhotoAsset.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <optional>

namespace ostrak {
class ExifToolPool;
} // namespace ostrak

namespace photolibrary {

// The photo library: a folder whose sub-folders are its albums. Its items are the media files
// anywhere below it; the albums are every item, the favourites (files rated five stars), then one
// per sub-folder, by name. Fetches list an album's movies, newest first, by the creation date
// their tags give (else the modification time), with a favourite and a location mark each; the
// tags are read once per file through the ExifTool pool and kept while the file stays unchanged.
//
// The library watches its folders: a change below them is announced by libraryDidChange(), a
// moment after the last of a burst, and the observer fetches again to see what changed.
class PhotoLibrary : public QObject {
    Q_OBJECT

public:
    // How long the library waits after a change on disk before it announces it, so that a file
    // being copied or a burst of files becomes one announcement.
    static constexpr int changeDelayMilliseconds = 300;
    // Files read by one ExifTool command while fetching.
    static constexpr int readChunkSize = 64;

    explicit PhotoLibrary(ostrak::ExifToolPool& pool, QObject* parent = nullptr);
    ~PhotoLibrary() override;

    // The library of the application, over the shared ExifTool pool; its folder is set by the
    // application at start-up and whenever the preference changes.
    static PhotoLibrary& shared();

    QString rootPath() const { return rootPath_; }
    // Forgets nothing of the tags read so far (files are known by path and modification time).
    void setRootPath(const QString& path);
    enum class Availability { available, noFolderChosen, folderMissing, notAFolder, folderUnreadable };
    // Whether the library can be browsed, and why not.
    Availability availability() const;
    bool isAvailable() const { return availability() == Availability::available; }

    // The albums in their order; empty while the library cannot be browsed.
    QList<PhotoAlbum> albums() const;
    // The movies of the album (every item's without one), newest first. Blocks while it reads
    // the tags of files it has not seen: call it off the main thread.
    QList<PhotoAsset> fetchVideos(const std::optional<PhotoAlbum>& album);
    // fetchVideos() on a worker thread; `done` runs on the main thread while `context` lives.
    void fetchVideosAsync(const std::optional<PhotoAlbum>& album, QObject* context,
                          std::function<void(const QList<PhotoAsset>&)> done);

    // Whether a file of that name is a movie the grid shows.
    static bool isVideo(const QString& path);

Q_SIGNALS:
    void libraryDidChange();

private:
    void watchFolders();
    // Reads the tags of the files whose entry is missing or stale, in chunks over the pool.
    void readAssets(const QStringList& paths);
    QStringList filesBelow(const QString& folder) const;

    ostrak::ExifToolPool& pool_;
    QString rootPath_;
    QFileSystemWatcher watcher_;
    QTimer changeTimer_;
    mutable QMutex cacheMutex_;
    QHash<QString, PhotoAsset> cache_;
    // The fetches under way; the library waits for them before it goes.
    QThreadPool fetchPool_;
};

} // namespace photolibrary
