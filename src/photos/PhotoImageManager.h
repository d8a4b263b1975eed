#pragma once

#include "filemodel/ThumbnailQueue.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>

namespace corvelle {

// The pictures of the photo library's items, made from the files on the thumbnail queue and
// kept in a cache shared by every grid: a small picture first, fast to make, then one sized to
// the item. A movie of which no still can be made gets the icon of its type. Pictures arrive
// by imageDidArrive(path) on the main thread; a grid that shows another item by then just
// doesn't ask for that path again.
class PhotoImageManager : public QObject {
    Q_OBJECT

public:
    // The side of the first, fast picture, and of the pictures made ahead of scrolling.
    static constexpr int lowQualitySide = 50;
    // Items are asked at their side plus this, so a slightly larger item needs no new picture.
    static constexpr int highQualityMargin = 100;

    explicit PhotoImageManager(QObject* parent = nullptr);
    ~PhotoImageManager() override;

    static PhotoImageManager& shared();

    struct Picture {
        QImage image;
        // The side the picture was asked at (0 without a picture).
        int side = 0;
        // The type's icon, not a still of the file.
        bool isIcon = false;
    };

    // The best picture there is for the file: the large one, else the small one, else none. Asks
    // for what is missing: the small picture first, then one of `side`, when the one there is
    // smaller (a grid grown since); an icon is final.
    Picture picture(const QString& path, int side);
    // Only what is there, asking for nothing.
    Picture cachedPicture(const QString& path) const;

    // Makes the small pictures of files about to be scrolled into sight; stopCaching() drops
    // those not started yet.
    void startCaching(const QStringList& paths);
    void stopCaching(const QStringList& paths);

    // Forgets the pictures of the file (it changed on disk).
    void forget(const QString& path);
    int pendingCount() const { return int(pendingLow_.size() + pending_.size()); }

Q_SIGNALS:
    void imageDidArrive(const QString& path);

private:
    struct Entry {
        QImage low;
        QImage high;
        int highSide = 0;
        bool isIcon = false;
    };
    struct Request {
        ThumbnailQueue::Ticket ticket = 0;
        int side = 0;
    };
    void request(const QString& path, int side, bool low);
    void deliver(const QString& path, int side, bool low, const QImage& image, bool isIcon);

    QCache<QString, Entry> cache_;
    // Requests under way, by file: the small one and the large one.
    QHash<QString, Request> pendingLow_;
    QHash<QString, Request> pending_;
    ThumbnailQueue queue_;
};

} // namespace corvelle
