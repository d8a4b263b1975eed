#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"
#include "platform/maps/WebMercator.h"
#include "support/ui/TileServerStandIn.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using halvex::Coordinate;
using halvex::CoordinateRegion;
using maps::MapAnnotation;
using maps::MapTileSource;
using maps::SyncRegionMapView;
using maps::WebMercator;

namespace {

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

QColor colourAt(SyncRegionMapView& view, const QPoint& point)
{
    return view.grab().toImage().pixelColor(point);
}

} // namespace

class SyncRegionMapViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Positions go to the unit square and back; the square's edges are 180° and ±85.05°.
    void mercatorRoundTrip_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("origin") << 0.0 << 0.0 << 0.5 << 0.5;
        QTest::newRow("north-west corner") << WebMercator::maxLatitude << -180.0 << 0.0 << 0.0;
        QTest::newRow("south-east corner") << -WebMercator::maxLatitude << 179.999999 << 1.0 << 1.0;
        QTest::newRow("Zürich") << 47.3769 << 8.5417 << 0.523727 << 0.350186;
        QTest::newRow("Sydney") << -33.8688 << 151.2093 << 0.920026 << 0.600092;
    }

    void mercatorRoundTrip()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, x);
        QFETCH(double, y);
        const QPointF point = WebMercator::worldPoint({latitude, longitude});
        QVERIFY2(near(point.x(), x, 1e-6) && near(point.y(), y, 1e-6), qPrintable(QStringLiteral("%1 %2").arg(point.x()).arg(point.y())));
        const Coordinate back = WebMercator::coordinate(point);
        QVERIFY(near(back.latitude(), latitude, 1e-7));
        QVERIFY(near(std::fmod(back.longitude() - longitude + 540, 360) - 180, 0, 1e-7));
    }

    // A view keeps the region it was given: the spans it shows hold the region's, and the
    // tighter of the two fits exactly.
    void regionFitsTheView_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitudeDelta");
        QTest::addColumn<double>("longitudeDelta");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("a town, wide view") << 47.37 << 8.54 << 0.05 << 0.05 << 800 << 400;
        QTest::newRow("a town, tall view") << 47.37 << 8.54 << 0.05 << 0.05 << 300 << 700;
        QTest::newRow("a country") << 46.8 << 8.2 << 2.0 << 5.0 << 640 << 480;
        QTest::newRow("across 180°") << -17.7 << 179.5 << 3.0 << 4.0 << 500 << 500;
        QTest::newRow("southern hemisphere") << -33.87 << 151.2 << 1.0 << 1.0 << 640 << 480;
        QTest::newRow("the world") << 0.0 << 0.0 << 170.0 << 360.0 << 1024 << 1024;
    }

    void regionFitsTheView()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, latitudeDelta);
        QFETCH(double, longitudeDelta);
        QFETCH(int, width);
        QFETCH(int, height);
        SyncRegionMapView view;
        view.resize(width, height);
        view.setRegion(CoordinateRegion({latitude, longitude}, latitudeDelta, longitudeDelta));
        const CoordinateRegion shown = view.region();
        QVERIFY(near(shown.centre().latitude(), latitude, 1e-9));
        QVERIFY(near(shown.centre().longitude(), longitude, 1e-9));
        QVERIFY2(shown.latitudeDelta() >= latitudeDelta * 0.999 && shown.longitudeDelta() >= longitudeDelta * 0.999,
                 qPrintable(QStringLiteral("%1 %2").arg(shown.latitudeDelta()).arg(shown.longitudeDelta())));
        QVERIFY(near(shown.latitudeDelta(), latitudeDelta, latitudeDelta * 0.01)
                || near(shown.longitudeDelta(), longitudeDelta, longitudeDelta * 0.01) || view.zoom() == WebMercator::minZoom);
        // Each corner of the region lies in the view.
        for (double dLatitude : {-0.49, 0.49}) {
            for (double dLongitude : {-0.49, 0.49}) {
                const QPointF point = view.pointOf({latitude + dLatitude * latitudeDelta, longitude + dLongitude * longitudeDelta});
                QVERIFY(QRectF(view.rect()).adjusted(-1, -1, 1, 1).contains(point));
            }
        }
        // Zooming in shrinks the spans, zooming out grows them, by the factor asked.
        view.scaleSpans(0.25);
        QVERIFY(near(view.region().longitudeDelta(), shown.longitudeDelta() / 4, shown.longitudeDelta() * 0.01));
        view.scaleSpans(4);
        QVERIFY(near(view.region().longitudeDelta(), shown.longitudeDelta(), shown.longitudeDelta() * 0.01));
    }

    void regionContains()
    {
        const CoordinateRegion fiji({-17.7, 179.5}, 4, 4);
        QVERIFY(fiji.contains({-18.1, 178.4}));
        QVERIFY(fiji.contains({-17.0, -178.6}));
        QVERIFY(!fiji.contains({-17.0, -177.0}));
        QVERIFY(!fiji.contains({-20.0, 179.5}));
        QVERIFY(CoordinateRegion({0, 0}, 10, 360).contains({1, 179}));
    }

    // Pins: the pin on top answers a click, Ctrl comes along; a double click gives the
    // position under the pointer and keeps the region; the attribution corner takes no click.
    void clicksAndDoubleClicks()
    {
        SyncRegionMapView view;
        view.resize(400, 300);
        view.setCentre({47.37, 8.54}, 12);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        MapAnnotation low;
        low.coordinate = {47.37, 8.54};
        low.identifier = 1;
        MapAnnotation high = low;
        high.priority = 1;
        high.identifier = 2;
        view.setAnnotations({high, low});
        QSignalSpy clicks(&view, &SyncRegionMapView::annotationClicked);
        QList<Coordinate> doubles;
        connect(&view, &SyncRegionMapView::doubleAction, this, [&](const Coordinate& at) { doubles << at; });

        const QPoint pin = (view.pointOf(low.coordinate) - QPointF(0, 14)).toPoint();
        QTest::mouseClick(&view, Qt::LeftButton, Qt::ControlModifier, pin);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks[0][0].toInt(), 0);
        QCOMPARE(clicks[0][1].value<Qt::KeyboardModifiers>(), Qt::ControlModifier);
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicks.size(), 1);

        const QPoint spot(100, 80);
        const Coordinate expected = view.coordinateAt(spot);
        const double zoom = view.zoom();
        QTest::mouseDClick(&view, Qt::LeftButton, {}, spot);
        QCOMPARE(doubles.size(), 1);
        const Coordinate got = doubles[0];
        QVERIFY(near(got.latitude(), expected.latitude(), 1e-9) && near(got.longitude(), expected.longitude(), 1e-9));
        QCOMPARE(view.zoom(), zoom);

        QTest::mouseDClick(&view, Qt::LeftButton, {}, view.attributionRect().center());
        QCOMPARE(doubles.size(), 1);

        // The wheel zooms about the pointer.
        const Coordinate under = view.coordinateAt(spot);
        QWheelEvent wheel(spot, view.mapToGlobal(spot), {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
        QVERIFY(view.zoom() > zoom);
        const QPointF after = view.pointOf(under);
        QVERIFY(near(after.x(), spot.x(), 0.5) && near(after.y(), spot.y(), 0.5));
    }

    // Tiles come from the server once, stay on disk, and are drawn from there with the server
    // gone; a level with nothing cached shows its parent's tile scaled.
    void tilesAreCachedAndWorkOffline()
    {
        QTemporaryDir cache;
        auto server = std::make_unique<corvelle::test::TileServerStandIn>();
        QVERIFY(server->isListening());
        server->setColour(3, QColor(200, 30, 30));
        const QString urlTemplate = server->urlTemplate();
        MapTileSource source(urlTemplate, cache.path());
        SyncRegionMapView view;
        view.resize(256, 256);
        view.setTileSource(&source);
        view.setCentre({0, 0}, 3);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_COMPARE_WITH_TIMEOUT(colourAt(view, {40, 40}), QColor(200, 30, 30), 10000);
        QVERIFY(!server->paths.isEmpty());
        QVERIFY(server->userAgents.first().contains(QCoreApplication::applicationName()));
        // The four tiles in sight, each asked once.
        QTRY_COMPARE_WITH_TIMEOUT(server->paths.size(), 4, 10000);
        QTest::qWait(100);
        const qsizetype asked = server->paths.size();
        QCOMPARE(asked, 4);

        // Fresh on disk: a second source asks nothing.
        MapTileSource again(urlTemplate, cache.path());
        QVERIFY(!again.tile(3, 3, 3).isNull());
        QTest::qWait(50);
        QCOMPARE(server->paths.size(), asked);

        server.reset();
        MapTileSource offline(urlTemplate, cache.path());
        QSignalSpy wentOffline(&offline, &MapTileSource::wentOffline);
        view.setTileSource(&offline);
        QCOMPARE(colourAt(view, {40, 40}), QColor(200, 30, 30));
        // Level 4 was never fetched: its tiles are level 3's, scaled; the request fails.
        view.setCentre({0, 0}, 4);
        QCOMPARE(colourAt(view, {40, 40}), QColor(200, 30, 30));
        QTRY_VERIFY_WITH_TIMEOUT(!wentOffline.isEmpty(), 20000);
        QVERIFY(offline.isOffline());
        QVERIFY(offline.lastError().contains(QStringLiteral("127.0.0.1")));
        // Pins still answer.
        MapAnnotation pin;
        pin.coordinate = {0, 0};
        view.setAnnotations({pin});
        QCOMPARE(view.annotationAt(view.pointOf({0, 0}) - QPointF(0, 10)), 0);
    }

    // A pin under another at nearly the same point is not drawn, unless it shows a direction or
    // a title; a title that would overlap the title of a pin above it is left out.
    void hiddenPinsAndOverlappingTitlesAreLeftOut()
    {
        SyncRegionMapView view;
        view.resize(400, 300);
        view.setCentre({46, 7}, 10);
        const auto pin = [](double longitude, int priority, const QString& title = {}) {
            MapAnnotation annotation;
            annotation.coordinate = {46, longitude};
            annotation.priority = priority;
            annotation.title = title;
            return annotation;
        };
        // At zoom 10 a degree is about 728 points: 0.001° is under one point.
        view.setAnnotations({pin(7.0, 0), pin(7.001, 1), pin(7.2, 0), pin(10, 0)});
        QCOMPARE(view.visiblePins(), (QList<int>{1, 2}));
        MapAnnotation turned = pin(7.0, 0);
        turned.direction = 90;
        view.setAnnotations({turned, pin(7.001, 1)});
        QCOMPARE(view.visiblePins(), (QList<int>{1, 0}));

        // Side by side, the lower pin's title would run into the upper one's: only the upper
        // shows; far enough apart both do.
        view.setAnnotations({pin(7.0, 0, u"bare.jpg"_qs), pin(7.02, 1, u"photo.jpg"_qs), pin(7.2, 0, u"far.jpg"_qs)});
        const QList<int> shown = view.visiblePins();
        QCOMPARE(shown.size(), 3);
        QList<int> titled;
        for (const auto& [index, box] : view.titlePlacements(shown))
            titled << index;
        QCOMPARE(titled, (QList<int>{1, 2}));
        view.setCentre({46, 7}, 14);
        titled.clear();
        for (const auto& [index, box] : view.titlePlacements(view.visiblePins()))
            titled << index;
        QCOMPARE(titled, (QList<int>{1, 0}));
    }

    // A tile the server did not give is not asked for again at every frame.
    void aFailedTileIsNotAskedForAgainAtOnce()
    {
        QTemporaryDir cache;
        corvelle::test::TileServerStandIn server;
        // The stand-in has no ".jpg" tiles: every request is refused.
        MapTileSource source(server.urlTemplate().replace(u".png"_qs, u".jpg"_qs), cache.path());
        QSignalSpy wentOffline(&source, &MapTileSource::wentOffline);
        QVERIFY(source.tile(2, 1, 1).isNull());
        QTRY_VERIFY_WITH_TIMEOUT(!wentOffline.isEmpty(), 10000);
        QCOMPARE(server.paths.size(), 1);
        for (int frame = 0; frame < 5; ++frame)
            QVERIFY(source.tile(2, 1, 1).isNull());
        QTest::qWait(200);
        QCOMPARE(server.paths.size(), 1);
    }
};

QTEST_MAIN(SyncRegionMapViewTest)
#include "SyncRegionMapViewTest.moc"
