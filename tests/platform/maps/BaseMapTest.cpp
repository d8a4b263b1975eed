#include "platform/maps/BaseMap.h"
#include "platform/maps/BaseMapIndex.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using halvex::Coordinate;
using maps::BaseMap;
using maps::BaseMapIndex;
using maps::MapAnnotation;
using maps::MapTileSource;
using maps::SyncRegionMapView;

namespace {

// The view's frame once every base map image it wants is made (a frame makes only as many as
// its time allows).
QImage settledFrame(SyncRegionMapView& view)
{
    QImage frame = view.grab().toImage();
    for (int i = 0; i < 200 && view.hasPendingBaseMap(); ++i)
        frame = view.grab().toImage();
    return frame;
}

QColor colourAt(SyncRegionMapView& view, const Coordinate& coordinate)
{
    return settledFrame(view).pixelColor(view.pointOf(coordinate).toPoint());
}

// A tile server's address where nothing answers: a port that was open and is closed again.
QString deadServerTemplate()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(server.serverPort());
}

} // namespace

class BaseMapTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The index is built once and then read from the cache; a damaged cache or a changed data
    // file makes it be built again, with the same shapes.
    void indexIsCachedAndRebuiltWhenStale()
    {
        QTemporaryDir cache;
        QTemporaryDir data;
        QVERIFY(QDir().mkpath(data.filePath(u"naturalearth"_qs)));
        for (int layer = 0; layer < BaseMapIndex::layerCount; ++layer) {
            const QString path = BaseMapIndex::layerPath(BaseMapIndex::Layer(layer));
            QVERIFY(QFile::copy(BaseMapIndex::defaultDataFolder() + u"/"_qs + path, data.filePath(path)));
        }
        const auto shapeCount = [](const BaseMapIndex& index) {
            size_t count = 0;
            for (int layer = 0; layer < BaseMapIndex::layerCount; ++layer)
                for (int band = 0; band < BaseMapIndex::bandCount; ++band)
                    count += index.shapeCount(BaseMapIndex::Layer(layer), band);
            return count;
        };
        QStringList problems;
        const auto built = BaseMapIndex::load(data.path(), cache.path(), &problems);
        QVERIFY2(built && problems.isEmpty(), qPrintable(problems.join(u"; "_qs)));
        QVERIFY(!built->fromCache());
        // Detail grows band by band; land, lakes and borders are all there.
        for (int layer = 0; layer < BaseMapIndex::layerCount; ++layer)
            QVERIFY(built->shapeCount(BaseMapIndex::Layer(layer), 0) > 0);
        QVERIFY(built->shapeCount(BaseMapIndex::land, 0) < built->shapeCount(BaseMapIndex::land, 2));

        const auto cached = BaseMapIndex::load(data.path(), cache.path());
        QVERIFY(cached && cached->fromCache());
        QCOMPARE(shapeCount(*cached), shapeCount(*built));

        const QString cacheFile = cache.filePath(BaseMapIndex::cacheFileName());
        QFile damaged(cacheFile);
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        damaged.resize(damaged.size() / 2);
        damaged.close();
        const auto rebuilt = BaseMapIndex::load(data.path(), cache.path());
        QVERIFY(rebuilt && !rebuilt->fromCache());
        QCOMPARE(shapeCount(*rebuilt), shapeCount(*built));
        QVERIFY(BaseMapIndex::load(data.path(), cache.path())->fromCache());

        // A data file with another date is another file.
        QFile lakes(data.filePath(BaseMapIndex::layerPath(BaseMapIndex::lakes)));
        QVERIFY(lakes.open(QIODevice::ReadWrite));
        QVERIFY(lakes.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
        lakes.close();
        QVERIFY(!BaseMapIndex::load(data.path(), cache.path())->fromCache());
    }

    // The installed package's version names the cache; a package not installed has none.
    void packageVersionFromDpkg()
    {
        QTemporaryDir folder;
        QFile status(folder.filePath(u"status"_qs));
        QVERIFY(status.open(QIODevice::WriteOnly));
        status.write("Package: marble-data\nVersion: 1.0\n\nPackage: marble-qt-data\nStatus: install ok installed\n"
                     "Version: 4:22.12.3-1\nDescription: x\n\nPackage: other\nVersion: 9\n");
        status.close();
        QCOMPARE(BaseMapIndex::packageVersion(u"marble-qt-data"_qs, status.fileName()), u"4:22.12.3-1"_qs);
        QCOMPARE(BaseMapIndex::packageVersion(u"absent"_qs, status.fileName()), QString());
    }

    // Without tiles (no source, or a server that does not answer) the base map is drawn:
    // the Sahara is land, the mid-Atlantic and Lake Victoria are water, a border crosses the
    // land; the imagery styles draw the picture instead. Pins answer as ever.
    void drawsTheBaseMapWithoutTiles_data()
    {
        QTest::addColumn<bool>("deadServer");
        QTest::newRow("no tile source") << false;
        QTest::newRow("server gone") << true;
    }

    void drawsTheBaseMapWithoutTiles()
    {
        QFETCH(bool, deadServer);
        QTemporaryDir cache;
        QTemporaryDir tiles;
        MapTileSource source(deadServerTemplate(), tiles.path());
        SyncRegionMapView view;
        view.setBaseMap(std::make_shared<BaseMap>(BaseMapIndex::defaultDataFolder(), cache.path()));
        QSignalSpy unavailable(&view, &SyncRegionMapView::baseMapUnavailable);
        if (deadServer)
            view.setTileSource(&source);
        view.resize(600, 400);
        view.setCentre({10, -15}, 2.6);
        const Coordinate sahara(26, 3);
        const Coordinate atlantic(25, -40);
        QCOMPARE(colourAt(view, sahara), BaseMap::landColour);
        QCOMPARE(colourAt(view, atlantic), BaseMap::waterColour);

        view.setCentre({-1, 33}, 6);
        QCOMPARE(colourAt(view, {-0.5, 33.2}), BaseMap::waterColour);
        QCOMPARE(colourAt(view, {-3.5, 33.5}), BaseMap::landColour);
        // Somewhere along the Uganda–Kenya border, a line of the border colour.
        const QImage frame = settledFrame(view);
        const QPoint from = view.pointOf({1.0, 33.9}).toPoint();
        const QPoint to = view.pointOf({1.0, 35.1}).toPoint();
        bool border = false;
        for (int x = from.x(); x <= to.x(); ++x) {
            const QColor c = frame.pixelColor(x, from.y());
            // Land is nearly grey, water green-blue, the border red-violet.
            border |= c.red() > c.green() + 8 && c.blue() > c.green();
        }
        QVERIFY(border);

        // Open sea across the Adriatic: no border stroke strays over it (a cosmetic pen wider
        // than a pixel did, under the scale of a tile of the world).
        view.setCentre({41.5, 17}, 5);
        const QImage adriatic = settledFrame(view);
        const int column = int(view.pointOf({41.5, 18.0}).x());
        for (int y = int(view.pointOf({42.3, 18.0}).y()); y <= int(view.pointOf({41.0, 18.0}).y()); ++y)
            QCOMPARE(adriatic.pixelColor(column, y), BaseMap::waterColour);

        view.setImagery(true);
        view.setCentre({10, -15}, 2.6);
        const QColor sand = colourAt(view, sahara);
        const QColor ocean = colourAt(view, atlantic);
        QVERIFY2(sand != BaseMap::landColour && sand.red() > sand.blue(), qPrintable(sand.name()));
        QVERIFY2(ocean != BaseMap::waterColour && ocean.blue() > ocean.red() && ocean.value() < 120, qPrintable(ocean.name()));
        QCOMPARE(unavailable.size(), 0);

        MapAnnotation pin;
        pin.coordinate = sahara;
        view.setAnnotations({pin});
        QCOMPARE(view.annotationAt(view.pointOf(sahara) - QPointF(0, 10)), 0);
    }

    // The picture is reprojected once and kept: read back from the cache it is the same; a
    // damaged copy is made again.
    void pictureIsKeptReprojected()
    {
        QTemporaryDir cache;
        const QImage made = BaseMap(BaseMapIndex::defaultDataFolder(), cache.path()).tile(1, 1, 0, true);
        QVERIFY(!made.isNull());
        QFile kept(cache.filePath(BaseMap::pictureCacheFileName()));
        QVERIFY(kept.exists());
        const qint64 size = kept.size();
        QCOMPARE(BaseMap(BaseMapIndex::defaultDataFolder(), cache.path()).tile(1, 1, 0, true), made);
        QVERIFY(kept.open(QIODevice::ReadWrite));
        kept.resize(size - 1000);
        kept.close();
        QCOMPARE(BaseMap(BaseMapIndex::defaultDataFolder(), cache.path()).tile(1, 1, 0, true), made);
        QCOMPARE(QFileInfo(kept.fileName()).size(), size);
    }

    // Data missing: the plain background with its graticule, a message naming the file once,
    // pins still answering. The land without the picture: the imagery styles show the land.
    void missingDataIsNamedOnce()
    {
        QTemporaryDir empty;
        QTemporaryDir cache;
        SyncRegionMapView view;
        view.setBaseMap(std::make_shared<BaseMap>(empty.path(), cache.path()));
        QSignalSpy unavailable(&view, &SyncRegionMapView::baseMapUnavailable);
        view.resize(400, 300);
        view.setCentre({26, 3}, 3);
        MapAnnotation pin;
        pin.coordinate = {26, 3};
        view.setAnnotations({pin});
        QCOMPARE(colourAt(view, {26, 5}), BaseMap::waterColour);
        view.setCentre({26, 4}, 3);
        settledFrame(view);
        QTRY_COMPARE(unavailable.size(), 1);
        QTest::qWait(20);
        QCOMPARE(unavailable.size(), 1);
        const QString reason = unavailable[0][0].toString();
        QVERIFY2(reason.contains(empty.path() + u"/naturalearth/ne_50m_land.pn2"_qs) && reason.contains(u"No such file"_qs),
                 qPrintable(reason));
        QCOMPARE(view.annotationAt(view.pointOf({26, 3}) - QPointF(0, 10)), 0);

        QTemporaryDir landOnly;
        QVERIFY(QFile::link(BaseMapIndex::defaultDataFolder() + u"/naturalearth"_qs, landOnly.filePath(u"naturalearth"_qs)));
        view.setBaseMap(std::make_shared<BaseMap>(landOnly.path(), cache.path()));
        view.setImagery(true);
        unavailable.clear();
        QCOMPARE(colourAt(view, {26, 5}), BaseMap::landColour);
        QTRY_COMPARE(unavailable.size(), 1);
        QVERIFY2(unavailable[0][0].toString().contains(BaseMap::picturePath()), qPrintable(unavailable[0][0].toString()));
    }
};

QTEST_MAIN(BaseMapTest)
#include "BaseMapTest.moc"
