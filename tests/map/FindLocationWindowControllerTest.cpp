#include "engine/halvex/libraries/LibraryFile.h"
#include "engine/halvex/libraries/LocationManager.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "map/FindLocationWindowController.h"
#include "map/LocationEditWindowController.h"
#include "map/LocationItemListModel.h"
#include "map/LocationSearchEngine.h"
#include "map/MapSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"
#include "widgets/controls/SpinningProgressIndicator.h"

#include <QLabel>
#include <QLineEdit>
#include <QAction>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMutex>
#include <QSemaphore>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <cmath>

using namespace corvelle;
using halvex::LocationItem;
using halvex::LocationManager;

namespace {

LocationManager& library()
{
    return LocationManager::shared();
}

QString libraryPath()
{
    return halvex::LibraryFile::dataPath(QStringLiteral("Locations.json"));
}

// The names of the stored favourites, read afresh from the file.
QStringList storedNames()
{
    LocationManager stored(libraryPath());
    stored.load();
    QStringList names;
    for (const halvex::LocationItemPtr& item : stored.items())
        names << item->name();
    return names;
}

QStringList shownNames(const LocationItemListModel& model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.index(row).data().toString();
    return names;
}

void setFavorites(const QStringList& names)
{
    QList<halvex::LocationItemPtr> items;
    double latitude = 40;
    for (const QString& name : names)
        items << std::make_shared<LocationItem>(name, halvex::Location(latitude++, 5));
    library().setItems(items);
    library().save();
}

} // namespace

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

    void init() { setFavorites({}); }

    // The place on display is added as a favourite (untitled without a place name); a
    // favourite picked becomes the place; deleting it stores the library.
    void favoritesAddPickAndDelete()
    {
        FindLocationWindowController sheet;
        sheet.show();
        QVERIFY(sheet.favoritesPlaceholderView()->isVisible());
        QVERIFY(!sheet.favoritesTableView()->isVisible());
        QVERIFY(!sheet.addToFavoritesAction()->isEnabled());
        const halvex::Location place(46.2044, 6.1432);
        sheet.setLocation(place);
        sheet.addToFavoritesAction()->trigger();
        QCOMPARE(shownNames(*sheet.favoritesModel()), QStringList{u"Untitled"_qs});
        QCOMPARE(storedNames(), QStringList{QString()});
        QVERIFY(!sheet.favoritesPlaceholderView()->isVisible());
        QVERIFY(sheet.favoritesTableView()->isVisible());
        QVERIFY(!sheet.deleteFavoriteAction()->isEnabled());

        sheet.setLocation(halvex::Location(1, 1));
        sheet.favoritesTableView()->setCurrentIndex(sheet.favoritesModel()->index(0));
        QCOMPARE(*sheet.location(), place);
        QCOMPARE(library().selectedItem(), library().items().first());
        QVERIFY(sheet.editFavoriteAction()->isEnabled());
        // A place found otherwise leaves the favourite.
        sheet.pickCoordinate(halvex::Coordinate(10, 10));
        QTRY_VERIFY(!library().selectedItem());
        QCOMPARE(sheet.location()->latitude(), 10.0);
        QVERIFY(!sheet.deleteFavoriteAction()->isEnabled());

        sheet.favoritesTableView()->setCurrentIndex(sheet.favoritesModel()->index(0));
        sheet.deleteFavoriteAction()->trigger();
        QCOMPARE(sheet.favoritesModel()->rowCount(), 0);
        QCOMPARE(storedNames(), QStringList{});
        QVERIFY(sheet.favoritesPlaceholderView()->isVisible());
    }

    // A reorder and a rename are stored at once; a blank name shows as untitled.
    void favoritesReorderAndRenameAreStored()
    {
        setFavorites({u"a"_qs, u"b"_qs, u"c"_qs});
        FindLocationWindowController sheet;
        sheet.show();
        LocationItemListModel& model = *sheet.favoritesModel();
        std::unique_ptr<QMimeData> dragged(model.mimeData({model.index(2)}));
        QVERIFY(model.canDropMimeData(dragged.get(), Qt::MoveAction, 0, 0, {}));
        QVERIFY(model.dropMimeData(dragged.get(), Qt::MoveAction, 0, 0, {}));
        QCOMPARE(shownNames(model), (QStringList{u"c"_qs, u"a"_qs, u"b"_qs}));
        QCOMPARE(storedNames(), (QStringList{u"c"_qs, u"a"_qs, u"b"_qs}));

        QVERIFY(model.setData(model.index(1), u"Home"_qs));
        QVERIFY(model.setData(model.index(2), u"  "_qs));
        QCOMPARE(shownNames(model), (QStringList{u"c"_qs, u"Home"_qs, u"Untitled"_qs}));
        QCOMPARE(storedNames(), (QStringList{u"c"_qs, u"Home"_qs, u"  "_qs}));
    }

    // Dragged rows are checked against the list: a drop onto a row, rows of another list, rows
    // that are gone and damaged data are refused, and nothing moves.
    void favoritesRefuseForeignOrStaleRows()
    {
        setFavorites({u"a"_qs, u"b"_qs, u"c"_qs});
        FindLocationWindowController sheet;
        LocationItemListModel& model = *sheet.favoritesModel();
        LocationItemListModel other(library());

        std::unique_ptr<QMimeData> own(model.mimeData({model.index(0)}));
        std::unique_ptr<QMimeData> foreign(other.mimeData({other.index(0)}));
        std::unique_ptr<QMimeData> stale(model.mimeData({model.index(2)}));
        auto damaged = std::make_unique<QMimeData>();
        damaged->setData(LocationItemListModel::rowMimeType(), QByteArray("\x01\x02"));
        auto plain = std::make_unique<QMimeData>();
        plain->setText(u"0"_qs);

        QVERIFY(!model.canDropMimeData(own.get(), Qt::MoveAction, -1, -1, model.index(1)));
        QVERIFY(!model.dropMimeData(own.get(), Qt::MoveAction, -1, -1, model.index(1)));
        QVERIFY(!model.dropMimeData(foreign.get(), Qt::MoveAction, 0, 0, {}));
        QVERIFY(!model.dropMimeData(damaged.get(), Qt::MoveAction, 0, 0, {}));
        QVERIFY(!model.dropMimeData(plain.get(), Qt::MoveAction, 0, 0, {}));
        library().removeItems(brisa::IndexSet{2});
        QVERIFY(!model.dropMimeData(stale.get(), Qt::MoveAction, 0, 0, {}));
        QCOMPARE(shownNames(model), (QStringList{u"a"_qs, u"b"_qs}));
    }

    // A favourite edited in the edit sheet changes, is stored and becomes the place; the
    // place on display is edited the same way without touching the favourites.
    void favoritesEditedInTheEditSheet()
    {
        setFavorites({u"a"_qs});
        FindLocationWindowController sheet;
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        sheet.favoritesTableView()->setCurrentIndex(sheet.favoritesModel()->index(0));
        sheet.editFavoriteAction()->trigger();
        QTRY_VERIFY(sheet.locationEditSheet() && sheet.locationEditSheet()->isVisible());
        LocationEditWindowController* edit = sheet.locationEditSheet();
        QCOMPARE(edit->latitudeField()->text(), u"40.00000000"_qs);
        edit->latitudeField()->setText(u"41.5"_qs);
        edit->addressFields()[3]->setText(u"Town"_qs);
        edit->applyButton()->click();
        QTRY_VERIFY(!sheet.locationEditSheet());
        QCOMPARE(library().items().first()->location().latitude(), 41.5);
        QCOMPARE(sheet.location()->city(), u"Town"_qs);
        LocationManager stored(libraryPath());
        stored.load();
        QCOMPARE(stored.items().first()->location().latitude(), 41.5);

        sheet.editCurrentLocationAction()->trigger();
        QTRY_VERIFY(sheet.locationEditSheet() && sheet.locationEditSheet()->isVisible());
        sheet.locationEditSheet()->latitudeField()->setText(u"95"_qs);
        QVERIFY(!sheet.locationEditSheet()->applyButton()->isEnabled());
        sheet.locationEditSheet()->latitudeField()->setText(u"-33.5"_qs);
        sheet.locationEditSheet()->applyButton()->click();
        QTRY_VERIFY(!sheet.locationEditSheet());
        QCOMPARE(sheet.location()->latitude(), -33.5);
        QCOMPARE(library().items().first()->location().latitude(), 41.5);
    }

    // The slider turns the place; less than a degree leaves the pin as it was; a turned
    // favourite is no longer selected.
    void directionSliderTurnsThePlace()
    {
        setFavorites({u"a"_qs});
        FindLocationWindowController sheet;
        sheet.show();
        QVERIFY(!sheet.directionSlider()->isEnabled());
        sheet.favoritesTableView()->setCurrentIndex(sheet.favoritesModel()->index(0));
        QVERIFY(sheet.directionSlider()->isEnabled());
        QCOMPARE(sheet.directionSlider()->value(), 0);
        sheet.directionSlider()->setValue(950);
        QCOMPARE(sheet.location()->direction(), 95.0);
        QCOMPARE(sheet.mapView()->annotations().first().direction, 95.0);
        QVERIFY(!library().selectedItem());
        QVERIFY(!library().items().first()->location().direction());
        sheet.directionSlider()->setValue(955);
        QCOMPARE(sheet.location()->direction(), 95.5);
        QCOMPARE(sheet.mapView()->annotations().first().direction, 95.0);
        sheet.setLocation(halvex::Location(1, 2).withDirection(270));
        QCOMPARE(sheet.directionSlider()->value(), 2700);
    }

    // A library that cannot be stored (a folder stands in the file's way) is reported in the
    // sheet; the favourite stays.
    void favoritesThatCannotBeStoredAreReported()
    {
        QFile::remove(libraryPath());
        QVERIFY(QDir().mkpath(libraryPath() + u"/blocked"_qs));
        const auto restore = qScopeGuard([] { QDir(libraryPath()).removeRecursively(); });
        FindLocationWindowController sheet;
        sheet.show();
        QVERIFY(!sheet.messageLabel()->isVisible());
        sheet.setLocation(halvex::Location(1, 2, std::nullopt, std::nullopt, std::nullopt,
                                           halvex::TextLocation(u"Spot"_qs, {}, {}, {}, {}, {}, {}, {})));
        sheet.addToFavoritesAction()->trigger();
        QCOMPARE(shownNames(*sheet.favoritesModel()), QStringList{u"Spot"_qs});
        QVERIFY(sheet.messageLabel()->isVisible());
        QVERIFY2(sheet.messageLabel()->text().contains(u"Locations.json"_qs), qPrintable(sheet.messageLabel()->text()));
    }

    // A town found by name (Return takes the first one and leaves the sheet open); typed
    // coordinates kept as typed, with the town's address added; nothing found says so.
    void searchesTownsAndCoordinates()
    {
        FindLocationWindowController sheet;
        sheet.show();
        QVERIFY(!sheet.setButton()->isEnabled());
        QCOMPARE(sheet.coordinatesTextField()->text(), u"No Results"_qs);
        QTest::keyClicks(sheet.searchField(), QStringLiteral("zur"));
        QTRY_VERIFY(!sheet.searchEngine()->isSearching());
        QVERIFY(sheet.resultList()->count() > 0);
        QVERIFY(!sheet.setButton()->isEnabled());
        QVERIFY(sheet.resultList()->item(0)->text().startsWith(u"Zürich"_qs));
        QTest::keyClick(sheet.searchField(), Qt::Key_Return);
        QVERIFY(sheet.isVisible());
        QVERIFY(sheet.location());
        QCOMPARE(sheet.location()->city(), u"Zürich"_qs);
        QVERIFY(sheet.setButton()->isEnabled());
        QVERIFY(sheet.mapView()->region().contains(sheet.location()->coordinate()));
        QVERIFY2(sheet.coordinatesTextField()->text().startsWith(u"47.3"_qs), qPrintable(sheet.coordinatesTextField()->text()));
        QVERIFY(sheet.coordinatesTextField()->text().contains(u"Zürich"_qs));

        sheet.searchField()->clear();
        QTest::keyClicks(sheet.searchField(), QStringLiteral("48.8600, 2.3400"));
        QTRY_VERIFY(sheet.location() && sheet.location()->city() == u"Paris"_qs);
        QCOMPARE(sheet.location()->latitude(), 48.86);
        QCOMPARE(sheet.location()->longitude(), 2.34);
        // The town picked before can be picked again.
        QCOMPARE(sheet.resultList()->currentRow(), -1);
        sheet.resultList()->setCurrentRow(0);
        QCOMPARE(sheet.location()->city(), u"Zürich"_qs);
        sheet.searchField()->clear();
        QTest::keyClicks(sheet.searchField(), QStringLiteral("48.8600, 2.3400"));
        QTRY_VERIFY(sheet.location()->city() == u"Paris"_qs);

        // Nothing found: the list says so and offers nothing to pick; the last place stays.
        sheet.searchField()->clear();
        QTest::keyClicks(sheet.searchField(), QStringLiteral("Qzxqzx"));
        QTRY_VERIFY(!sheet.searchEngine()->isSearching());
        QCOMPARE(sheet.resultList()->count(), 1);
        QCOMPARE(sheet.resultList()->item(0)->text(), u"No Results"_qs);
        QCOMPARE(sheet.resultList()->item(0)->flags(), Qt::NoItemFlags);
        QTest::keyClick(sheet.searchField(), Qt::Key_Return);
        QTRY_VERIFY(!sheet.searchEngine()->isSearching());
        QCOMPARE(sheet.location()->city(), u"Paris"_qs);
        QVERIFY(sheet.isVisible());
    }

    // Without a list of places, or with one that cannot be read, a search says so and names the
    // file; typed coordinates are still taken.
    void missingGazetteerIsNamed()
    {
        const std::shared_ptr<halvex::Geocoder> installed = halvex::Geocoder::shared();
        const auto restore = qScopeGuard([&installed] { halvex::Geocoder::setShared(installed); });
        const QString folder = u"/nonexistent/gazetteer"_qs;
        halvex::Geocoder::setShared(std::make_shared<halvex::GazetteerGeocoder>(folder));
        FindLocationWindowController sheet;
        sheet.show();
        QTest::keyClicks(sheet.searchField(), QStringLiteral("Zur"));
        QTRY_VERIFY(!sheet.searchEngine()->isSearching());
        QVERIFY(sheet.messageLabel()->isVisible());
        QVERIFY2(sheet.messageLabel()->text().contains(folder), qPrintable(sheet.messageLabel()->text()));
        QCOMPARE(sheet.resultList()->item(0)->text(), u"No Results"_qs);

        sheet.searchField()->setText(u"48.86, 2.34"_qs);
        sheet.search(true);
        QTRY_VERIFY(sheet.location() && sheet.location()->latitude() == 48.86);
        QVERIFY(!sheet.location()->city());

        halvex::Geocoder::setShared(nullptr);
        sheet.searchField()->setText(u"Zurich"_qs);
        sheet.search();
        QTRY_VERIFY(!sheet.searchEngine()->isSearching());
        QVERIFY2(sheet.messageLabel()->text().contains(u"no list of places"_qs), qPrintable(sheet.messageLabel()->text()));
    }

    // The indicator turns while a search runs. A newer search supersedes the running one: the
    // indicator keeps turning until the newer one ends and the older one's towns never show.
    // The same text is not searched again while its search runs, but is once it has ended;
    // emptying the field drops the search under way.
    void indicatorSpinsWhileSearchesRun()
    {
        struct Gate {
            QMutex mutex;
            QStringList calls;
            QSemaphore started;
            QHash<QString, QSemaphore*> open;
        };
        auto gate = std::make_shared<Gate>();
        QSemaphore alpha, beta;
        gate->open.insert(u"alpha"_qs, &alpha);
        gate->open.insert(u"beta"_qs, &beta);

        FindLocationWindowController sheet;
        sheet.searchEngine()->setSearcher([gate](const QString& text, const std::optional<halvex::Coordinate>&,
                                                 const halvex::CoordinateRegion&) {
            {
                QMutexLocker lock(&gate->mutex);
                gate->calls << text;
            }
            gate->started.release();
            gate->open.value(text)->acquire();
            LocationSearchEngine::Result result;
            result.places << halvex::Location(1, 2, std::nullopt, std::nullopt, std::nullopt,
                                              halvex::TextLocation({}, {}, {}, text, {}, {}, {}, {}));
            return result;
        });
        sheet.show();
        SpinningProgressIndicator* indicator = sheet.progressIndicator();
        const auto searchFor = [&sheet](const QString& text) {
            sheet.searchField()->setText(text);
            sheet.search();
        };
        const auto calls = [&gate] {
            QMutexLocker lock(&gate->mutex);
            return gate->calls;
        };
        QVERIFY(!indicator->isVisible());

        searchFor(u"alpha"_qs);
        QVERIFY(gate->started.tryAcquire(1, 5000));
        QVERIFY(indicator->isVisible() && indicator->isAnimating());
        searchFor(u"beta"_qs);
        searchFor(u"beta"_qs);
        alpha.release();
        QVERIFY(gate->started.tryAcquire(1, 5000));
        QTest::qWait(50);
        QVERIFY(indicator->isVisible() && indicator->isAnimating());
        QCOMPARE(sheet.resultList()->count(), 0);
        beta.release();
        QTRY_VERIFY(!indicator->isVisible());
        QVERIFY(!indicator->isAnimating());
        QCOMPARE(sheet.resultList()->count(), 1);
        QVERIFY(sheet.resultList()->item(0)->text().contains(u"beta"_qs));
        QCOMPARE(calls(), (QStringList{u"alpha"_qs, u"beta"_qs}));

        searchFor(u"beta"_qs);
        QVERIFY(gate->started.tryAcquire(1, 5000));
        QVERIFY(indicator->isAnimating());
        beta.release();
        QTRY_VERIFY(!indicator->isAnimating());
        QCOMPARE(calls().size(), 3);

        searchFor(u"alpha"_qs);
        QVERIFY(gate->started.tryAcquire(1, 5000));
        searchFor(QString());
        QVERIFY(!indicator->isVisible() && !indicator->isAnimating());
        QCOMPARE(sheet.resultList()->count(), 0);
        alpha.release();
        QTest::qWait(50);
        QCOMPARE(sheet.resultList()->count(), 0);
        QVERIFY(!indicator->isVisible());
    }

    // Zoom to fit and centre act on the place's pin, and are enabled only while there is one;
    // zoom in and out always are.
    void zoomSegmentsActOnThePin()
    {
        FindLocationWindowController sheet;
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        maps::SyncRegionMapView* map = sheet.mapView();
        QVERIFY(sheet.zoomInAction()->isEnabled() && sheet.zoomOutAction()->isEnabled());
        QVERIFY(!sheet.zoomToFitAction()->isEnabled() && !sheet.centerSelectionAction()->isEnabled());
        const halvex::CoordinateRegion world = map->region();
        sheet.zoomToFit();
        sheet.centerSelection();
        QCOMPARE(map->region().centre().latitude(), world.centre().latitude());
        QCOMPARE(map->region().longitudeDelta(), world.longitudeDelta());

        const halvex::Coordinate place(-33.8688, 151.2093);
        sheet.setLocation(halvex::Location(place.latitude(), place.longitude()));
        QVERIFY(sheet.zoomToFitAction()->isEnabled() && sheet.centerSelectionAction()->isEnabled());
        // Far away and wide: centring brings the pin to the middle and keeps the span.
        map->setCentre(halvex::Coordinate(40, -100), 3);
        const double span = map->region().longitudeDelta();
        QTest::mouseClick(sheet.findChild<QToolButton*>(u"centerButton"_qs), Qt::LeftButton);
        QVERIFY(std::abs(map->region().centre().latitude() - place.latitude()) < 1e-6);
        QVERIFY(std::abs(map->region().centre().longitude() - place.longitude()) < 1e-6);
        QVERIFY(std::abs(map->region().longitudeDelta() - span) < span * 1e-6);
        // Zoom to fit closes in on the pin.
        QTest::mouseClick(sheet.findChild<QToolButton*>(u"zoomToFitButton"_qs), Qt::LeftButton);
        QVERIFY(map->region().contains(place));
        QVERIFY(map->region().longitudeDelta() < 1);

        sheet.setLocation(std::nullopt);
        QVERIFY(!sheet.zoomToFitAction()->isEnabled() && !sheet.centerSelectionAction()->isEnabled());
    }

    // The style menu stores the style every map follows, checks the stored one, and the sheet's
    // map takes a style set elsewhere at once.
    void mapStyleMenuSetsAndChecksTheStyle()
    {
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        const QString imagery = u"http://127.0.0.1:1/imagery/{z}/{x}/{y}.jpg"_qs;
        defaults.set(Settings::mapViewTypeValue(), MapType::standard);
        defaults.set(Settings::mapImageryTileURLTemplate(), imagery);
        const auto restore = qScopeGuard([&defaults] {
            defaults.set(Settings::mapViewTypeValue(), MapType::standard);
            defaults.set(Settings::mapImageryTileURLTemplate(), QString());
        });
        FindLocationWindowController sheet;
        const QList<QAction*> styles = sheet.mapStyleActions();
        QCOMPARE(styles.size(), 6);
        const auto checked = [&styles] {
            QList<int> tags;
            for (QAction* action : styles) {
                if (action->isChecked())
                    tags << action->data().toInt();
            }
            return tags;
        };
        QCOMPARE(checked(), QList<int>{0});
        QCOMPARE(sheet.mapStyleButton()->menu(), sheet.mapStyleMenu());

        styles[1]->trigger();
        QCOMPARE(defaults.value(Settings::mapViewTypeValue()), MapType::satellite);
        QCOMPARE(checked(), QList<int>{1});
        QCOMPARE(sheet.mapView()->tileSource()->urlTemplate(), imagery);
        styles[5]->trigger();
        QCOMPARE(defaults.value(Settings::mapViewTypeValue()), MapType::mutedStandard);
        QCOMPARE(sheet.mapView()->tileSource()->urlTemplate(), QString());

        // A number outside the styles is the standard map.
        FindLocationWindowController::changeMapStyle(9);
        QCOMPARE(defaults.value(Settings::mapViewTypeValue()), MapType::standard);
        QCOMPARE(checked(), QList<int>{0});
        defaults.set(Settings::mapViewTypeValue(), MapType::hybrid);
        QCOMPARE(checked(), QList<int>{2});
        QCOMPARE(sheet.mapView()->tileSource()->urlTemplate(), imagery);
    }

    // The map's region is kept: a sheet opened without a place shows the region the last one
    // ended with; with nothing stored (all four numbers 0) it shows the world.
    void regionIsKeptBetweenSheets()
    {
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        const auto clearRegion = [&defaults] {
            for (const char* key : {"MapCenterLatitudeValue", "MapCenterLongitudeValue", "MapCenterLatitudeDelta",
                                    "MapCenterLongitudeDelta"})
                defaults.setObject(FindLocationWindowController::autosaveName + QString::fromLatin1(key), 0.0);
        };
        clearRegion();
        const auto restore = qScopeGuard(clearRegion);
        halvex::CoordinateRegion kept(halvex::Coordinate(0, 0), 1, 1);
        {
            FindLocationWindowController sheet;
            sheet.show();
            QVERIFY(QTest::qWaitForWindowExposed(&sheet));
            QCOMPARE(sheet.mapView()->zoom(), 1.0);
            sheet.setLocation(halvex::Location(-33.8688, 151.2093));
            sheet.zoomOutAction()->trigger();
            kept = sheet.mapView()->region();
            sheet.cancelButton()->click();
        }
        FindLocationWindowController again;
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        const halvex::CoordinateRegion shown = again.mapView()->region();
        QVERIFY(std::abs(shown.centre().latitude() - kept.centre().latitude()) < 1e-3);
        QVERIFY(std::abs(shown.centre().longitude() - kept.centre().longitude()) < 1e-3);
        QVERIFY(std::abs(shown.longitudeDelta() - kept.longitudeDelta()) < kept.longitudeDelta() * 0.05);
    }

    // A tile server out of reach is named below the map, with the reason.
    void unreachableTileServerIsNamed()
    {
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        defaults.set(Settings::mapStandardTileURLTemplate(), u"http://127.0.0.1:1/{z}/{x}/{y}.png"_qs);
        const auto restore = qScopeGuard([&defaults] { defaults.set(Settings::mapStandardTileURLTemplate(), QString()); });
        FindLocationWindowController sheet;
        sheet.show();
        QTRY_VERIFY_WITH_TIMEOUT(sheet.messageLabel()->isVisible(), 20000);
        QVERIFY2(sheet.messageLabel()->text().contains(u"127.0.0.1:1"_qs), qPrintable(sheet.messageLabel()->text()));
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
        QTRY_VERIFY(sheet.location() && sheet.location()->latitude() == clicked.latitude());
        QCOMPARE(sheet.location()->longitude(), clicked.longitude());
        QVERIFY(sheet.location()->city().has_value());

        sheet.setButton()->click();
        QCOMPARE(sheet.result(), 1);
    }

    // The touch bar: Cancel and Save between flexible spaces, Save only while there is a place.
    void touchBarButtons()
    {
        FindLocationWindowController sheet;
        sheet.show();
        const QList<brisa::DynamicTouchBarItem*> items = sheet.touchBar().touchBar();
        QCOMPARE(items.size(), 4);
        QVERIFY(items[0]->isFlexibleSpace() && items[3]->isFlexibleSpace());
        QCOMPARE(items[1]->settings().title, u"Cancel"_qs);
        QVERIFY(!items[2]->isEnabled());
        QVERIFY(!items[2]->perform());
        QVERIFY(sheet.isVisible());
        sheet.setLocation(halvex::Location(1, 2));
        QVERIFY(items[2]->isEnabled());
        QVERIFY(items[2]->perform());
        QCOMPARE(sheet.result(), 1);
        QVERIFY(!sheet.isVisible());
    }
};

QTEST_MAIN(FindLocationWindowControllerTest)
#include "FindLocationWindowControllerTest.moc"
