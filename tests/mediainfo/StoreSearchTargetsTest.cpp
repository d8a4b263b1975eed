#include "engine/cobbin/MetadataService.h"
#include "engine/ostrak/TagDatabase.h"
#include "mediainfo/MediaInfoSettings.h"
#include "mediainfo/StoreResultTagMap.h"
#include "mediainfo/StoreSearchTargets.h"
#include "platform/brisa/core/UserDefaults.h"
#include "widgets/TextLocalizer.h"

#include <QtTest>

using corvelle::StoreResultTagMap;
using corvelle::StoreSearchTarget;
using corvelle::StoreSearchTargets;
using cobbin::MetadataResult;
using K = cobbin::MetadataResultKey;

Q_DECLARE_METATYPE(StoreSearchTarget)

// The search targets, the tag map, the information rows and the title lines of results.
class StoreSearchTargetsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void targets_data()
    {
        QTest::addColumn<StoreSearchTarget>("target");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<bool>("show");
        QTest::addColumn<QString>("service");
        QTest::addColumn<QString>("languageKey");
        QTest::addColumn<bool>("movieService");
        using T = StoreSearchTarget;
        QTest::newRow("0") << T::movieAppleTV << "Movie-AppleTV" << false << "Apple TV" << "AppleTVSavedLanguageForMovie" << true;
        QTest::newRow("1") << T::movieTheMovieDB << "Movie-TheMovieDB" << false << "TheMovieDB" << "TheMovieDBSavedLanguageForMovie" << true;
        QTest::newRow("2") << T::movieiTunes << "Movie-iTunes" << false << "iTunes" << "iTunesSavedLanguageForMovie" << true;
        QTest::newRow("3") << T::showAppleTV << "Show-AppleTV" << true << "Apple TV" << "AppleTVSavedLanguageForShow" << false;
        QTest::newRow("4") << T::showTheMovieDB << "Show-TheMovieDB" << true << "TheMovieDB" << "TheMovieDBSavedLanguageForShow" << false;
        QTest::newRow("5") << T::showTheTVDB << "Show-TheTVDB" << true << "TheTVDB" << "TheTVDBSavedLanguageForShow" << false;
        QTest::newRow("6") << T::showiTunes << "Show-iTunes" << true << "iTunes" << "iTunesSavedLanguageForShow" << false;
    }
    void targets()
    {
        QFETCH(StoreSearchTarget, target);
        QFETCH(QString, raw);
        QFETCH(bool, show);
        QFETCH(QString, service);
        QFETCH(QString, languageKey);
        QFETCH(bool, movieService);
        QCOMPARE(StoreSearchTargets::allCases().at(QString::fromLatin1(QTest::currentDataTag()).toInt()), target);
        QCOMPARE(StoreSearchTargets::rawValue(target), raw);
        QCOMPARE(StoreSearchTargets::fromRawValue(raw), std::optional(target));
        QCOMPARE(StoreSearchTargets::isShow(target), show);
        QCOMPARE(StoreSearchTargets::service(target)->displayName(), service);
        QCOMPARE(bool(StoreSearchTargets::movieService(target)), movieService);
        QCOMPARE(StoreSearchTargets::title(target),
                 corvelle::localizedString(show ? QStringLiteral("MediaKindShow") : QStringLiteral("MediaKindMovie"))
                     + QStringLiteral(" (") + service + QLatin1Char(')'));
        QCOMPARE(StoreSearchTargets::savedLanguageKey(target), languageKey);

        // Nothing saved: the service's default; then what was saved, for this target alone.
        brisa::UserDefaults::standard().removeObject(languageKey);
        const auto made = StoreSearchTargets::service(target);
        QCOMPARE(StoreSearchTargets::savedLanguage(target), made->defaultLanguage());
        QVERIFY(made->languages().contains(made->defaultLanguage()));
        const QString other = made->languages().last();
        StoreSearchTargets::setSavedLanguage(target, other);
        QCOMPARE(StoreSearchTargets::savedLanguage(target), other);
        QVERIFY(!made->languageTitle(other).isEmpty());
    }

    void unknownRawValuesAndTagsGiveNoTarget()
    {
        QCOMPARE(StoreSearchTargets::fromRawValue(QStringLiteral("Movie-TheTVDB")), std::nullopt);
        QCOMPARE(StoreSearchTargets::fromRawValue(QString()), std::nullopt);
        QCOMPARE(StoreSearchTargets::atIndex(7), StoreSearchTarget::movieAppleTV);
        QCOMPARE(StoreSearchTargets::atIndex(-1), StoreSearchTarget::movieAppleTV);
        QCOMPARE(brisa::UserDefaults::standard().value(corvelle::Settings::lastVideoSearchTarget()),
                 StoreSearchTarget::movieAppleTV);
    }

    void tagMapCoversEveryKeyButTheIdentifier()
    {
        int mapped = 0;
        for (const K key : cobbin::allMetadataResultKeys()) {
            const auto item = StoreResultTagMap::tagItem(key);
            QCOMPARE(bool(item), key != K::serviceIdentifier);
            if (item) {
                ++mapped;
                QCOMPARE(item->family0Group(), QStringLiteral("QuickTime"));
            }
        }
        QCOMPARE(mapped, 28);
        QCOMPARE(StoreResultTagMap::tagItem(K::name), ostrak::TagItem::itemQuickTimeName());
        QCOMPARE(StoreResultTagMap::tagItem(K::seasonNumber), ostrak::TagItem::itemQuickTimeTVSeason());
    }

    void informationRows()
    {
        MetadataResult movie(false);
        movie.setValue(K::name, QStringLiteral("Glass Harbor"));
        movie.setValue(K::genre, 18);
        movie.setValue(K::description, QStringLiteral("   "));
        movie.setValue(K::serviceIdentifier, 101);
        movie.setValue(K::longDescription, QStringLiteral("Salt and maps."));
        movie.setValue(K::seasonNumber, 3); // not a movie key: never shown for a movie
        const QList<corvelle::StoreInformationRow> rows = StoreResultTagMap::informationRows(movie);
        QList<std::pair<ostrak::TagItem, QString>> pairs;
        for (const auto& row : rows)
            pairs.append({row.tag, row.value});
        const QList<std::pair<ostrak::TagItem, QString>> expected{
            {ostrak::TagItem::itemQuickTimeName(), QStringLiteral("Glass Harbor")},
            {ostrak::TagItem::itemQuickTimeGenre(), QStringLiteral("18")},
            {ostrak::TagItem::itemQuickTimeLongDescription(), QStringLiteral("Salt and maps.")},
        };
        QCOMPARE(pairs, expected);
        QVERIFY(!StoreResultTagMap::informationRow(K::serviceIdentifier, movie));
        QVERIFY(!StoreResultTagMap::informationRow(K::description, movie));

        MetadataResult show(true);
        show.setValue(K::name, QStringLiteral("Pilot"));
        show.setValue(K::seasonNumber, 3);
        QCOMPARE(StoreResultTagMap::informationRows(show).size(), 2);
        QCOMPARE(StoreResultTagMap::informationRows(show).at(1).tag, ostrak::TagItem::itemQuickTimeTVSeason());
    }

    void titleLines_data()
    {
        QTest::addColumn<QVariant>("name");
        QTest::addColumn<QVariant>("displayName");
        QTest::addColumn<QVariant>("season");
        QTest::addColumn<QVariant>("episode");
        QTest::addColumn<QString>("line");
        QTest::newRow("season and episode") << QVariant("Pilot") << QVariant() << QVariant(2) << QVariant(5) << "2x5 - Pilot";
        QTest::newRow("season alone") << QVariant("Pilot") << QVariant() << QVariant(2) << QVariant() << "Pilot";
        QTest::newRow("display name") << QVariant() << QVariant("Copper Valley") << QVariant() << QVariant() << "Copper Valley";
        QTest::newRow("no name") << QVariant() << QVariant() << QVariant(1) << QVariant(3) << "1x3 - ";
        QTest::newRow("season as text") << QVariant("Pilot") << QVariant() << QVariant("2") << QVariant(5) << "Pilot";
        QTest::newRow("name not a text") << QVariant(7) << QVariant("Shown") << QVariant() << QVariant() << "Shown";
    }
    void titleLines()
    {
        QFETCH(QVariant, name);
        QFETCH(QVariant, displayName);
        QFETCH(QVariant, season);
        QFETCH(QVariant, episode);
        QFETCH(QString, line);
        MetadataResult result(true);
        result.setValue(K::name, name);
        result.setValue(K::displayName, displayName);
        result.setValue(K::seasonNumber, season);
        result.setValue(K::episodeNumber, episode);
        QCOMPARE(StoreResultTagMap::titleLine(result), line);
    }
};

QTEST_MAIN(StoreSearchTargetsTest)
#include "StoreSearchTargetsTest.moc"
