#include "platform/photolibrary/PhotoLibrary.h"

#include "engine/halvex/tags/MediaType.h"
#include "engine/ostrak/ExifToolPool.h"
#include "platform/brisa/core/FutureDelivery.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QFutureSynchronizer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtConcurrent>

#include <algorithm>

namespace photolibrary {

namespace {

// "2021:06:01 12:30:00", with fractions and a zone or not; ExifTool's zero date is no date.
QDateTime parseDate(const QJsonValue& value, bool utcWithoutZone)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{4}):(\\d\\d):(\\d\\d)[ T](\\d\\d):(\\d\\d):(\\d\\d)(?:\\.\\d+)?(Z|[+-]\\d\\d:?\\d\\d)?"));
    const QRegularExpressionMatch match = pattern.match(value.toString());
    if (!match.hasMatch())
        return {};
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    if (!date.isValid() || !time.isValid() || date.year() < 1900)
        return {};
    const QString zone = match.captured(7);
    if (zone == QLatin1String("Z"))
        return QDateTime(date, time, Qt::UTC);
    if (!zone.isEmpty()) {
        QString digits = zone.mid(1);
        digits.remove(QLatin1Char(':'));
        const int seconds = (digits.left(2).toInt() * 60 + digits.mid(2, 2).toInt()) * 60;
        return QDateTime(date, time, Qt::OffsetFromUTC, zone.startsWith(QLatin1Char('-')) ? -seconds : seconds);
    }
    return QDateTime(date, time, utcWithoutZone ? Qt::UTC : Qt::LocalTime);
}

PhotoAsset assetOfFile(const QFileInfo& info)
{
    PhotoAsset asset;
    asset.path = info.absoluteFilePath();
    asset.modified = info.lastModified().toMSecsSinceEpoch();
    asset.size = info.size();
    asset.creationDate = info.lastModified();
    return asset;
}

// The asset's tags from one object of ExifTool's JSON output (-G -n).
void applyTags(PhotoAsset& asset, const QJsonObject& tags)
{
    // The movie's own zoned date first, then the camera's, then QuickTime's, kept in UTC.
    const std::pair<const char*, bool> dates[] = {
        {"QuickTime:CreationDate", false}, {"EXIF:DateTimeOriginal", false},
        {"XMP:DateTimeOriginal", false},   {"QuickTime:CreateDate", true},
        {"XMP:CreateDate", false},
    };
    for (const auto& [key, utc] : dates) {
        const QDateTime date = parseDate(tags.value(QLatin1String(key)), utc);
        if (date.isValid()) {
            asset.creationDate = date;
            break;
        }
    }
    for (auto it = tags.begin(); it != tags.end(); ++it) {
        if (it.key().endsWith(QLatin1String(":Rating")) && it.value().toDouble() >= 5)
            asset.isFavorite = true;
        if (it.key().endsWith(QLatin1String(":GPSLatitude")) || it.key().endsWith(QLatin1String(":GPSCoordinates")))
            asset.hasLocation = true;
    }
}

bool newerFirst(const PhotoAsset& a, const PhotoAsset& b)
{
    if (a.creationDate != b.creationDate)
        return a.creationDate > b.creationDate;
    return a.path < b.path;
}

} // namespace

PhotoLibrary::PhotoLibrary(ostrak::ExifToolPool& pool, QObject* parent)
    : QObject(parent)
    , pool_(pool)
{
    changeTimer_.setSingleShot(true);
    changeTimer_.setInterval(changeDelayMilliseconds);
    connect(&changeTimer_, &QTimer::timeout, this, [this] {
        // A folder made or removed is watched or forgotten before the observers fetch again.
        watchFolders();
        Q_EMIT libraryDidChange();
    });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { changeTimer_.start(); });
}

PhotoLibrary::~PhotoLibrary()
{
    fetchPool_.waitForDone();
}

PhotoLibrary& PhotoLibrary::shared()
{
    static PhotoLibrary* library = [] {
        auto* made = new PhotoLibrary(ostrak::ExifToolPool::shared(), QCoreApplication::instance());
        return made;
    }();
    return *library;
}

void PhotoLibrary::setRootPath(const QString& path)
{
    const QString clean = path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (clean == rootPath_)
        return;
    rootPath_ = clean;
    watchFolders();
    Q_EMIT libraryDidChange();
}

PhotoLibrary::Availability PhotoLibrary::availability() const
{
    if (rootPath_.isEmpty())
        return Availability::noFolderChosen;
    const QFileInfo info(rootPath_);
    if (!info.exists())
        return Availability::folderMissing;
    if (!info.isDir())
        return Availability::notAFolder;
    if (!info.isReadable() || !info.isExecutable())
        return Availability::folderUnreadable;
    return Availability::available;
}

