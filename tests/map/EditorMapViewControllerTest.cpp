#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/places/CoordinateRegion.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "editor/EditorFileGridBarController.h"
#include "editor/EditorFileListBarController.h"
#include "map/EditorMapBarController.h"
#include "map/EditorMapSidebarController.h"
#include "map/EditorMapViewController.h"
#include "map/MapPinSnapshot.h"
#include "map/MapSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/maps/BaseMap.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/SyncRegionMapView.h"
#include "support/TestEnvironment.h"
#include "support/ui/TileServerStandIn.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include "filemodel/MetadataFileListModel.h"
#include <QToolButton>
#include <QProcess>
#include <QSplitter>
#include <QTemporaryDir>
#include <QLabel>
#include <QtTest>

#include <cmath>

using namespace corvelle;
using corvelle::test::fixturePath;

namespace {

constexpr int taskTimeout = 60000;

QString exifTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("exiftool"), arguments);
    process.waitForFinished(taskTimeout);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

} // namespace

class EditorMapViewControllerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<test::TileServerStandIn> server_;
    std::unique_ptr<EditorWindowController> controller_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }

    EditorMapViewController* section() const
    {
        return qobject_cast<EditorMapViewController*>(controller_->editorViewController());
    }

    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTest::qWait(0);
    }

    QString copy(const QString& fixture, const QString& name)
    {
        const QString target = folder_.filePath(name);
        QFile::remove(target);
        QFile::copy(fixturePath(fixture), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

    // Rows: the photo (Zürich), a photo without position, the movie (Paris).
    void openThree()
    {
        const QString bare = copy(QStringLiteral("photo.jpg"), QStringLiteral("b-bare.jpg"));
        exifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-GPS:all="), QStringLiteral("-XMP:all="), bare});
        controller_->addFiles({QUrl::fromLocalFile(copy(QStringLiteral("photo.jpg"), QStringLiteral("a-photo.jpg"))),
                               QUrl::fromLocalFile(bare),
                               QUrl::fromLocalFile(copy(QStringLiteral("movie.mp4"), QStringLiteral("c-movie.mp4")))});
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 3, taskTimeout);
        waitForTasks();
    }

    QStringList pins() const
    {
        QStringList result;
        for (const maps::MapAnnotation& pin : section()->mapView()->annotations())
            result << QStringLiteral("%1%2%3").arg(pin.identifier.toInt()).arg(pin.isSelected ? QStringLiteral("*") : QString(), pin.title);
        return result;
    }

private Q_SLOTS:
    void init()
    {
        server_ = std::make_unique<test::TileServerStandIn>();
        defaults().set(Settings::mapStandardTileURLTemplate(), server_->urlTemplate());
        defaults().set(Settings::mapImageryTileURLTemplate(), QString());
        defaults().setObject(Settings::mapDisplayOtherItemsUserChoice().name(), {});
        defaults().setObject(Settings::mapDisplayFilenameUserChoice().name(), {});
        defaults().setObject(Settings::mapViewTypeValue().name(), {});
        defaults().set(Settings::mapEditingSidebarState(), EditingSidebarState::enabled);
        defaults().set(Settings::mapAutomaticZoomUserChoice(), MapAutomaticZoomUserChoice::none);
        defaults().setObject(Settings::mapSectionFileViewMode().name(), {});
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->resize(1000, 600);
        controller_->window()->show();
        openThree();
        controller_->setContentSection(EditorContentSection::map);
        QTRY_VERIFY(section());
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
        server_.reset();
    }

    // Which files stand as pins, per selection and display settings: row, * when selected,
    // then the title.
    void pinsFollowSettingsAndSelection_data()
    {
        QTest::addColumn<QList<int>>("selection");
        QTest::addColumn<bool>("others");
        QTest::addColumn<bool>("names");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing selected") << QList<int>{} << false << false << QStringList{};
        QTest::newRow("nothing selected, others shown") << QList<int>{} << true << false << QStringList{"0", "2"};
        QTest::newRow("photo") << QList<int>{0} << false << false << QStringList{"0*"};
        QTest::newRow("photo, others shown") << QList<int>{0} << true << false << QStringList{"0*", "2"};
        QTest::newRow("no position") << QList<int>{1} << false << false << QStringList{};
        QTest::newRow("all, named") << QList<int>{0, 1, 2} << false << true << QStringList{"0*a-photo.jpg", "2*c-movie.mp4"};
        QTest::newRow("movie named, photo shown") << QList<int>{2} << true << true << QStringList{"0a-photo.jpg", "2*c-movie.mp4"};
    }

    void pinsFollowSettingsAndSelection()
    {
        QFETCH(QList<int>, selection);
        QFETCH(bool, others);
        QFETCH(bool, names);
        QFETCH(QStringList, expected);
        defaults().set(Settings::mapDisplayOtherItemsUserChoice(),
                       others ? MapDisplayOtherItemsUserChoice::display : MapDisplayOtherItemsUserChoice::hide);
        defaults().set(Settings::mapDisplayFilenameUserChoice(),
                       names ? MapDisplayFilenameUserChoice::display : MapDisplayFilenameUserChoice::hide);
        list().setSelection(brisa::IndexSet(selection));
        QStringList files;
        for (const MapPinSnapshot::File& file : section()->pinSnapshot().files())
            files << file.name + (file.coordinate ? QStringLiteral("@") : QString());
        QVERIFY2(pins() == expected, qPrintable(pins().join(u',') + u" | "_qs + files.join(u',')));
        // A position edited in a file moves its pin.
        if (selection == QList<int>{1}) {
            section()->writeLocation(halvex::Coordinate(46.0, 7.0));
            waitForTasks();
            QCOMPARE(pins(), QStringList{"1*"});
        }
    }

    // A click on a pin selects its file; Ctrl adds or removes it.
    void pinClicks()
    {
        defaults().set(Settings::mapDisplayOtherItemsUserChoice(), MapDisplayOtherItemsUserChoice::display);
        list().setSelection(brisa::IndexSet{0});
        maps::SyncRegionMapView* view = section()->mapView();
        view->setRegion(halvex::CoordinateRegion({48.8, 2.3}, 0.2, 0.2));
        const QPoint moviePin = (view->pointOf({48.8584, 2.2945}) - QPointF(0, 14)).toPoint();
        QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, moviePin);
        QCOMPARE(list().selection(), (brisa::IndexSet{0, 2}));
        QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, moviePin);
        QCOMPARE(list().selection(), brisa::IndexSet{0});
        QTest::mouseClick(view, Qt::LeftButton, {}, moviePin);
        QCOMPARE(list().selection(), brisa::IndexSet{2});
    }

    // A double click writes the position as clicked, with the town's address, into the
    // selected files; saved, ExifTool reads them back.
    void doubleClickWritesAPlace()
    {
        if (QFile::exists(halvex::Gazetteer::defaultFolder() + QStringLiteral("/cities15000.txt")))
            halvex::Geocoder::setShared(std::make_shared<halvex::GazetteerGeocoder>());
        const auto reset = qScopeGuard([] { halvex::Geocoder::setShared(nullptr); });
        list().setSelection(brisa::IndexSet{1});
        maps::SyncRegionMapView* view = section()->mapView();
        view->setRegion(halvex::CoordinateRegion({48.8566, 2.3522}, 0.1, 0.1));
        const QPoint spot = view->rect().center() + QPoint(17, -9);
        const halvex::Coordinate clicked = view->coordinateAt(spot);
        QTest::mouseDClick(view, Qt::LeftButton, {}, spot);
        waitForTasks();
        QCOMPARE(pins(), QStringList{"1*"});
        QVERIFY(controller_->validateUserInterfaceItem(QStringLiteral("saveSelectedFiles:")));
        controller_->commandAction(QStringLiteral("saveSelectedFiles:"))->trigger();
        waitForTasks();
        const QStringList read = exifTool({QStringLiteral("-n"), QStringLiteral("-s3"), QStringLiteral("-GPSLatitude"),
                                           QStringLiteral("-GPSLongitude"), QStringLiteral("-IPTC:City"),
                                           folder_.filePath(QStringLiteral("b-bare.jpg"))})
                                     .split(QLatin1Char('\n'));
        QCOMPARE(read.size(), halvex::Geocoder::shared() ? 3 : 2);
        QVERIFY(std::abs(read[0].toDouble() - clicked.latitude()) < 1e-6);
        QVERIFY(std::abs(read[1].toDouble() - clicked.longitude()) < 1e-6);
        if (halvex::Geocoder::shared())
            QCOMPARE(read[2], u"Paris"_qs);
    }

    // The map's tiles come from the server the settings name; the imagery styles use the
    // imagery server once one is set.
    void tilesFromTheSettings()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!server_->paths.isEmpty(), 10000);
        QCOMPARE(section()->tileSource()->urlTemplate(), server_->urlTemplate());
        defaults().set(Settings::mapViewTypeValue(), MapType::satellite);
        QCOMPARE(section()->tileSource()->urlTemplate(), server_->urlTemplate());
        defaults().set(Settings::mapImageryTileURLTemplate(), QStringLiteral("http://127.0.0.1:1/{z}/{x}/{y}.jpg"));
        QCOMPARE(section()->tileSource()->urlTemplate(), QStringLiteral("http://127.0.0.1:1/{z}/{x}/{y}.jpg"));
        defaults().set(Settings::mapViewTypeValue(), MapType::mutedStandard);
        QCOMPARE(section()->tileSource()->urlTemplate(), server_->urlTemplate());
    }

    // A tile server out of reach is named above the map, with the reason; the pins stay.
    void unreachableTileServerIsNamed()
    {
        QLabel* status = section()->mapBarController()->tileStatusLabel();
        QTRY_VERIFY_WITH_TIMEOUT(!server_->paths.isEmpty(), 10000);
        QVERIFY(!status->isVisible());
        defaults().set(Settings::mapStandardTileURLTemplate(), QStringLiteral("http://127.0.0.1:1/{z}/{x}/{y}.png"));
        section()->mapView()->scaleSpans(0.5);
        QTRY_VERIFY_WITH_TIMEOUT(status->isVisible(), 20000);
        QVERIFY2(status->text().contains(u"127.0.0.1:1"_qs), qPrintable(status->text()));
        QVERIFY(!section()->mapView()->annotations().isEmpty());
    }

    // A base map whose data is missing is named above the map, with the file; the pins stay.
    void missingBaseMapIsNamed()
    {
        QTemporaryDir empty;
        QTemporaryDir cache;
        section()->mapView()->setBaseMap(std::make_shared<maps::BaseMap>(empty.path(), cache.path()));
        defaults().set(Settings::mapStandardTileURLTemplate(), QStringLiteral("http://127.0.0.1:1/{z}/{x}/{y}.png"));
        // Far from the pins, where no tile was ever fetched.
        section()->mapView()->setRegion(halvex::CoordinateRegion({-40, -120}, 1, 1));
        QLabel* status = section()->mapBarController()->tileStatusLabel();
        QTRY_VERIFY2_WITH_TIMEOUT(status->text().contains(u"ne_50m_land"_qs), qPrintable(status->text()), 20000);
        QVERIFY(status->isVisible());
        QVERIFY(!section()->mapView()->annotations().isEmpty());
    }

    // Copy and paste in the section are the location tags' (and only theirs).
    void copyAndPasteLocationTags()
    {
        list().setSelection(brisa::IndexSet{0});
        QVERIFY(section()->canCopy());
        section()->copy();
        waitForTasks();
        list().setSelection(brisa::IndexSet{1});
        section()->paste();
        waitForTasks();
        QCOMPARE(pins(), QStringList{"1*"});
        list().setSelection(brisa::IndexSet{});
        QVERIFY(!section()->canCopy());
    }

    // The sidebar shows the selected files' common position in four notations and their IPTC
    // address, "-" for what they lack, a placeholder without a selection; its commands are
    // enabled as the window's rules say.
    void sidebarFollowsTheSelection_data()
    {
        QTest::addColumn<QList<int>>("selection");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("enabled");
        const QString none = QStringLiteral("-");
        QTest::newRow("nothing") << QList<int>{} << QStringList{} << QString();
        QTest::newRow("photo") << QList<int>{0}
                               << QStringList{u"47.376900°"_qs, u"N 47°22.614’, E 8°32.502’"_qs,
                                              u"47°22’36.8” N, 8°32’30.1” E"_qs, u"+47.37690+008.54170/"_qs,
                                              u"Zürich, Switzerland"_qs}
                               << "copy cut clear restore import search";
        QTest::newRow("address only") << QList<int>{1} << QStringList{none, none, none, none, u"Zürich, Switzerland"_qs}
                                      << "copy cut clear restore import search";
        QTest::newRow("photo and movie") << QList<int>{0, 2} << QStringList{none, none, none, none, none}
                                         << "copy cut clear restore import search";
    }

    void sidebarFollowsTheSelection()
    {
        QFETCH(QList<int>, selection);
        QFETCH(QStringList, values);
        QFETCH(QString, enabled);
        EditorMapSidebarController* sidebar = section()->mapSidebarController();
        QVERIFY(sidebar && sidebar->isVisible());
        list().setSelection(brisa::IndexSet(selection));
        QCOMPARE(sidebar->editionView()->isVisible(), !selection.isEmpty());
        QCOMPARE(sidebar->placeholderView()->isVisible(), selection.isEmpty());
        if (!values.isEmpty()) {
            const QStringList shown{sidebar->coordinateDDdddddField()->text(), sidebar->coordinateDDMMmmmField()->text(),
                                    sidebar->coordinateDDMMSSsField()->text(), sidebar->coordinateISO6709Field()->text(),
                                    sidebar->addressIPTCField()->text()};
            for (int i = 0; i < values.size(); ++i)
                QVERIFY2(shown[i].startsWith(values[i]), qPrintable(shown.join(u" | "_qs)));
        }
        QStringList actual;
        const QStringList names{"copy", "cut", "paste", "clear", "restore", "import", "search"};
        for (int segment = 0; segment < names.size(); ++segment) {
            QCOMPARE(sidebar->segmentAction(segment)->isEnabled(), sidebar->canPerform(segment));
            // Paste depends on what was copied before: see the commands below.
            if (segment != EditorMapSidebarController::pasteSegment && sidebar->canPerform(segment))
                actual << names[segment];
        }
        QCOMPARE(actual.join(u' '), enabled);
        QCOMPARE(sidebar->copyButton()->isEnabled(), !selection.isEmpty());
    }

    // The sidebar's commands are the window's: cut clears the photo's place, and paste is
    // then possible and writes it into the bare photo; the values follow each edit. A command
    // whose rule does not hold changes nothing.
    void sidebarCommandsEditTheFiles()
    {
        EditorMapSidebarController* sidebar = section()->mapSidebarController();
        list().setSelection(brisa::IndexSet{});
        sidebar->perform(EditorMapSidebarController::clearSegment);
        sidebar->segmentAction(EditorMapSidebarController::cutSegment)->trigger();
        sidebar->perform(7);
        waitForTasks();
        QVERIFY(!controller_->hasUnsavedChanges());

        list().setSelection(brisa::IndexSet{0});
        sidebar->segmentAction(EditorMapSidebarController::cutSegment)->trigger();
        waitForTasks();
        QTRY_COMPARE(sidebar->coordinateDDdddddField()->text(), u"-"_qs);
        QCOMPARE(sidebar->addressIPTCField()->text(), u"-"_qs);
        QVERIFY(pins().isEmpty());

        list().setSelection(brisa::IndexSet{1});
        QTRY_VERIFY(sidebar->segmentAction(EditorMapSidebarController::pasteSegment)->isEnabled());
        sidebar->pasteButton()->click();
        waitForTasks();
        QTRY_VERIFY(sidebar->coordinateDDdddddField()->text().startsWith(u"47.3769"_qs));
        QCOMPARE(pins(), QStringList{"1*"});
    }

    // The sidebar shows and hides with its setting.
    void sidebarFollowsItsSetting()
    {
        QVERIFY(section()->mapSidebarController()->isVisible());
        defaults().set(Settings::mapEditingSidebarState(), EditingSidebarState::disabled);
        QVERIFY(!section()->mapSidebarController());
        QVERIFY(controller_->validateUserInterfaceItem(QStringLiteral("enableEditingSidebar:")));
        controller_->performCommand(QStringLiteral("enableEditingSidebar:"), nullptr);
        QVERIFY(section()->mapSidebarController());
        QVERIFY(section()->mapSidebarController()->isVisible());
        list().setSelection(brisa::IndexSet{0});
        QVERIFY(section()->mapSidebarController()->addressIPTCField()->text().contains(u"Switzerland"_qs));

        // A section made while the sidebar is off leaves no empty pane at the right of the map.
        defaults().set(Settings::mapEditingSidebarState(), EditingSidebarState::disabled);
        controller_->setContentSection(EditorContentSection::tags);
        controller_->setContentSection(EditorContentSection::map);
        QTRY_VERIFY(section() && section()->isVisible());
        QVERIFY(!section()->mapSidebarController());
        QTRY_VERIFY(section()->splitter()->width() > 0);
        QCOMPARE(section()->splitter()->sizes().value(2), 0);
        const QWidget* bar = section()->mapBarController()->view();
        QVERIFY2(bar->mapTo(section()->splitter(), QPoint(bar->width(), 0)).x() >= section()->splitter()->width() - 2,
                 qPrintable(QStringLiteral("the map ends at %1 of %2")
                                .arg(bar->mapTo(section()->splitter(), QPoint(bar->width(), 0)).x())
                                .arg(section()->splitter()->width())));
    }

    // The map bar: zoom in shows a quarter of the span, zoom out four times; fit and centre
    // act on the selected pins and are enabled only with one; the selection's position is
    // written above the map.
    void mapBarCommands()
    {
        EditorMapBarController* bar = section()->mapBarController();
        maps::SyncRegionMapView* map = section()->mapView();
        list().setSelection(brisa::IndexSet{});
        QVERIFY(!bar->zoomToFitAction()->isEnabled());
        QVERIFY(!controller_->editorViewController()->validateUserInterfaceItem(QStringLiteral("mapZoomToFit:")));
        QVERIFY(controller_->editorViewController()->validateUserInterfaceItem(QStringLiteral("mapZoomIn:")));
        QCOMPARE(bar->informationTextField()->text(), QString());

        list().setSelection(brisa::IndexSet{0});
        QVERIFY(bar->zoomToFitAction()->isEnabled());
        QVERIFY(bar->centerSelectionAction()->isEnabled());
        QVERIFY(bar->informationTextField()->text().contains(u"47"_qs));
        const halvex::Coordinate zurich = section()->pinSnapshot().selectedCoordinates().first();

        map->setRegion(halvex::CoordinateRegion({10, 10}, 8, 8));
        const double span = map->region().longitudeDelta();
        bar->zoomInAnnotationsButton()->click();
        QVERIFY(std::abs(map->region().longitudeDelta() / span - 0.25) < 0.01);
        bar->zoomOutAnnotationsButton()->click();
        bar->zoomOutAnnotationsButton()->click();
        QVERIFY(std::abs(map->region().longitudeDelta() / span - 4) < 0.05);
        bar->centerAnnotationsButton()->click();
        QVERIFY(std::abs(map->centre().latitude() - zurich.latitude()) < 1e-6);
        QVERIFY(std::abs(map->region().longitudeDelta() / span - 4) < 0.05);
        map->setRegion(halvex::CoordinateRegion({-30, 100}, 2, 2));
        bar->zoomToFitAnnotationsButton()->click();
        QVERIFY(map->region().contains(zurich));
    }

    // A new selection moves the map as the automatic zoom setting says.
    void automaticZoomFollowsTheSelection_data()
    {
        QTest::addColumn<MapAutomaticZoomUserChoice>("choice");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("spanKept");
        QTest::newRow("none") << MapAutomaticZoomUserChoice::none << false << true;
        QTest::newRow("zoom") << MapAutomaticZoomUserChoice::zoom << true << false;
        QTest::newRow("center") << MapAutomaticZoomUserChoice::center << true << true;
    }

    void automaticZoomFollowsTheSelection()
    {
        QFETCH(MapAutomaticZoomUserChoice, choice);
        QFETCH(bool, shown);
        QFETCH(bool, spanKept);
        maps::SyncRegionMapView* map = section()->mapView();
        map->setRegion(halvex::CoordinateRegion({35, 139}, 20, 20));
        defaults().set(Settings::mapAutomaticZoomUserChoice(), choice);
        // The menu shows the choice.
        const QList<QAction*> zooms = section()->mapBarController()->automaticZoomActions();
        section()->mapBarController()->optionsMenu()->aboutToShow();
        QCOMPARE(zooms[int(choice)]->isChecked(), true);
        const double span = map->region().longitudeDelta();
        list().setSelection(brisa::IndexSet{0, 2});
        const QList<halvex::Coordinate> selected = section()->pinSnapshot().selectedCoordinates();
        QCOMPARE(selected.size(), 2);
        QCOMPARE(map->region().contains(selected[0]) && map->region().contains(selected[1]), shown);
        QCOMPARE(std::abs(map->region().longitudeDelta() - span) < 1e-6, spanKept);
        if (choice == MapAutomaticZoomUserChoice::center)
            QVERIFY(std::abs(map->centre().longitude() - (selected[0].longitude() + selected[1].longitude()) / 2) < 1e-6);
    }

    // The options menu writes the map's style and the pins' settings.
    void mapBarMenu()
    {
        EditorMapBarController* bar = section()->mapBarController();
        bar->mapStyleActions()[5]->trigger();
        QCOMPARE(defaults().value(Settings::mapViewTypeValue()), MapType::mutedStandard);
        bar->optionsMenu()->aboutToShow();
        QVERIFY(bar->mapStyleActions()[5]->isChecked());
        QVERIFY(!bar->showOtherItemsAction()->isChecked());
        bar->showOtherItemsAction()->trigger();
        QCOMPARE(defaults().value(Settings::mapDisplayOtherItemsUserChoice()), MapDisplayOtherItemsUserChoice::display);
        list().setSelection(brisa::IndexSet{2});
        QCOMPARE(pins(), (QStringList{"0", "2*"}));
        bar->displayFilenameAction()->trigger();
        QCOMPARE(defaults().value(Settings::mapDisplayFilenameUserChoice()), MapDisplayFilenameUserChoice::display);
        bar->displayFilenameAction()->trigger();
        QCOMPARE(defaults().value(Settings::mapDisplayFilenameUserChoice()), MapDisplayFilenameUserChoice::hide);
    }

    // The files as a grid or a list, the GPS column as the settings say; the map is hidden
    // while the window or the panes are being resized.
    void fileBarAndLiveResize()
    {
        auto* list = qobject_cast<EditorFileListBarController*>(section()->fileBarController());
        QVERIFY(list);
        defaults().set(Settings::mapSectionFileViewMode(), FileViewModeUserChoice::grid);
        QVERIFY(qobject_cast<EditorFileGridBarController*>(section()->fileBarController()));
        defaults().set(Settings::mapSectionFileViewMode(), FileViewModeUserChoice::list);
        QVERIFY(qobject_cast<EditorFileListBarController*>(section()->fileBarController()));

        QVERIFY(section()->mapView()->isVisible());
        section()->windowWillStartLiveResize();
        QVERIFY(!section()->mapView()->isVisible());
        QVERIFY(section()->mapBarController()->isLiveResizing());
        section()->windowDidEndLiveResize();
        QVERIFY(section()->mapView()->isVisible());
    }
};

QTEST_MAIN(EditorMapViewControllerTest)
#include "EditorMapViewControllerTest.moc"
