#pragma once

#include "platform/maps/BaseMapIndex.h"

#include <QCache>
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>

namespace maps {

// The map drawn where no tile is at hand: square images of the Web-Mercator grid (as tiles are)
// made from the installed Natural Earth layers (land, lakes, borders), or for the imagery styles
// from the Blue Marble picture of the whole earth, reprojected once and kept in the cache folder. Each image is made the
// first time it is asked for and kept in memory (a limited amount). Nearer than the data holds
// detail for, the images of a lower level are to be scaled up (see levelFor()).
//
// Files that are missing or damaged are named in problems(), with the reason: without the land
// there are no images (isAvailable() is false); without the picture, the imagery styles get the
// land map; without lakes or borders the land map leaves them out.
class BaseMap {
public:
    BaseMap(QString dataFolder, QString cacheFolder);

    // The base map of the installed data, shared by every view; its index is kept in the
    // application's cache folder.
    static std::shared_ptr<BaseMap> shared();

    const QString& dataFolder() const { return dataFolder_; }
    // Reads the index at the first call.
    bool isAvailable();
    // What could not be read so far, each with its file and reason, in the order found; empty
    // when all was read.
    const QStringList& problems() const { return problems_; }

    // The level whose images stand for a view's tile level.
    static int levelFor(int level, bool imagery) { return std::min(level, imagery ? maxImageryLevel : maxLandLevel); }
    // The image of the tile, made now when not in memory; null when the base map is unavailable.
    QImage tile(int level, int x, int y, bool imagery);
    // The image of the tile if it is in memory; no work.
    QImage cachedTile(int level, int x, int y, bool imagery) const;

    static constexpr int maxLandLevel = 10;
    static constexpr int maxImageryLevel = 3;
    static constexpr int tileSize = 256;
    static const QColor landColour;
    static const QColor waterColour;
    static const QColor borderColour;
    // The picture's file, relative to the data folder, and the file in the cache folder that
    // keeps it reprojected (made again when the picture or the package changes).
    static QString picturePath();
    static QString pictureCacheFileName();

private:
    void addProblems(const QStringList& problems);
    QImage landTile(int level, int x, int y);
    QImage imageryTile(int level, int x, int y);
    bool ensurePicture();

    QString dataFolder_;
    QString cacheFolder_;
    bool loaded_ = false;
    std::shared_ptr<const BaseMapIndex> index_;
    bool pictureRead_ = false;
    // The picture on the Web-Mercator square, 256 × 2^maxImageryLevel pixels wide.
    QImage mercatorPicture_;
    QStringList problems_;
    QCache<quint64, QImage> tiles_;
};

} // namespace maps
