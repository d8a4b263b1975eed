#include "engine/halvex/libraries/LocationManager.h"

#include "LibraryTestSupport.h"

#include <QTimeZone>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace halvex;
using librarytest::contents;
using librarytest::errorOf;
using librarytest::ListRecorder;
using librarytest::put;
using librarytest::verifySameItems;

namespace {

using Edition = LibraryListEdition;

LocationItemPtr item(const QString& name, const Location& location = Location(0, 0))
{
    return std::make_shared<LocationItem>(name, location);
}

// Every part filled, outside ASCII, and the places where a number or a date could lose a digit.
QList<LocationItemPtr> sample()
{
    const TextLocation eiffel(QStringLiteral("Tour Eiffel"), QStringLiteral("Avenue Gustave-Eiffel"),
                              QStringLiteral("5"), QStringLiteral("Paris"), QStringLiteral("Île-de-France"),
                              QStringLiteral("75007"), QStringLiteral("France"), QStringLiteral("FR"));
    const TextLocation blanks(QString(), std::nullopt, QString(), std::nullopt, QStringLiteral(" "), std::nullopt,
                              QString(), std::nullopt);
    return {
        item(QStringLiteral("Tour Eiffel, “la dame de fer” 🗼"),
             Location(48.8584, 2.2945, 35.5, QDateTime(QDate(2024, 7, 14), QTime(22, 30, 15, 250), QTimeZone(7200)),
                      271.25, eiffel)),
        item(QString(), Location(0, 0)),
        item(QStringLiteral("North-east corner"), Location(90, 180)),
        item(QStringLiteral("South-west corner"), Location(-90, -180, -430.5, std::nullopt, 0.0)),
        item(QStringLiteral("東京タワー"),
             Location(35.658581, 139.745433, std::nullopt,
                      QDateTime(QDate(1958, 12, 23), QTime(0, 0), QTimeZone::utc()), 359.999999999999)),
        item(QStringLiteral("Digits"),
             Location(0.1 + 0.2, -1e-300, 8848.86,
                      QDateTime(QDate(2023, 1, 1), QTime(23, 59, 59, 999), QTimeZone(-9 * 3600 - 1800)), std::nullopt,
                      blanks)),
    };
}

} // namespace

class LocationManagerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder_.reset(new QTemporaryDir);
        QVERIFY(folder_->isValid());
        path_ = folder_->filePath(QStringLiteral("Locations.json"));
    }

    void sharedManagerStoresInTheDataFolder()
    {
        LocationManager& shared = LocationManager::shared();
        QCOMPARE(&shared, &LocationManager::shared());
        shared.setItems({item(QStringLiteral("Shared"))});
        shared.save();
        QVERIFY(QFile::exists(LibraryFile::dataPath(QStringLiteral("Locations.json"))));
    }

    void savedLibraryLoadsBackUnchanged()
    {
        LocationManager saved(path_);
        saved.setItems(sample());
        saved.save();
        const QByteArray file = contents(path_);

        LocationManager loaded(path_);
        loaded.load();
        verifySameItems(loaded.items(), sample());
        if (QTest::currentTestFailed())
            return;

        // Absent parts stay absent and empty texts stay empty; dates keep their offset.
        const Location digits = loaded.items().at(5)->location();
        QCOMPARE(digits.placeName(), std::optional<QString>(QString()));
        QCOMPARE(digits.streetName(), std::nullopt);
        QCOMPARE(digits.direction(), std::nullopt);
        QCOMPARE(digits.date()->offsetFromUtc(), -9 * 3600 - 1800);
        QCOMPARE(digits.date()->time(), QTime(23, 59, 59, 999));
        QCOMPARE(loaded.items().at(1)->location().date(), std::nullopt);

        // Saving what was loaded writes the same file, so nothing drifts from launch to launch.
        loaded.save();
        QCOMPARE(contents(path_), file);
        QVERIFY(file.count('\n') > 20);
    }

    void numbersJsonCannotHoldLoadBack()
    {
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        constexpr double infinity = std::numeric_limits<double>::infinity();
        LocationManager saved(path_);
        saved.setItems({item(QStringLiteral("Odd"), Location(nan, -infinity, infinity, std::nullopt, nan))});
        saved.save();

        LocationManager loaded(path_);
        loaded.load();
        const Location odd = loaded.items().at(0)->location();
        QVERIFY(std::isnan(odd.latitude()));
        QCOMPARE(odd.longitude(), -infinity);
        QCOMPARE(odd.altitude(), std::optional<double>(infinity));
        QVERIFY(std::isnan(*odd.direction()));
    }

    void missingLibraryStartsEmpty()
    {
        LocationManager manager(path_);
        manager.load();
        QVERIFY(manager.items().isEmpty());
        QVERIFY(!QFile::exists(path_));
    }

    void unreadableLibraryThrowsAndResetKeepsItAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // %1: the file

        QTest::newRow("not JSON") << QByteArray("[{\"name\": \"Home\",\n \"location\": {\"latitude\": 1,}}]")
                                  << QStringLiteral("LibraryFileJSONError(%1, object is missing after a comma, 2, 30)");
        QTest::newRow("wrong shape")
            << QByteArray("{\"name\": \"Home\"}")
            << QStringLiteral("LibraryFileTopContentError(%1)");
        QTest::newRow("wrong field type")
            << QByteArray("[{\"name\": \"Home\", \"location\": {\"latitude\": \"north\", \"longitude\": 2}}]")
            << QStringLiteral("LibraryFileInvalidValueError(%1, Index 0 / location / latitude, "
                              "Expected a number but found the text \"north\" instead.)");
        QTest::newRow("missing field")
            << QByteArray("[{\"name\": \"Home\", \"location\": {\"latitude\": 1, \"longitude\": 2}}, {\"name\": \"Work\"}]")
            << QStringLiteral("LibraryFileMissingValueError(%1, Index 1 / location)");
        QTest::newRow("bad date")
            << QByteArray("[{\"name\": \"Home\", \"location\": {\"latitude\": 1, \"longitude\": 2, \"date\": \"yesterday\"}}]")
            << QStringLiteral("LibraryFileInvalidValueError(%1, Index 0 / location / date, Expected a date such as "
                              "\"2024-01-31T09:45:00.000+01:00\" but found \"yesterday\" instead.)");
    }

    void unreadableLibraryThrowsAndResetKeepsItAside()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        librarytest::verifyUnreadableLibraryIsKeptAside(path_, bytes, error.arg(path_), sample(),
                                                        &LocationManager::setItems, &LocationManager::items);
    }

    void failedSaveIsReportedAndTheOldFileStays()
    {
        LocationManager manager(path_);
        manager.setItems(sample());
        librarytest::verifyFailedSaveKeepsTheOldFile(manager, path_, [&manager] {
            for (int i = 0; i < 200; ++i)
                manager.insertItems({item(QStringLiteral("One more favourite place"))}, 0);
        });
        QCOMPARE(manager.items().size(), sample().size() + 200);
    }

    void selectionPostsOnlyRealChanges()
    {
        LocationManager manager(path_);
        const LocationItemPtr first = item(QStringLiteral("Home"));
        const LocationItemPtr twin = item(QStringLiteral("Home")); // equal content, another item
        const LocationItemPtr stranger = item(QStringLiteral("Not in the library"));
        manager.setItems({first, twin});
        QVERIFY(*first == *twin);
        ListRecorder recorder({LocationManager::didChangeItemsNotification});

        // (item to select, selected afterwards, notes)
        const QList<std::tuple<LocationItemPtr, LocationItemPtr, int>> steps{
            {first, first, 1},       {first, first, 0}, {twin, twin, 1}, {twin, twin, 0},
            {stranger, nullptr, 1},  {nullptr, nullptr, 0}, {stranger, nullptr, 0}, {first, first, 1},
        };
        for (const auto& [selected, expected, posts] : steps) {
            manager.setSelectedItem(selected);
            QCOMPARE(manager.selectedItem(), expected);
            recorder.expectSelections(posts, &manager);
        }

        // Removing the selected item clears the selection before the removal is told.
        LocationItemPtr seenSelected = first;
        brisa::NoteSubscriber observer;
        observer.subscribe(LocationManager::didChangeItemsNotification, &manager,
                           [&](const brisa::Notification&) { seenSelected = manager.selectedItem(); });
        manager.removeItems({0});
        recorder.expectOne(LocationManager::didChangeItemsNotification, &manager, Edition::removal({0}));
        QCOMPARE(seenSelected, nullptr);
        QCOMPARE(manager.selectedItem(), nullptr);

        manager.setSelectedItem(twin);
        recorder.take();
        manager.setItems({first});
        recorder.expectOne(LocationManager::didChangeItemsNotification, &manager, Edition::reload());
        QCOMPARE(manager.selectedItem(), nullptr);
    }

    void editsPostTheirChange()
    {
        LocationManager manager(path_);
        const QList<LocationItemPtr> items = sample();
        manager.setItems(items);
        ListRecorder recorder({LocationManager::didChangeItemsNotification, LocationItem::didChangeInfoNotification});
        const QString changed = LocationManager::didChangeItemsNotification;
        const auto names = [&manager] {
            QStringList list;
            for (const LocationItemPtr& item : manager.items())
                list.append(item->name().left(1));
            return list.join(QString());
        };
        QCOMPARE(names(), QStringLiteral("TNS東D"));

        manager.insertItems({item(QStringLiteral("A")), item(QStringLiteral("B"))}, 1);
        recorder.expectOne(changed, &manager, Edition::insertion({1, 2}));
        manager.insertItems({item(QStringLiteral("Z"))}, 99);
        recorder.expectOne(changed, &manager, Edition::insertion({8}));
        QCOMPARE(names(), QStringLiteral("TABNS東DZ"));

        manager.moveItems({0, 2, 40}, 5);
        recorder.expectOne(changed, &manager, Edition::move({0, 2}, 5));
        QCOMPARE(names(), QStringLiteral("ANTBS東DZ"));
        manager.moveItems({7}, 99);
        recorder.expectOne(changed, &manager, Edition::move({7}, 9));
        manager.moveItems({7}, 2);
        recorder.expectOne(changed, &manager, Edition::move({7}, 2));
        QCOMPARE(names(), QStringLiteral("AZNTBS東D"));

        manager.removeItems({1, 2, 40});
        recorder.expectOne(changed, &manager, Edition::removal({1, 2}));
        QCOMPARE(names(), QStringLiteral("ANTBS東D"));

        // Changes that change nothing tell nothing.
        manager.moveItems({1}, 1);
        manager.moveItems({1}, 2);
        manager.moveItems({0, 1}, 0);
        manager.moveItems({}, 3);
        manager.removeItems({7, 8});
        manager.insertItems({}, 0);
        QVERIFY(recorder.take().isEmpty());
        QCOMPARE(names(), QStringLiteral("ANTBS東D"));

        const LocationItemPtr tower = manager.items().at(5);
        tower->setName(QStringLiteral("Tokyo Tower"));
        recorder.expectOne(LocationItem::didChangeInfoNotification, tower.get(), std::nullopt);
        tower->setLocation(tower->location().withDirection(90.0));
        recorder.expectOne(LocationItem::didChangeInfoNotification, tower.get(), std::nullopt);
        QCOMPARE(tower->location().direction(), std::optional<double>(90.0));

        manager.setItems({});
        recorder.expectOne(changed, &manager, Edition::reload());
    }

    void observersMayCallBack()
    {
        LocationManager manager(path_);
        manager.setItems(sample());
        QList<std::optional<Edition>> seen;
        brisa::NoteSubscriber observer;
        observer.subscribe(LocationManager::didChangeItemsNotification, &manager, [&](const brisa::Notification& note) {
            seen.append(LocationManager::itemEdition(note));
            // As the favourites table does: the selection follows the rows.
            if (!manager.selectedItem() && !manager.items().isEmpty())
                manager.setSelectedItem(manager.items().constLast());
        });
        manager.insertItems({item(QStringLiteral("New"))}, 6);
        QCOMPARE(seen, (QList<std::optional<Edition>>{Edition::insertion({6}), Edition::selection()}));
        QCOMPARE(manager.selectedItem()->name(), QStringLiteral("New"));
    }

    void decodersRefuseOtherNotes()
    {
        const brisa::Notification bare{LocationManager::didChangeItemsNotification, nullptr, {}};
        QCOMPARE(LocationManager::itemEdition(bare), std::nullopt);
        brisa::Notification other{QStringLiteral("Other"), nullptr, Edition::move({1}, 3).userInfo()};
        QCOMPARE(LocationManager::itemEdition(other), std::nullopt);
        other.name = LocationManager::didChangeItemsNotification;
        const std::optional<Edition> edition = LocationManager::itemEdition(other);
        QCOMPARE(edition, Edition::move({1}, 3));
        QCOMPARE(edition->kind(), Edition::Kind::move);
        QCOMPARE(edition->destination(), 3);
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString path_;
};

QTEST_GUILESS_MAIN(LocationManagerTest)
#include "LocationManagerTest.moc"
