#include "platform/maps/BaseMap.h"

#include "platform/maps/WebMercator.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QLoggingCategory>
#include <QPainter>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace maps {

namespace {

Q_LOGGING_CATEGORY(baseMapLog, "corvelle.maps.basemap")

// The images kept in memory, in KiB: about 250 tiles.
constexpr int memoryLimit = 64 * 1024;

quint64 tileKey(int level, int x, int y, bool imagery)
{
    return quint64(imagery) << 63 | quint64(level) << 56 | quint64(quint32(x)) << 28 | quint64(quint32(y));
}

int imageCost(const QImage& image)
{
    return std::max(1, int(image.sizeInBytes() / 1024));
}

// The equirectangular picture (longitude across, latitude down, the whole earth) redrawn on the
// Web-Mercator square of `side` pixels; rows in between the picture's are blended.
QImage reprojected(const QImage& picture, int side)
{
    const QImage across = picture.convertToFormat(QImage::Format_RGB32)
                              .scaled(side, picture.height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage result(side, side, QImage::Format_RGB32);
    const int rows = across.height();
    for (int row = 0; row < side; ++row) {
        const double y = (row + 0.5) / side;
        const double latitude = std::atan(std::sinh(std::numbers::pi * (1 - 2 * y))) * 180 / std::numbers::pi;
        const double source = std::clamp((90 - latitude) / 180 * rows - 0.5, 0.0, double(rows - 1));
        const int upper = int(source);
        const int lower = std::min(upper + 1, rows - 1);
        const int weight = int((source - upper) * 256);
        const auto* a = reinterpret_cast<const QRgb*>(across.constScanLine(upper));
        const auto* b = reinterpret_cast<const QRgb*>(across.constScanLine(lower));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(row));
        for (int column = 0; column < side; ++column) {
            const auto mix = [weight](int top, int bottom) { return (top * (256 - weight) + bottom * weight) >> 8; };
            out[column] = qRgb(mix(qRed(a[column]), qRed(b[column])), mix(qGreen(a[column]), qGreen(b[column])),
                               mix(qBlue(a[column]), qBlue(b[column])));
        }
    }
    return result;
}

constexpr quint32 pictureMagic = 0x43424d50; // "CBMP"

// The reprojected picture kept in the cache folder, as plain rows of RGB bytes: read back far
// faster than the picture is decoded and reprojected. Null when absent, of another key or cut.
QImage readPicture(const QString& path, const QString& key, int side)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDataStream in(&file);
    quint32 magic = 0;
    QString storedKey;
    qint32 width = 0;
    in >> magic >> storedKey >> width;
    if (in.status() != QDataStream::Ok || magic != pictureMagic || storedKey != key || width != side)
        return {};
    QImage image(side, side, QImage::Format_RGB888);
    const int rowBytes = side * 3;
    for (int row = 0; row < side; ++row)
        if (in.readRawData(reinterpret_cast<char*>(image.scanLine(row)), rowBytes) != rowBytes)
            return {};
    if (!in.atEnd())
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

void writePicture(const QString& path, const QString& key, const QImage& picture)
{
    // A picture that cannot be kept is only made again next time.
    if (!QDir().mkpath(QFileInfo(path).path()))
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QImage rows = picture.convertToFormat(QImage::Format_RGB888);
    QDataStream out(&file);
    out << pictureMagic << key << qint32(rows.width());
    const int rowBytes = rows.width() * 3;
    for (int row = 0; row < rows.height(); ++row)
        out.writeRawData(reinterpret_cast<const char*>(rows.constScanLine(row)), rowBytes);
    if (out.status() == QDataStream::Ok)
        file.commit();
}

} // namespace

const QColor BaseMap::landColour(0xf2, 0xef, 0xe9);
const QColor BaseMap::waterColour(0xaa, 0xd3, 0xdf);
const QColor BaseMap::borderColour(0x9e, 0x8a, 0xb0);

BaseMap::BaseMap(QString dataFolder, QString cacheFolder)
    : dataFolder_(std::move(dataFolder))
    , cacheFolder_(std::move(cacheFolder))
{
    tiles_.setMaxCost(memoryLimit);
}

