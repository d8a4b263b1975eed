#include "photos/PhotoImageManager.h"

#include "filemodel/FileIconProvider.h"
#include "filemodel/VideoFrameGrabber.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

namespace corvelle {

namespace {

struct Made {
    QImage image;
    bool isIcon = false;
};

Made makePicture(const QString& path, int side)
{
    QImage still = VideoFrameGrabber::frame(path, side);
    if (!still.isNull())
        return {still, false};
    return {FileIconProvider::icon(path, side), true};
}

int costOf(const QImage& image)
{
    return int(std::max<qsizetype>(1, image.sizeInBytes() / 1024));
}

} // namespace

PhotoImageManager::PhotoImageManager(QObject* parent)
    : QObject(parent)
    // One still per core at a time: each decodes a movie.
    , queue_(std::max(2, QThread::idealThreadCount()))
{
    // Kilobytes: some hundreds of large stills.
    cache_.setMaxCost(192 * 1024);
}

PhotoImageManager::~PhotoImageManager()
{
    queue_.cancelAll();
}

PhotoImageManager& PhotoImageManager::shared()
{
    static PhotoImageManager* manager = new PhotoImageManager(QCoreApplication::instance());
    return *manager;
}

PhotoImageManager::Picture PhotoImageManager::cachedPicture(const QString& path) const
{
    const Entry* entry = cache_.object(path);
    if (!entry)
        return {};
    if (!entry->high.isNull())
        return {entry->high, entry->highSide, entry->isIcon};
    if (!entry->low.isNull())
        return {entry->low, lowQualitySide, entry->isIcon};
    return {};
}

PhotoImageManager::Picture PhotoImageManager::picture(const QString& path, int side)
{
    const Picture cached = cachedPicture(path);
    if (cached.image.isNull()) {
        request(path, lowQualitySide, true);
        return cached;
    }
    if (!cached.isIcon && cached.side < side)
        request(path, side, false);
    return cached;
}

void PhotoImageManager::request(const QString& path, int side, bool low)
{
    QHash<QString, Request>& pending = low ? pendingLow_ : pending_;
    const auto found = pending.constFind(path);
    if (found != pending.constEnd()) {
        if (found->side >= side)
            return;
        queue_.cancel(found->ticket);
    }
    const ThumbnailQueue::Ticket ticket = queue_.add(
        this, [path, side] { return makePicture(path, side); },
        [path, side] { return Made{FileIconProvider::icon(path, side), true}; },
        [this, path, side, low](const Made& made) { deliver(path, side, low, made.image, made.isIcon); });
    pending.insert(path, {ticket, side});
}

void PhotoImageManager::deliver(const QString& path, int side, bool low, const QImage& image, bool isIcon)
{
    QHash<QString, Request>& pending = low ? pendingLow_ : pending_;
    if (pending.value(path).side == side)
        pending.remove(path);
    const Entry* old = cache_.object(path);
    auto* entry = new Entry(old ? *old : Entry{});
    if (low) {
        entry->low = image;
    } else if (side >= entry->highSide) {
        entry->high = image;
        entry->highSide = side;
    }
    entry->isIcon = entry->isIcon || isIcon;
    cache_.insert(path, entry, costOf(entry->low) + costOf(entry->high));
    Q_EMIT imageDidArrive(path);
}

void PhotoImageManager::startCaching(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (!cache_.contains(path))
            request(path, lowQualitySide, true);
    }
}

void PhotoImageManager::stopCaching(const QStringList& paths)
{
    for (const QString& path : paths) {
        const auto found = pendingLow_.constFind(path);
        if (found == pendingLow_.constEnd())
            continue;
        queue_.cancel(found->ticket);
        pendingLow_.erase(found);
    }
}

void PhotoImageManager::forget(const QString& path)
{
    cache_.remove(path);
    for (QHash<QString, Request>* pending : {&pendingLow_, &pending_}) {
        if (const auto found = pending->constFind(path); found != pending->constEnd()) {
            queue_.cancel(found->ticket);
            pending->erase(found);
        }
    }
}

} // namespace corvelle