void PhotoLibrary::watchFolders()
{
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    if (!isAvailable())
        return;
    QStringList folders{rootPath_};
    QDirIterator it(rootPath_, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << it.next();
    watcher_.addPaths(folders);
}

QList<PhotoAlbum> PhotoLibrary::albums() const
{
    if (!isAvailable())
        return {};
    QList<PhotoAlbum> albums{{PhotoAlbum::Kind::allItems, QString(), rootPath_},
                             {PhotoAlbum::Kind::favorites, QString(), rootPath_}};
    const QFileInfoList folders = QDir(rootPath_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                                QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& folder : folders)
        albums.append({PhotoAlbum::Kind::folder, folder.fileName(), folder.absoluteFilePath()});
    return albums;
}

bool PhotoLibrary::isVideo(const QString& path)
{
    const std::optional<halvex::MediaType> type = halvex::MediaType::type(QFileInfo(path).suffix());
    return type && type->kind() == halvex::MediaKind::movie;
}

QStringList PhotoLibrary::filesBelow(const QString& folder) const
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (isVideo(path) && !it.fileName().startsWith(QLatin1Char('.')))
            files << path;
    }
    return files;
}

void PhotoLibrary::readAssets(const QStringList& paths)
{
    QList<QFileInfo> stale;
    {
        QMutexLocker lock(&cacheMutex_);
        for (const QString& path : paths) {
            const QFileInfo info(path);
            const auto found = cache_.constFind(path);
            if (found == cache_.constEnd() || found->modified != info.lastModified().toMSecsSinceEpoch()
                || found->size != info.size())
                stale << info;
        }
    }
    if (stale.isEmpty())
        return;
    QList<QFuture<ostrak::ExifToolResult>> futures;
    QList<QList<QFileInfo>> chunks;
    for (qsizetype start = 0; start < stale.size(); start += readChunkSize) {
        const QList<QFileInfo> chunk = stale.mid(start, readChunkSize);
        ostrak::ExifToolRequest request;
        request.arguments = {QStringLiteral("-json"), QStringLiteral("-n"), QStringLiteral("-G"),
                             QStringLiteral("-fast2"), QStringLiteral("-CreationDate"),
                             QStringLiteral("-DateTimeOriginal"), QStringLiteral("-CreateDate"),
                             QStringLiteral("-Rating"), QStringLiteral("-GPSLatitude"),
                             QStringLiteral("-GPSCoordinates")};
        for (const QFileInfo& info : chunk)
            request.files << info.absoluteFilePath();
        futures << pool_.submit(std::move(request));
        chunks << chunk;
    }
    QHash<QString, PhotoAsset> read;
    for (qsizetype i = 0; i < futures.size(); ++i) {
        const ostrak::ExifToolResult result = futures[i].result();
        QHash<QString, QJsonObject> tagsByFile;
        if (result.isFinished()) {
            const QJsonArray objects = QJsonDocument::fromJson(result.output).array();
            for (const QJsonValue& object : objects) {
                const QJsonObject tags = object.toObject();
                tagsByFile.insert(QDir::cleanPath(tags.value(QLatin1String("SourceFile")).toString()), tags);
            }
        }
        // A file ExifTool could not read still shows, dated by its modification time.
        for (const QFileInfo& info : chunks[i]) {
            PhotoAsset asset = assetOfFile(info);
            applyTags(asset, tagsByFile.value(QDir::cleanPath(info.absoluteFilePath())));
            read.insert(asset.path, asset);
        }
    }
    QMutexLocker lock(&cacheMutex_);
    for (auto it = read.cbegin(); it != read.cend(); ++it)
        cache_.insert(it.key(), it.value());
}

QList<PhotoAsset> PhotoLibrary::fetchVideos(const std::optional<PhotoAlbum>& album)
{
    if (!isAvailable())
        return {};
    const QString folder = album ? album->path : rootPath_;
    const QStringList paths = filesBelow(folder);
    readAssets(paths);
    QList<PhotoAsset> assets;
    assets.reserve(paths.size());
    {
        QMutexLocker lock(&cacheMutex_);
        for (const QString& path : paths) {
            const auto found = cache_.constFind(path);
            if (found == cache_.constEnd())
                continue;
            if (album && album->kind == PhotoAlbum::Kind::favorites && !found->isFavorite)
                continue;
            assets << *found;
        }
    }
    std::sort(assets.begin(), assets.end(), newerFirst);
    return assets;
}

void PhotoLibrary::fetchVideosAsync(const std::optional<PhotoAlbum>& album, QObject* context,
                                    std::function<void(const QList<PhotoAsset>&)> done)
{
    QFuture<QList<PhotoAsset>> future = QtConcurrent::run(&fetchPool_, [this, album] { return fetchVideos(album); });
    brisa::deliverWhenFinished(context, std::move(future), std::move(done));
}

} // namespace photolibrary
