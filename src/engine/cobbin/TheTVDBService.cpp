#include "engine/cobbin/TheTVDBService.h"

#include "engine/cobbin/MetadataRequest.h"
#include "engine/cobbin/MetadataServiceConfiguration.h"

#include <QJsonArray>
#include <QLocale>
#include <QMutex>

namespace cobbin {

namespace {

using K = MetadataResultKey;

struct TokenCache {
    QMutex mutex;
    // Which address and key the token was given for.
    QString owner;
    QString token;
};

TokenCache& tokenCache()
{
    static TokenCache cache;
    return cache;
}

QString text(const QJsonObject& object, const char* name)
{
    return object.value(QLatin1String(name)).toString();
}

QUrl endpoint(const QString& path, const QList<std::pair<QString, QString>>& query)
{
    return MetadataRequest::endpoint(MetadataServiceConfiguration::current().theTVDBBaseUrl, path, query);
}

MetadataArtwork::Kind artworkKind(int type)
{
    // The service's artwork types: 1 series banner, 2 series poster, 3 series background,
    // 6 season poster, 7 season background, 11 and 12 episode images.
    switch (type) {
    case 2:
    case 14:
        return MetadataArtwork::Kind::poster;
    case 3:
    case 15:
        return MetadataArtwork::Kind::backdrop;
    case 6:
    case 7:
        return MetadataArtwork::Kind::season;
    case 11:
    case 12:
        return MetadataArtwork::Kind::episode;
    default:
        return MetadataArtwork::Kind::none;
    }
}

} // namespace

QStringList TheTVDBService::languages() const
{
    static const QStringList codes{QStringLiteral("eng"), QStringLiteral("fra"), QStringLiteral("deu"),
                                   QStringLiteral("ita"), QStringLiteral("spa"), QStringLiteral("nld"),
                                   QStringLiteral("swe"), QStringLiteral("por"), QStringLiteral("jpn")};
    return codes;
}

QString TheTVDBService::languageTitle(const QString& language) const
{
    const QLocale::Language value = QLocale::codeToLanguage(language, QLocale::ISO639Part2);
    return value == QLocale::AnyLanguage ? language : QLocale::languageToString(value);
}

void TheTVDBService::forgetToken()
{
    TokenCache& cache = tokenCache();
    QMutexLocker lock(&cache.mutex);
    cache.owner.clear();
    cache.token.clear();
}

std::optional<QString> TheTVDBService::token(bool renew, MetadataError* error) const
{
    const MetadataServiceConfiguration configuration = MetadataServiceConfiguration::current();
    if (configuration.theTVDBKey.isEmpty()) {
        MetadataRequest::fail(error, MetadataError::make(MetadataError::Kind::missingKey, displayName(),
                                                         {QStringLiteral("CORVELLE_TVDB_API_KEY")}));
        return std::nullopt;
    }
    const QString owner = configuration.theTVDBBaseUrl.toString() + QLatin1Char('\n') + configuration.theTVDBKey
        + QLatin1Char('\n') + configuration.theTVDBPin;
    TokenCache& cache = tokenCache();
    QMutexLocker lock(&cache.mutex);
    if (!renew && cache.owner == owner && !cache.token.isEmpty())
        return cache.token;
    QJsonObject body{{QStringLiteral("apikey"), configuration.theTVDBKey}};
    if (!configuration.theTVDBPin.isEmpty())
        body.insert(QStringLiteral("pin"), configuration.theTVDBPin);
    const std::optional<QJsonObject> answer = MetadataRequest::postJson(
        displayName(), endpoint(QStringLiteral("/v4/login"), {}), body, {}, configuration.timeoutMs, error);
    if (!answer)
        return std::nullopt;
    const QString token = answer->value(QLatin1String("data")).toObject().value(QLatin1String("token")).toString();
    if (token.isEmpty()) {
        MetadataRequest::fail(error, MetadataError::make(MetadataError::Kind::malformed, displayName()));
        return std::nullopt;
    }
    cache.owner = owner;
    cache.token = token;
    return token;
}

std::optional<QJsonObject> TheTVDBService::get(const QString& path, const QList<std::pair<QString, QString>>& query,
                                               MetadataError* error, const QString& notFound) const
{
    const int timeout = MetadataServiceConfiguration::current().timeoutMs;
    for (const bool renew : {false, true}) {
        const std::optional<QString> bearer = token(renew, error);
        if (!bearer)
            return std::nullopt;
        MetadataError failure;
        const std::optional<QJsonObject> answer = MetadataRequest::getJson(
            displayName(), endpoint(path, query), {{QByteArrayLiteral("Authorization"), "Bearer " + bearer->toUtf8()}},
            timeout, &failure, notFound);
        if (answer)
            return answer;
        // A token past its month is refused: log in once more and ask again.
        if (failure.kind != MetadataError::Kind::rejectedKey || renew) {
            MetadataRequest::fail(error, failure);
            return std::nullopt;
        }
    }
    return std::nullopt;
}

QList<MetadataResult> TheTVDBService::searchShows(const QString& name, std::optional<int> season,
                                                  std::optional<int> episode, const QString& language,
                                                  MetadataError* error) const
{
    const std::optional<QJsonObject> answer =
        get(QStringLiteral("/v4/search"),
            {{QStringLiteral("query"), name}, {QStringLiteral("type"), QStringLiteral("series")},
             {QStringLiteral("language"), language}},
            error);
    if (!answer)
        return {};
    if (!answer->value(QLatin1String("data")).isArray()) {
        MetadataRequest::fail(error, MetadataError::make(MetadataError::Kind::malformed, displayName()));
        return {};
    }
    QList<MetadataResult> results;
    for (const QJsonValue& value : answer->value(QLatin1String("data")).toArray()) {
        const QJsonObject item = value.toObject();
        MetadataResult result(true);
        result.setValue(K::serviceIdentifier, item.value(QLatin1String("tvdb_id")).toVariant());
        result.setValue(K::name, text(item, "name"));
        result.setValue(K::artist, text(item, "name"));
        result.setValue(K::displayName, text(item, "name"));
        result.setValue(K::releaseDate, text(item, "year"));
        result.setValue(K::description, text(item, "overview").left(255));
        result.setValue(K::longDescription, text(item, "overview"));
        result.setValue(K::mediaKind, QStringLiteral("TV Show"));
        if (season)
            result.setValue(K::seasonNumber, *season);
        if (episode)
            result.setValue(K::episodeNumber, *episode);
        const QString image = text(item, "image_url");
        if (!image.isEmpty())
            result.addArtwork({QUrl(image), QUrl(image), std::nullopt, MetadataArtwork::Kind::poster});
        results << result;
    }
    return results;
}

std::optional<MetadataResult> TheTVDBService::loadShow(const MetadataResult& result, std::optional<int> season,
                                                       std::optional<int> episode, const QString&,
                                                       MetadataError* error) const
{
    const QString identifier = result.value(K::serviceIdentifier).toString();
    const QString showName = result.value(K::name).toString();
    const std::optional<QJsonObject> answer =
        get(QStringLiteral("/v4/series/%1/extended").arg(identifier), {}, error, showName);
    if (!answer)
        return std::nullopt;
    const QJsonObject series = answer->value(QLatin1String("data")).toObject();
    MetadataResult loaded = result;
    QStringList genres;
    for (const QJsonValue& genre : series.value(QLatin1String("genres")).toArray())
        genres << text(genre.toObject(), "name");
    loaded.setValue(K::genre, genres.join(QStringLiteral(", ")));
    loaded.setValue(K::networkName, text(series.value(QLatin1String("originalNetwork")).toObject(), "name"));
    for (const QJsonValue& rating : series.value(QLatin1String("contentRatings")).toArray()) {
        const QJsonObject object = rating.toObject();
        if (text(object, "country").compare(QLatin1String("usa"), Qt::CaseInsensitive) == 0
            || !loaded.values().contains(K::contentRating))
            loaded.setValue(K::contentRating, text(object, "name"));
    }
    for (const QJsonValue& value : series.value(QLatin1String("artworks")).toArray()) {
        const QJsonObject artwork = value.toObject();
        const QUrl image(text(artwork, "image"));
        const QString thumbnail = text(artwork, "thumbnail");
        loaded.addArtwork({image, thumbnail.isEmpty() ? image : QUrl(thumbnail), std::nullopt,
                           artworkKind(artwork.value(QLatin1String("type")).toInt())});
    }
    if (!season || !episode)
        return loaded;
    const QString what = QStringLiteral("%1 %2x%3").arg(showName).arg(*season).arg(*episode);
    const std::optional<QJsonObject> episodes = get(
        QStringLiteral("/v4/series/%1/episodes/default").arg(identifier),
        {{QStringLiteral("season"), QString::number(*season)}, {QStringLiteral("episodeNumber"), QString::number(*episode)}},
        error, what);
    if (!episodes)
        return std::nullopt;
    const QJsonArray list =
        episodes->value(QLatin1String("data")).toObject().value(QLatin1String("episodes")).toArray();
    for (const QJsonValue& value : list) {
        const QJsonObject item = value.toObject();
        if (item.value(QLatin1String("seasonNumber")).toInt(-1) != *season
            || item.value(QLatin1String("number")).toInt(-1) != *episode)
            continue;
        loaded.setValue(K::name, text(item, "name"));
        loaded.setValue(K::description, text(item, "overview").left(255));
        loaded.setValue(K::longDescription, text(item, "overview"));
        loaded.setValue(K::releaseDate, text(item, "aired"));
        loaded.setValue(K::trackNumber, *episode);
        const QString image = text(item, "image");
        if (!image.isEmpty()) {
            QList<MetadataArtwork> artworks = loaded.artworks();
            artworks.prepend({QUrl(image), QUrl(image), std::nullopt, MetadataArtwork::Kind::episode});
            loaded.setArtworks(artworks);
        }
        return loaded;
    }
    MetadataRequest::fail(error, MetadataError::make(MetadataError::Kind::notFound, displayName(), {what}));
    return std::nullopt;
}

} // namespace cobbin
