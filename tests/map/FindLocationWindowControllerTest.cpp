#include "engine/halvex/places/GazetteerGeocoder.h"
#include "map/FindLocationWindowController.h"
#include "map/MapSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/maps/SyncRegionMapView.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <cmath>

using namespace corvelle;

class FindLocationWindowControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // No tile server: the sheet draws its base map.
        brisa::UserDefaults::standard().set(Settings::mapStandardTileURLTemplate(), QString());
        if (!QFile::exists(halvex::Gazetteer::defaultFolder() + QStringLiteral("/cities15000.txt")))
            QSKIP("the gazetteer is not installed");
        halvex::Geocoder::setShared(std::make_shared<halvex::GazetteerGeocoder>());
    }

    void cleanupTestCase() { halvex::Geocoder::setShared(nullptr); }

    // A town found by name; typed coordinates kept as typed, with the town's address added.
    void searchesTownsAndCoordinates()
    {
        FindLocationWindowController sheet;
        sheet.show();
        QVERIFY(!sheet.setButton()->isEnabled());
        QTest::keyClicks(sheet.searchField(), QStringLiteral("zur"));
        QVERIFY(sheet.resultList()->count() > 0);
        QVERIFY(!sheet.setButton()->isEnabled());
        QVERIFY(sheet.resultList()->item(0)->text().startsWith(u"Zürich"_qs));
        sheet.resultList()->setCurrentRow(0);
        QVERIFY(sheet.location());
        QCOMPARE(sheet.location()->city(), u"Zürich"_qs);
        QVERIFY(sheet.setButton()->isEnabled());
        QVERIFY(sheet.mapView()->region().contains(sheet.location()->coordinate()));

        sheet.searchField()->clear();
        QTest::keyClicks(sheet.searchField(), QStringLiteral("48.8600, 2.3400"));
        QVERIFY(sheet.location());
        QCOMPARE(sheet.location()->latitude(), 48.86);
        QCOMPARE(sheet.location()->longitude(), 2.34);
        QCOMPARE(sheet.location()->city(), u"Paris"_qs);

        // Nothing found: the list is empty, the last place stays.
        sheet.searchField()->clear();
        QTest::keyClicks(sheet.searchField(), QStringLiteral("Qzxqzx"));
        QCOMPARE(sheet.resultList()->count(), 0);
        QCOMPARE(sheet.location()->city(), u"Paris"_qs);
    }

    // Zoom in shows a smaller region, zoom out a larger one; a double click picks the point.
    void zoomAndDoubleClick()
    {
        FindLocationWindowController sheet;
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        sheet.setLocation(halvex::Location(47.3769, 8.5417));
        maps::SyncRegionMapView* map = sheet.mapView();
        const double span = map->region().longitudeDelta();
        QTest::mouseClick(sheet.findChild<QToolButton*>(QStringLiteral("zoomInButton")), Qt::LeftButton);
        QVERIFY(map->region().longitudeDelta() < span / 3);
        QTest::mouseClick(sheet.findChild<QToolButton*>(QStringLiteral("zoomOutButton")), Qt::LeftButton);
        QTest::mouseClick(sheet.findChild<QToolButton*>(QStringLiteral("zoomOutButton")), Qt::LeftButton);
        QVERIFY(map->region().longitudeDelta() > span * 3);

        const QPoint spot = map->rect().center() + QPoint(-30, 20);
        const halvex::Coordinate clicked = map->coordinateAt(spot);
        QTest::mouseDClick(map, Qt::LeftButton, {}, spot);
        QCOMPARE(sheet.location()->latitude(), clicked.latitude());
        QCOMPARE(sheet.location()->longitude(), clicked.longitude());
        QVERIFY(sheet.location()->city().has_value());

        sheet.setButton()->click();
        QCOMPARE(sheet.result(), 1);
    }
};

QTEST_MAIN(FindLocationWindowControllerTest)
#include "FindLocationWindowControllerTest.moc"
