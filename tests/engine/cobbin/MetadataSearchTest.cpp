#include "support/FixtureMetadataServices.h"
#include "engine/cobbin/MetadataSearch.h"
#include "engine/cobbin/MetadataServiceConfiguration.h"
#include "engine/cobbin/TheMovieDBService.h"
#include "engine/cobbin/TheTVDBService.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QTcpServer>
#include <QtTest>

using cobbin::MetadataError;
using cobbin::MetadataResult;
using cobbin::MetadataSearch;
using cobbin::MetadataService;
using K = cobbin::MetadataResultKey;
using Kind = MetadataError::Kind;
using corvelle::test::FixtureHttpServer;
using corvelle::test::FixtureMetadataServices;

Q_DECLARE_METATYPE(MetadataService::Type)
Q_DECLARE_METATYPE(FixtureHttpServer::Response)
Q_DECLARE_METATYPE(MetadataError::Kind)

// The online clients against a local server that answers as each service does.
class MetadataSearchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FixtureMetadataServices> services_;

    static MetadataSearch movie(MetadataService::Type type, const QString& name)
    {
        const auto service = MetadataService::make(type);
        return *MetadataSearch::movie(service, name, service->defaultLanguage());
    }
    static MetadataSearch show(MetadataService::Type type, const QString& name, std::optional<int> season,
                               std::optional<int> episode)
    {
        const auto service = MetadataService::make(type);
        return *MetadataSearch::show(service, name, season, episode, service->defaultLanguage());
    }

