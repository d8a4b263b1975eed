// Map and place search speed: frames of the map view panning and zooming over 5,000 pins, a
// name query on the whole gazetteer (one per keystroke) and a nearest-town lookup.
#include "engine/halvex/places/Gazetteer.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "platform/maps/BaseMap.h"
#include "platform/maps/BaseMapIndex.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5))];
}

void report(const char* name, double figure, double goal)
{
    std::printf("BENCH %s: %.2f ms (goal: <= %.0f ms) %s\n", name, figure, goal, figure <= goal ? "met" : "missed");
}

enum class Ground { plain, tiles, baseMap, imagery };

// With `tiles`, the view draws from a tile cache that holds only the tiles of zoom level 5, as
// after a first look at the region: the nearer levels are its tiles scaled up. No server. Without
// tiles, the view draws the plain background (no base map data), or the offline base map (its
// index built before, its images made as the frames need them), or the base map's picture.
void mapPan(Ground ground)
{
    const bool tiles = ground == Ground::tiles;
    QTemporaryDir cache;
    maps::MapTileSource source(QString(), cache.path());
    if (tiles) {
        const QString folder = QFileInfo(source.cachedTilePath(5, 0, 0)).absolutePath() + QStringLiteral("/..");
        for (int x = 14; x <= 19; ++x) {
            QDir().mkpath(QStringLiteral("%1/%2").arg(folder).arg(x));
            for (int y = 8; y <= 12; ++y) {
                QImage tile(256, 256, QImage::Format_RGB32);
                tile.fill(QColor::fromHsv((x * 40 + y * 17) % 360, 60, 230));
                tile.save(source.cachedTilePath(5, x, y));
            }
        }
    }
    maps::SyncRegionMapView view;
    if (tiles)
        view.setTileSource(&source);
    QTemporaryDir baseMapCache;
    if (ground == Ground::plain)
        view.setBaseMap(nullptr);
    else
        view.setBaseMap(std::make_shared<maps::BaseMap>(maps::BaseMapIndex::defaultDataFolder(), baseMapCache.path()));
    view.setImagery(ground == Ground::imagery);
    view.resize(1200, 800);
    QRandomGenerator random(7);
    QList<maps::MapAnnotation> pins;
    for (int i = 0; i < 5000; ++i) {
        maps::MapAnnotation pin;
        pin.coordinate = halvex::Coordinate(45 + random.generateDouble() * 6, 5 + random.generateDouble() * 10);
        pin.isSelected = i % 10 == 0;
        pin.priority = pin.isSelected ? 1 : 0;
        pin.title = i % 10 == 0 ? QStringLiteral("IMG_%1.jpg").arg(i) : QString();
        pins << pin;
    }
    view.setAnnotations(pins);
    view.setRegion(halvex::CoordinateRegion(halvex::Coordinate(48, 10), 7, 11));
    QImage frame(view.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> times;
    for (int i = 0; i < 240; ++i) {
        const double zoom = 5.5 + (i % 60) / 30.0;
        view.setCentre(halvex::Coordinate(48 + std::sin(i / 20.0), 10 + std::cos(i / 20.0) * 2), zoom);
        QElapsedTimer timer;
        timer.start();
        view.render(&frame);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    const char* const names[] = {"map-pan", "map-pan-tiles", "map-pan-basemap", "map-pan-imagery"};
    report(names[int(ground)], percentile(times, 0.95), 16);
    if (ground == Ground::baseMap || ground == Ground::imagery)
        std::printf("BENCH %s-worst: %.2f ms, the frame that read the data (once per run)\n", names[int(ground)],
                    *std::max_element(times.begin(), times.end()));
}

// Reading the base map's data: building its index from the polygon files, and reading it back
// from the cache.
void baseMapIndex()
{
    QTemporaryDir cache;
    QElapsedTimer timer;
    timer.start();
    const auto built = maps::BaseMapIndex::load(maps::BaseMapIndex::defaultDataFolder(), cache.path());
    const double buildTime = timer.nsecsElapsed() / 1e6;
    timer.restart();
    const auto cached = maps::BaseMapIndex::load(maps::BaseMapIndex::defaultDataFolder(), cache.path());
    const double cacheTime = timer.nsecsElapsed() / 1e6;
    if (!built || !cached || !cached->fromCache()) {
        std::printf("BENCH base-map-index: no base map data\n");
        return;
    }
    std::printf("BENCH base-map-index: %.0f ms built, %.0f ms from the cache (once per run)\n", buildTime, cacheTime);
}

void placeSearch()
{
    halvex::GazetteerGeocoder geocoder;
    QElapsedTimer load;
    load.start();
    const auto gazetteer = geocoder.gazetteer();
    if (!gazetteer) {
        std::printf("BENCH place-search: no gazetteer (%s) (goal: <= 30 ms) missed\n", qPrintable(geocoder.loadError()));
        return;
    }
    std::printf("BENCH place-load: %.0f ms, %zu towns (once per run)\n", load.nsecsElapsed() / 1e6, gazetteer->places().size());
    std::vector<double> searches;
    const halvex::CoordinateRegion region(halvex::Coordinate(47, 8), 4, 6);
    for (const QString word : {u"zürich"_qs, u"san francisco"_qs, u"new york"_qs, u"münchen"_qs, u"saint"_qs}) {
        for (qsizetype length = 1; length <= word.size(); ++length) {
            QElapsedTimer timer;
            timer.start();
            gazetteer->search(word.left(length), region, 20);
            searches.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    report("place-search", *std::max_element(searches.begin(), searches.end()), 30);
    std::vector<double> lookups;
    QRandomGenerator random(11);
    for (int i = 0; i < 2000; ++i) {
        const halvex::Coordinate at(random.generateDouble() * 140 - 60, random.generateDouble() * 360 - 180);
        QElapsedTimer timer;
        timer.start();
        gazetteer->nearest(at, halvex::GazetteerGeocoder::maxKilometres);
        lookups.push_back(timer.nsecsElapsed() / 1e6);
    }
    report("place-nearest", *std::max_element(lookups.begin(), lookups.end()), 5);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    mapPan(Ground::plain);
    mapPan(Ground::tiles);
    baseMapIndex();
    mapPan(Ground::baseMap);
    mapPan(Ground::imagery);
    placeSearch();
    return 0;
}
