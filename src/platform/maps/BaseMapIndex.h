#pragma once

#include <QList>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

namespace maps {

// The offline base map's shapes on the Web-Mercator unit square (see WebMercator): the land,
// the lakes and the borders between countries of the Natural Earth 1:50m layers, each kept at
// three levels of detail (zoom levels 0–2, 3–5, and 6 on, the last at full detail). So that a
// tile is drawn from the little of the world it shows, the nearer bands are cut into the cells
// of a grid (the tiles of their first level): a shape reaching into several cells is cut along
// their edges, each cell holding its part.
//
// Reading the polygon files and projecting them is done once: the result is kept in a cache
// file named by the installed package's version and the files' sizes and dates, and a cache
// that is stale or damaged is built again.
class BaseMapIndex {
public:
    enum Layer { land, lakes, borders };
    static constexpr int layerCount = 3;
    static constexpr int bandCount = 3;

    // A filled area (a ring with its holes) or a line, with its bounds for culling.
    struct Shape {
        QRectF bounds;
        QPainterPath path;
    };

    // Where the package puts its data; CORVELLE_BASE_MAP_DIR, when set, names another folder.
    static QString defaultDataFolder();
    // The layer's file, relative to the data folder.
    static QString layerPath(Layer layer);
    static int bandOf(int level);
    // The band's grid: the zoom level whose tiles are its cells.
    static int gridLevel(int band);
    // The cell of the band's grid the tile of a level at or beyond the band's grid level lies in.
    static int cellOf(int band, int level, int x, int y);

    // The index of the data folder's layers, from the cache in `cacheFolder` when it is current.
    // Null when the land cannot be read; a lake or border file that cannot be read leaves its
    // layer empty. Each file that could not be read is in `problems`, with the reason.
    static std::shared_ptr<const BaseMapIndex> load(const QString& dataFolder, const QString& cacheFolder,
                                                    QStringList* problems = nullptr);

    const std::vector<Shape>& shapes(Layer layer, int band, int cell) const { return shapes_[layer][band][size_t(cell)]; }
    // Every shape of the band, over all cells.
    size_t shapeCount(Layer layer, int band) const;
    // Whether load() took the shapes from the cache (false: it built them and wrote the cache).
    bool fromCache() const { return fromCache_; }

    // The name of the cache file inside the cache folder.
    static QString cacheFileName();
    // The version dpkg has installed of the package; empty when none.
    static QString packageVersion(const QString& package, const QString& statusPath = QStringLiteral("/var/lib/dpkg/status"));

private:
    BaseMapIndex() = default;
    // Per layer, per band, per shape: its rings (a line has one), and whether they are closed.
    struct Rings {
        bool closed = false;
        QList<QPolygonF> rings;
    };
    // By layer, band and cell.
    using Bands = std::array<std::array<std::vector<std::vector<Rings>>, bandCount>, layerCount>;
    // The shapes cut into the cells of the grid of the level.
    static std::vector<std::vector<Rings>> cut(const std::vector<Rings>& shapes, int grid);
    static bool readCache(const QString& path, const QString& key, Bands* bands);
    static void writeCache(const QString& path, const QString& key, const Bands& bands);
    void makeShapes(const Bands& bands);

    std::array<std::array<std::vector<std::vector<Shape>>, bandCount>, layerCount> shapes_;
    bool fromCache_ = false;
};

} // namespace maps