private Q_SLOTS:
    void init()
    {
        qunsetenv("CORVELLE_TMDB_API_KEY");
        qunsetenv("CORVELLE_TVDB_API_KEY");
        qunsetenv("CORVELLE_TVDB_PIN");
        services_ = std::make_unique<FixtureMetadataServices>();
        FixtureMetadataServices::setTimeout(30000);
    }
    void cleanup() { services_.reset(); }

    void theTVDBSearchesShowsOnly()
    {
        const auto tvdb = MetadataService::make(MetadataService::Type::theTVDB);
        QVERIFY(!MetadataSearch::movie(tvdb, QStringLiteral("Glass Harbor"), QStringLiteral("eng")));
        QVERIFY(MetadataSearch::show(tvdb, QStringLiteral("Copper Valley"), 1, 2, QStringLiteral("eng")));
        for (const auto type : {MetadataService::Type::appleTV, MetadataService::Type::theMovieDB,
                                MetadataService::Type::iTunes})
            QVERIFY(MetadataSearch::movie(MetadataService::make(type), QStringLiteral("x"), QStringLiteral("us")));
    }

    void moviesAreFoundAndLoaded_data()
    {
        QTest::addColumn<MetadataService::Type>("type");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("director");
        QTest::addColumn<int>("artworks");
        QTest::newRow("TheMovieDB") << MetadataService::Type::theMovieDB << "Drama, Mystery" << "Mira Okafor" << 3;
        QTest::newRow("iTunes") << MetadataService::Type::iTunes << "Drama" << "Mira Okafor" << 1;
        QTest::newRow("Apple TV, through the store") << MetadataService::Type::appleTV << "Drama" << "Mira Okafor" << 1;
    }
    void moviesAreFoundAndLoaded()
    {
        QFETCH(MetadataService::Type, type);
        QFETCH(QString, genre);
        QFETCH(QString, director);
        QFETCH(int, artworks);
        const MetadataSearch search = movie(type, QStringLiteral("Glass Harbor"));
        MetadataError error;
        const QList<MetadataResult> results = search.run(&error);
        QVERIFY2(!error.isSet(), qPrintable(error.reason.key));
        QCOMPARE(results.size(), 1);
        QCOMPARE(results.first().value(K::name).toString(), QStringLiteral("Glass Harbor"));
        QVERIFY(!results.first().isShow());
        const MetadataResult loaded = search.load(results.first(), &error);
        QVERIFY2(!error.isSet(), qPrintable(error.reason.key));
        QCOMPARE(loaded.value(K::genre).toString(), genre);
        QCOMPARE(loaded.value(K::directors).toString(), director);
        QCOMPARE(loaded.value(K::contentRating).toString(), QStringLiteral("PG-13"));
        QVERIFY(loaded.value(K::longDescription).toString().startsWith(QStringLiteral("A lighthouse keeper")));
        QCOMPARE(loaded.artworks().size(), artworks);
        for (const FixtureHttpServer::Request& request : services_->server().requests())
            QVERIFY(request.headers.value("user-agent").startsWith("Corvelle/"));
    }

    void showsFindTheEpisodeAsked_data()
    {
        QTest::addColumn<MetadataService::Type>("type");
        QTest::newRow("TheMovieDB") << MetadataService::Type::theMovieDB;
        QTest::newRow("TheTVDB") << MetadataService::Type::theTVDB;
        QTest::newRow("iTunes") << MetadataService::Type::iTunes;
    }
    void showsFindTheEpisodeAsked()
    {
        QFETCH(MetadataService::Type, type);
        const MetadataSearch search = show(type, QStringLiteral("Copper Valley"), 2, 5);
        MetadataError error;
        const QList<MetadataResult> results = search.run(&error);
        QVERIFY2(!error.isSet(), qPrintable(error.reason.key));
        QCOMPARE(results.size(), 1);
        QVERIFY(results.first().isShow());
        QCOMPARE(results.first().value(K::seasonNumber).toInt(), 2);
        QCOMPARE(results.first().value(K::episodeNumber).toInt(), 5);
        const MetadataResult loaded = search.load(results.first(), &error);
        QVERIFY2(!error.isSet(), qPrintable(error.reason.key));
        QCOMPARE(loaded.value(K::name).toString(), QStringLiteral("The Long Thaw"));
        QCOMPARE(loaded.value(K::artist).toString(), QStringLiteral("Copper Valley"));
        QVERIFY(!loaded.artworks().isEmpty());
    }

    void credentialsAreSentAsEachServiceWants()
    {
        // An API key goes as a parameter, a read-access token as a Bearer header.
        QVERIFY(!movie(MetadataService::Type::theMovieDB, QStringLiteral("Glass Harbor")).run().isEmpty());
        QCOMPARE(services_->server().requests().last().query.queryItemValue(QStringLiteral("api_key")),
                 FixtureMetadataServices::theMovieDBKey);
        cobbin::MetadataServiceConfiguration::setStoredCredentials(FixtureMetadataServices::theMovieDBToken,
                                                                   FixtureMetadataServices::theTVDBKey,
                                                                   FixtureMetadataServices::theTVDBPin);
        QVERIFY(!movie(MetadataService::Type::theMovieDB, QStringLiteral("Glass Harbor")).run().isEmpty());
        const FixtureHttpServer::Request bearer = services_->server().requests().last();
        QVERIFY(!bearer.query.hasQueryItem(QStringLiteral("api_key")));
        QCOMPARE(bearer.headers.value("authorization"), "Bearer " + FixtureMetadataServices::theMovieDBToken.toUtf8());

        // The environment wins over the stored keys.
        qputenv("CORVELLE_TMDB_API_KEY", "not-the-fixture-key");
        MetadataError error;
        QVERIFY(movie(MetadataService::Type::theMovieDB, QStringLiteral("Glass Harbor")).run(&error).isEmpty());
        QCOMPARE(error.kind, Kind::rejectedKey);
        qunsetenv("CORVELLE_TMDB_API_KEY");

        // TheTVDB logs in once with key and PIN, and again when its token is refused.
        QVERIFY(!show(MetadataService::Type::theTVDB, QStringLiteral("Copper Valley"), {}, {}).run().isEmpty());
        QVERIFY(!show(MetadataService::Type::theTVDB, QStringLiteral("Copper Valley"), {}, {}).run().isEmpty());
        QCOMPARE(services_->theTVDBLoginCount(), 1);
        services_->setTheTVDBTokenValid(false);
        QVERIFY(!show(MetadataService::Type::theTVDB, QStringLiteral("Copper Valley"), {}, {}).run(&error).isEmpty());
        QCOMPARE(services_->theTVDBLoginCount(), 2);
    }

    // Every failure names its service and its reason; none reads as "nothing found".
    void failuresSayWhy_data()
    {
        QTest::addColumn<MetadataService::Type>("type");
        QTest::addColumn<QString>("path");
        QTest::addColumn<FixtureHttpServer::Response>("response");
        QTest::addColumn<Kind>("kind");
        const auto json = [](const char* body, int status) { return FixtureHttpServer::Response::json(body, status); };
        QTest::newRow("rate limit") << MetadataService::Type::iTunes << "/itunes/search" << json("{}", 429) << Kind::rateLimited;
        QTest::newRow("malformed JSON") << MetadataService::Type::theMovieDB << "/tmdb/3/search/movie"
                                        << json("{\"results\": [", 200) << Kind::malformed;
        QTest::newRow("results not a list") << MetadataService::Type::theMovieDB << "/tmdb/3/search/movie"
                                            << json("{\"results\": 3}", 200) << Kind::malformed;
        QTest::newRow("server error") << MetadataService::Type::iTunes << "/itunes/search" << json("{}", 503) << Kind::status;
        QTest::newRow("login refused") << MetadataService::Type::theTVDB << "/tvdb/v4/login" << json("{}", 401)
                                       << Kind::rejectedKey;
        QTest::newRow("stalled reply") << MetadataService::Type::iTunes << "/itunes/search"
                                       << FixtureHttpServer::Response::stalled() << Kind::timeout;
    }
    void failuresSayWhy()
    {
        QFETCH(MetadataService::Type, type);
        QFETCH(QString, path);
        QFETCH(FixtureHttpServer::Response, response);
        QFETCH(Kind, kind);
        FixtureMetadataServices::setTimeout(1000);
        services_->override(path, response);
        const auto service = MetadataService::make(type);
        const std::optional<MetadataSearch> search =
            type == MetadataService::Type::theTVDB
                ? MetadataSearch::show(service, QStringLiteral("Copper Valley"), {}, {}, service->defaultLanguage())
                : MetadataSearch::movie(service, QStringLiteral("Glass Harbor"), service->defaultLanguage());
        MetadataError error;
        QVERIFY(search->run(&error).isEmpty());
        QVERIFY(error.isSet());
        QCOMPARE(error.kind, kind);
        QCOMPARE(error.service, service->displayName());
    }

    void missingKeysAndUnknownEpisodesAreReported()
    {
        cobbin::MetadataServiceConfiguration::setStoredCredentials({}, {}, {});
        MetadataError error;
        QVERIFY(movie(MetadataService::Type::theMovieDB, QStringLiteral("Glass Harbor")).run(&error).isEmpty());
        QCOMPARE(error.kind, Kind::missingKey);
        QCOMPARE(error.reason.arguments.value(0).toString(), QStringLiteral("CORVELLE_TMDB_API_KEY"));
        error = {};
        QVERIFY(show(MetadataService::Type::theTVDB, QStringLiteral("Copper Valley"), {}, {}).run(&error).isEmpty());
        QCOMPARE(error.kind, Kind::missingKey);
        QVERIFY(services_->server().requests().isEmpty());

        cobbin::MetadataServiceConfiguration::setStoredCredentials(FixtureMetadataServices::theMovieDBKey,
                                                                   FixtureMetadataServices::theTVDBKey,
                                                                   FixtureMetadataServices::theTVDBPin);
        for (const auto type : {MetadataService::Type::theMovieDB, MetadataService::Type::theTVDB}) {
            const MetadataSearch search = show(type, QStringLiteral("Copper Valley"), 9, 1);
            const QList<MetadataResult> results = search.run();
            QCOMPARE(results.size(), 1);
            error = {};
            const MetadataResult loaded = search.load(results.first(), &error);
            QCOMPARE(error.kind, Kind::notFound);
            QCOMPARE(error.reason.arguments.value(0).toString(), QStringLiteral("Copper Valley 9x1"));
            // The short record stays as it was.
            QCOMPARE(loaded.value(K::name), results.first().value(K::name));
        }
        error = {};
        QVERIFY(show(MetadataService::Type::iTunes, QStringLiteral("Copper Valley"), 9, 1).run(&error).isEmpty());
        QCOMPARE(error.kind, Kind::notFound);
    }

    void unreachableServiceIsANetworkFailure()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        brisa::UserDefaults::standard().setObject(cobbin::MetadataServiceConfiguration::iTunesBaseUrlKey,
                                                  QStringLiteral("http://127.0.0.1:%1").arg(port));
        MetadataError error;
        QVERIFY(movie(MetadataService::Type::iTunes, QStringLiteral("Glass Harbor")).run(&error).isEmpty());
        QCOMPARE(error.kind, Kind::network);
        QVERIFY(!error.reason.arguments.value(0).toString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(MetadataSearchTest)
#include "MetadataSearchTest.moc"
