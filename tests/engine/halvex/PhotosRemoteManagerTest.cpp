#include "engine/halvex/libraries/PhotosAppAuthorizer.h"
#include "engine/halvex/libraries/PhotosAppRemote.h"
#include "engine/halvex/libraries/PhotosRemoteManager.h"
#include "engine/halvex/libraries/PhotosRemoteProfileFile.h"

#include "LibraryTestSupport.h"

#include <QThread>
#include <QTimeZone>
#include <QtTest>

using namespace halvex;
using librarytest::contents;
using librarytest::errorOf;
using librarytest::ListRecorder;
using librarytest::put;
using librarytest::verifySameItems;

namespace {

using Edition = LibraryListEdition;
using FileName = PhotosRemoteFileNameEdition;
using DateTime = PhotosRemoteDateTimeValue;

PhotosRemoteProfilePtr profile(const QString& name)
{
    auto made = std::make_shared<PhotosRemoteProfile>();
    made->setName(name);
    return made;
}

// Every edition in each of its states, texts outside ASCII, coordinates at the ends of the earth.
QList<PhotosRemoteProfilePtr> sample()
{
    return {
        std::make_shared<PhotosRemoteProfile>(
            QStringLiteral("Vacances d’été 🏖"), QStringLiteral("Pour l’album « Bretagne »\nsur deux lignes"),
            FileName::customName(QStringLiteral("Plage — 海")), QStringLiteral("Coucher de soleil, \"Saint-Malo\""),
            DateTime(QDateTime(QDate(2023, 8, 15), QTime(21, 12, 7, 125), QTimeZone(7200))),
            QStringList{QStringLiteral("plage"), QStringLiteral("été"), QStringLiteral("東京"), QStringLiteral("a, b")},
            Coordinate(48.6493, -2.0257)),
        std::make_shared<PhotosRemoteProfile>(),
        std::make_shared<PhotosRemoteProfile>(QStringLiteral("Erase everything"), QString(), FileName::customName(QString()),
                                              QString(), DateTime(), QStringList(), Coordinate(90, 180)),
        std::make_shared<PhotosRemoteProfile>(QStringLiteral("Keep names"), QStringLiteral(" "), FileName::keepCurrentName(),
                                              std::nullopt,
                                              DateTime(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59, 999), QTimeZone::utc())),
                                              std::nullopt, Coordinate(-90, -180)),
    };
}

} // namespace

class PhotosRemoteManagerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder_.reset(new QTemporaryDir);
        QVERIFY(folder_->isValid());
        path_ = folder_->filePath(QStringLiteral("RemoteProfiles.json"));
    }

    void sharedManagerStoresInTheDataFolder()
    {
        PhotosRemoteManager& shared = PhotosRemoteManager::shared();
        QCOMPARE(&shared, &PhotosRemoteManager::shared());
        shared.setProfiles({profile(QStringLiteral("Shared"))});
        shared.save();
        QVERIFY(QFile::exists(LibraryFile::dataPath(QStringLiteral("RemoteProfiles.json"))));
    }

    void savedLibraryLoadsBackUnchanged()
    {
        PhotosRemoteManager saved(path_);
        saved.setProfiles(sample());
        saved.save();
        const QByteArray file = contents(path_);

        PhotosRemoteManager loaded(path_);
        loaded.load();
        verifySameItems(loaded.profiles(), sample());
        if (QTest::currentTestFailed())
            return;
        const PhotosRemoteProfile& first = *loaded.profiles().at(0);
        QCOMPARE(first.dateTimeEdition()->date()->offsetFromUtc(), 7200);
        QCOMPARE(first.dateTimeEdition()->date()->time(), QTime(21, 12, 7, 125));
        // An empty edition erases; it is not the absence of an edition.
        const PhotosRemoteProfile& erase = *loaded.profiles().at(2);
        QCOMPARE(erase.keywordEdition(), std::optional<QStringList>(QStringList()));
        QCOMPARE(erase.photoDescriptionEdition(), std::optional<QString>(QString()));
        QCOMPARE(erase.dateTimeEdition(), std::optional<DateTime>(DateTime()));
        const PhotosRemoteProfile& empty = *loaded.profiles().at(1);
        QCOMPARE(empty.keywordEdition(), std::nullopt);
        QCOMPARE(empty.dateTimeEdition(), std::nullopt);

        loaded.save();
        QCOMPARE(contents(path_), file);
    }

    void missingLibraryStartsEmpty()
    {
        PhotosRemoteManager manager(path_);
        manager.load();
        QVERIFY(manager.profiles().isEmpty());
        QVERIFY(!QFile::exists(path_));
    }

    void unreadableLibraryThrowsAndResetKeepsItAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // %1: the file

        QTest::newRow("not JSON") << QByteArray("[{\"name\": \"Trip\"")
                                  << QStringLiteral("LibraryFileJSONError(%1, unterminated string, 1, 17)");
        QTest::newRow("wrong shape")
            << QByteArray("{\"format\": \"Corvelle remote profiles\", \"profiles\": []}")
            << QStringLiteral("LibraryFileTopContentError(%1)");
        QTest::newRow("wrong field type")
            << QByteArray("[{\"name\": \"Trip\"}, {\"name\": \"Erase\", \"keywords\": \"a,b\"}]")
            << QStringLiteral("LibraryFileWrongValueError(%1, Index 1 / keywords)");
    }

    void unreadableLibraryThrowsAndResetKeepsItAside()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        librarytest::verifyUnreadableLibraryIsKeptAside(path_, bytes, error.arg(path_), sample(),
                                                        &PhotosRemoteManager::setProfiles,
                                                        &PhotosRemoteManager::profiles);
    }

    void failedSaveIsReportedAndTheOldFileStays()
    {
        PhotosRemoteManager manager(path_);
        manager.setProfiles(sample());
        librarytest::verifyFailedSaveKeepsTheOldFile(manager, path_, [&manager] {
            manager.profiles().at(1)->setKeywordEdition(QStringList(200, QStringLiteral("a keyword among many")));
        });
    }

    void exportedFileImportsAsEqualProfiles()
    {
        const QString exported = folder_->filePath(QStringLiteral("Profiles.rcprofiles"));
        const QList<PhotosRemoteProfilePtr> profiles = sample();
        PhotosRemoteProfileFile(profiles).exportTo(exported);

        const PhotosRemoteProfileFile imported = PhotosRemoteProfileFile::from(exported);
        verifySameItems(imported.profiles(), profiles);
        if (QTest::currentTestFailed())
            return;
        for (int i = 0; i < profiles.size(); ++i)
            QVERIFY(imported.profiles().at(i) != profiles.at(i)); // new profiles, not the exported ones
        const QByteArray text = contents(exported);
        QVERIFY(text.contains("\"format\": \"Corvelle remote profiles\""));
        QVERIFY(text.contains("\"name\": \"Vacances d’été 🏖\""));

        // Exporting over a file replaces it.
        PhotosRemoteProfileFile({profiles.at(3)}).exportTo(exported);
        verifySameItems(PhotosRemoteProfileFile::from(exported).profiles(), {profiles.at(3)});
    }

    void malformedImportThrowsAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // %1: the file

        const QString context = QStringLiteral("RemoteProfileFileError(%1) ");
        QTest::newRow("not JSON") << QByteArray("{\"format\": \"Corvelle remote profiles\",\n\"profiles\": [}")
                                  << context + QStringLiteral("LibraryFileJSONError(%1, object is missing after a comma, 2, 15)");
        QTest::newRow("empty") << QByteArray() << context + QStringLiteral("LibraryFileEmptyError(%1)");
        QTest::newRow("a library file")
            << QByteArray("[{\"name\": \"Trip\"}]")
            << context + QStringLiteral("LibraryFileTopContentError(%1)");
        QTest::newRow("another format")
            << QByteArray("{\"format\": \"Corvelle presets\", \"profiles\": []}")
            << context + QStringLiteral("LibraryFileInvalidValueError(%1, format, Expected \"Corvelle remote profiles\" but "
                                        "found \"Corvelle presets\" instead: this is not a remote profile file.)");
        QTest::newRow("no format")
            << QByteArray("{\"profiles\": []}")
            << context + QStringLiteral("LibraryFileMissingValueError(%1, format)");
        QTest::newRow("name not a text")
            << QByteArray("{\"format\": \"Corvelle remote profiles\", \"profiles\": [{\"name\": 3}]}")
            << context + QStringLiteral("LibraryFileWrongValueError(%1, profiles / Index 0 / name)");
        QTest::newRow("location not a number")
            << QByteArray("{\"format\": \"Corvelle remote profiles\", \"profiles\": [{\"name\": \"a\"}, "
                          "{\"name\": \"b\", \"location\": {\"latitude\": true, \"longitude\": 2}}]}")
            << context + QStringLiteral("LibraryFileWrongValueError(%1, profiles / Index 1 / location / latitude)");
        QTest::newRow("unknown file-name edition")
            << QByteArray("{\"format\": \"Corvelle remote profiles\", \"profiles\": [{\"name\": \"a\", "
                          "\"fileName\": {\"uppercase\": {}}}]}")
            << context + QStringLiteral("LibraryFileWrongValueError(%1, profiles / Index 0 / fileName)");
        QTest::newRow("bad date")
            << QByteArray("{\"format\": \"Corvelle remote profiles\", \"profiles\": [{\"name\": \"a\", "
                          "\"dateTime\": {\"withDate\": {\"_0\": \"2023-02-30T10:00:00\"}}}]}")
            << context + QStringLiteral("LibraryFileInvalidValueError(%1, profiles / Index 0 / dateTime / withDate / _0, "
                                        "Expected a date such as \"2024-01-31T09:45:00.000+01:00\" but found "
                                        "\"2023-02-30T10:00:00\" instead.)");
    }

    void malformedImportThrowsAndChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const QString path = folder_->filePath(QStringLiteral("Broken.rcprofiles"));
        put(path, bytes);
        QCOMPARE(errorOf([&path] { PhotosRemoteProfileFile::from(path); }), error.arg(path));
        QCOMPARE(contents(path), bytes);
        QCOMPARE(librarytest::folderEntries(folder_->path()), QStringList{QStringLiteral("Broken.rcprofiles")});
    }

    void unreadableImportNamesTheFile()
    {
        const QString missing = folder_->filePath(QStringLiteral("Missing.rcprofiles"));
        QCOMPARE(errorOf([&missing] { PhotosRemoteProfileFile::from(missing); }),
                 QStringLiteral("RemoteProfileFileError(%1) FileMissingError(%1)").arg(missing));
        const QString folder = folder_->filePath(QStringLiteral("Folder.rcprofiles"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(errorOf([&folder] { PhotosRemoteProfileFile::from(folder); }),
                 QStringLiteral("RemoteProfileFileError(%1) FileFolderError(%1)").arg(folder));
    }

    void failedExportLeavesTheOldFile()
    {
        const QString exported = folder_->filePath(QStringLiteral("Profiles.rcprofiles"));
        PhotosRemoteProfileFile({sample().at(0)}).exportTo(exported);
        const QByteArray old = contents(exported);

        QList<PhotosRemoteProfilePtr> many;
        for (int i = 0; i < 100; ++i)
            many.append(sample().at(0));
        QString error;
        {
            const librarytest::FileSizeLimit limit(old.size());
            error = errorOf([&] { PhotosRemoteProfileFile(many).exportTo(exported); });
        }
        QVERIFY2(librarytest::isWriteError(error, exported), qPrintable(error));
        QCOMPARE(contents(exported), old);
        QCOMPARE(librarytest::folderEntries(folder_->path()), QStringList{QStringLiteral("Profiles.rcprofiles")});
    }

    void selectionPostsOnlyRealChanges()
    {
        PhotosRemoteManager manager(path_);
        const PhotosRemoteProfilePtr a = profile(QStringLiteral("A"));
        const PhotosRemoteProfilePtr b = profile(QStringLiteral("B"));
        const PhotosRemoteProfilePtr twin = profile(QStringLiteral("A")); // equal content, another profile
        const PhotosRemoteProfilePtr stranger = profile(QStringLiteral("Not in the library"));
        manager.setProfiles({a, b, twin});
        ListRecorder recorder({PhotosRemoteManager::didChangeProfilesNotification});
        using List = QList<PhotosRemoteProfilePtr>;

        // (list to select, selection afterwards, notes)
        const QList<std::tuple<List, List, int>> steps{
            {{a}, {a}, 1},          {{a}, {a}, 0},       {{a, b}, {a, b}, 1}, {{b, a}, {b, a}, 1},
            {{b, a}, {b, a}, 0},    {{twin}, {twin}, 1}, {{}, {}, 1},         {{}, {}, 0},
            {{stranger}, {}, 0},    {{stranger, b}, {b}, 1},
        };
        for (const auto& [selected, expected, posts] : steps) {
            manager.setSelectedProfiles(selected);
            QCOMPARE(manager.selectedProfiles(), expected);
            recorder.expectSelections(posts, &manager);
        }

        // Removed profiles leave the selection before the removal is told.
        manager.setSelectedProfiles({twin, b, a});
        recorder.take();
        List seenSelection;
        brisa::NoteSubscriber observer;
        observer.subscribe(PhotosRemoteManager::didChangeProfilesNotification, &manager,
                           [&](const brisa::Notification&) { seenSelection = manager.selectedProfiles(); });
        manager.removeProfiles({0, 1});
        recorder.expectOne(PhotosRemoteManager::didChangeProfilesNotification, &manager, Edition::removal({0, 1}));
        QCOMPARE(seenSelection, List{twin});
        manager.setProfiles({a});
        QCOMPARE(manager.selectedProfiles(), List());
    }

    void editsPostTheirChange()
    {
        PhotosRemoteManager manager(path_);
        ListRecorder recorder({PhotosRemoteManager::didChangeProfilesNotification,
                               PhotosRemoteProfile::didChangeInfoNotification,
                               PhotosRemoteProfile::didChangeValuesNotification});
        const QString changed = PhotosRemoteManager::didChangeProfilesNotification;
        manager.load();
        recorder.expectOne(changed, &manager, Edition::reload());

        const QList<PhotosRemoteProfilePtr> profiles = sample();
        manager.insertProfiles(profiles, 0);
        recorder.expectOne(changed, &manager, Edition::insertion({0, 1, 2, 3}));
        manager.moveProfiles({3}, 0);
        recorder.expectOne(changed, &manager, Edition::move({3}, 0));
        QCOMPARE(manager.profiles().at(0), profiles.at(3));
        manager.removeProfiles({0, 9});
        recorder.expectOne(changed, &manager, Edition::removal({0}));

        const PhotosRemoteProfilePtr edited = profiles.at(1);
        const QString info = PhotosRemoteProfile::didChangeInfoNotification;
        const QString values = PhotosRemoteProfile::didChangeValuesNotification;
        const QList<std::pair<std::function<void()>, QString>> writes{
            {[&] { edited->setName(QStringLiteral("Renamed")); }, info},
            {[&] { edited->setDescription(QStringLiteral("Described")); }, info},
            {[&] { edited->setFileNameEdition(FileName::keepCurrentName()); }, values},
            {[&] { edited->setPhotoDescriptionEdition(QString()); }, values},
            {[&] { edited->setDateTimeEdition(DateTime(QDateTime::currentDateTime())); }, values},
            {[&] { edited->setKeywordEdition(QStringList{QStringLiteral("k")}); }, values},
            {[&] { edited->setLocationEdition(Coordinate(48.8584, 2.2945)); }, values},
            {[&] { edited->setLocationEdition(std::nullopt); }, values},
        };
        for (const auto& [write, name] : writes) {
            write();
            recorder.expectOne(name, edited.get(), std::nullopt);
        }
    }

    void editionCountLeavesOutWhatChangesNothing_data()
    {
        QTest::addColumn<int>("profile"); // in sample()
        QTest::addColumn<int>("count");
        QTest::newRow("every edition") << 0 << 5;
        QTest::newRow("none") << 1 << 0;
        // The date-and-time form without a date sets no date.
        QTest::newRow("erasing, without date") << 2 << 4;
        QTest::newRow("keep names, date") << 3 << 3;
    }

    void editionCountLeavesOutWhatChangesNothing()
    {
        QFETCH(int, profile);
        QFETCH(int, count);
        const PhotosRemoteProfilePtr tested = sample().at(profile);
        QCOMPARE(tested->editionCount(), count);
        QCOMPARE(tested->hasNoEdition(), count == 0);
        QCOMPARE(tested->editionsDescription().size(), count + (profile == 2 ? 1 : 0));
    }

    void invalidDateIsTheFormWithoutDate()
    {
        QCOMPARE(DateTime(QDateTime()), DateTime());
        QCOMPARE(DateTime(QDateTime()).date(), std::nullopt);
    }

    void withoutSelectedFilesTheApplyIsRefused()
    {
        PhotosAppAuthorizer::setSelectionSource({});
        QVERIFY(!PhotosAppAuthorizer::perform());
        const LocalizedText reason = PhotosAppAuthorizer::refusalReason();
        librarytest::verifyTranslatable({reason});

        // Should it still be asked to apply, it reports the refusal on the main thread.
        const PhotosRemoteProfilePtr tested = sample().at(0);
        PhotosAppRemote remote(1, tested->editionsDescription());
        std::optional<QVariantMap> result;
        QThread* thread = nullptr;
        bool done = false;
        remote.performInBackground([&](const std::optional<QVariantMap>& received) {
            result = received;
            thread = QThread::currentThread();
            done = true;
        });
        QVERIFY(!done);
        QCoreApplication::processEvents();
        QVERIFY(done);
        QCOMPARE(thread, QCoreApplication::instance()->thread());
        QCOMPARE(result, std::optional<QVariantMap>(QVariantMap{{QStringLiteral("errorKey"), reason.key}}));
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString path_;
};

QTEST_GUILESS_MAIN(PhotosRemoteManagerTest)
#include "PhotosRemoteManagerTest.moc"