std::shared_ptr<BaseMap> BaseMap::shared()
{
    static const std::shared_ptr<BaseMap> map = std::make_shared<BaseMap>(
        BaseMapIndex::defaultDataFolder(),
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/base-map"));
    return map;
}

QString BaseMap::picturePath()
{
    return QStringLiteral("maps/earth/bluemarble/bluemarble.jpg");
}

void BaseMap::addProblems(const QStringList& problems)
{
    for (const QString& problem : problems) {
        problems_ << problem;
        qCWarning(baseMapLog).noquote() << "The offline base map is incomplete:" << problem;
    }
}

bool BaseMap::isAvailable()
{
    if (!loaded_) {
        loaded_ = true;
        QStringList problems;
        index_ = BaseMapIndex::load(dataFolder_, cacheFolder_, &problems);
        addProblems(problems);
    }
    return index_ != nullptr;
}

QString BaseMap::pictureCacheFileName()
{
    return QStringLiteral("bluemarble-mercator.rgb");
}

bool BaseMap::ensurePicture()
{
    if (!pictureRead_) {
        pictureRead_ = true;
        const QString path = dataFolder_ + QLatin1Char('/') + picturePath();
        const QFileInfo info(path);
        const QString key = QStringLiteral("%1 %2@%3 %4")
                                .arg(path)
                                .arg(info.size())
                                .arg(info.lastModified().toMSecsSinceEpoch())
                                .arg(BaseMapIndex::packageVersion(QStringLiteral("marble-qt-data")));
        const QString cachePath = cacheFolder_ + QLatin1Char('/') + pictureCacheFileName();
        const int side = tileSize << maxImageryLevel;
        if (info.exists())
            mercatorPicture_ = readPicture(cachePath, key, side);
        if (mercatorPicture_.isNull()) {
            QImageReader reader(path);
            const QImage picture = reader.read();
            if (picture.isNull()) {
                addProblems({QStringLiteral("%1: %2").arg(path, reader.errorString())});
            } else {
                mercatorPicture_ = reprojected(picture, side);
                writePicture(cachePath, key, mercatorPicture_);
            }
        }
    }
    return !mercatorPicture_.isNull();
}

QImage BaseMap::cachedTile(int level, int x, int y, bool imagery) const
{
    // Until the picture is read, no imagery tile is in memory; without it the land stands in.
    const QImage* image = tiles_.object(tileKey(level, x, y, imagery && (!pictureRead_ || !mercatorPicture_.isNull())));
    return image ? *image : QImage();
}

QImage BaseMap::tile(int level, int x, int y, bool imagery)
{
    if (imagery && !ensurePicture())
        imagery = false;
    if (const QImage* image = tiles_.object(tileKey(level, x, y, imagery)))
        return *image;
    if (!imagery && !isAvailable())
        return {};
    const QImage image = imagery ? imageryTile(level, x, y) : landTile(level, x, y);
    tiles_.insert(tileKey(level, x, y, imagery), new QImage(image), imageCost(image));
    return image;
}

QImage BaseMap::imageryTile(int level, int x, int y)
{
    const int span = mercatorPicture_.width() >> level;
    const QImage part = mercatorPicture_.copy(x * span, y * span, span, span);
    return span == tileSize ? part : part.scaled(tileSize, tileSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage BaseMap::landTile(int level, int x, int y)
{
    QImage image(tileSize, tileSize, QImage::Format_RGB32);
    image.fill(waterColour);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double count = std::pow(2.0, level);
    const double pixels = tileSize * count;
    painter.translate(-x * double(tileSize), -y * double(tileSize));
    painter.scale(pixels, pixels);
    // The square of the tile on the unit square, with a pixel's margin for the lines' width.
    const double margin = 1 / pixels;
    const QRectF shown(x / count - margin, y / count - margin, 1 / count + 2 * margin, 1 / count + 2 * margin);
    const int band = BaseMapIndex::bandOf(level);
    const int cell = BaseMapIndex::cellOf(band, level, x, y);
    painter.setPen(Qt::NoPen);
    const auto fill = [&](BaseMapIndex::Layer layer, const QColor& colour) {
        painter.setBrush(colour);
        for (const BaseMapIndex::Shape& shape : index_->shapes(layer, band, cell))
            if (shape.bounds.intersects(shown))
                painter.drawPath(shape.path);
    };
    fill(BaseMapIndex::land, landColour);
    fill(BaseMapIndex::lakes, waterColour);
    // One pixel wide whatever the scale: a cosmetic pen of another width, under the scale of a
    // tile of the world, strokes stray lines across the tile.
    QPen border(borderColour, 1);
    border.setCosmetic(true);
    painter.setPen(border);
    painter.setBrush(Qt::NoBrush);
    for (const BaseMapIndex::Shape& shape : index_->shapes(BaseMapIndex::borders, band, cell))
        if (shape.bounds.intersects(shown))
            painter.drawPath(shape.path);
    return image;
}

} // namespace maps
