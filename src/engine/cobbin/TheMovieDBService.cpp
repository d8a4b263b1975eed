#include "engine/cobbin/TheMovieDBService.h"

#include "engine/cobbin/MetadataRequest.h"
#include "engine/cobbin/MetadataServiceConfiguration.h"

#include <QJsonArray>
#include <QLocale>

namespace cobbin {

namespace {

using K = MetadataResultKey;

QString text(const QJsonObject& object, const char* name)
{
    return object.value(QLatin1String(name)).toString();
}

// The names of an array's objects, joined.
QString names(const QJsonArray& array, const std::function<bool(const QJsonObject&)>& accept = {})
{
    QStringList list;
    for (const QJsonValue& value : array) {
        const QJsonObject object = value.toObject();
        if (!accept || accept(object))
            list << text(object, "name");
    }
    list.removeAll(QString());
    return list.join(QStringLiteral(", "));
}

QUrl imageUrl(const QString& size, const QString& path)
{
    return MetadataRequest::endpoint(MetadataServiceConfiguration::current().theMovieDBImageBaseUrl,
                                     QLatin1Char('/') + size + path, {});
}

void addImage(MetadataResult& result, const QString& path, MetadataArtwork::Kind kind)
{
    if (path.isEmpty())
        return;
    result.addArtwork({imageUrl(QStringLiteral("original"), path), imageUrl(QStringLiteral("w185"), path),
                       imageUrl(QStringLiteral("w780"), path), kind});
}

MetadataResult resultOf(const QJsonObject& item, bool isShow)
{
    MetadataResult result(isShow);
    result.setValue(K::serviceIdentifier, item.value(QLatin1String("id")).toVariant());
    result.setValue(K::name, text(item, isShow ? "name" : "title"));
    result.setValue(K::releaseDate, text(item, isShow ? "first_air_date" : "release_date"));
    const QString overview = text(item, "overview");
    result.setValue(K::description, overview.left(255));
    result.setValue(K::longDescription, overview);
    result.setValue(K::mediaKind, isShow ? QStringLiteral("TV Show") : QStringLiteral("Movie"));
    if (isShow) {
        result.setValue(K::artist, text(item, "name"));
        result.setValue(K::displayName, text(item, "name"));
    }
    addImage(result, text(item, "poster_path"), MetadataArtwork::Kind::poster);
    addImage(result, text(item, "backdrop_path"), MetadataArtwork::Kind::backdrop);
    return result;
}

void addCredits(MetadataResult& result, const QJsonObject& credits)
{
    const QJsonArray crew = credits.value(QLatin1String("crew")).toArray();
    const auto job = [](const char* title) {
        return [title](const QJsonObject& member) { return member.value(QLatin1String("job")).toString() == QLatin1String(title); };
    };
    QJsonArray cast = credits.value(QLatin1String("cast")).toArray();
    while (cast.size() > 10)
        cast.removeLast();
    result.setValue(K::cast, names(cast));
    result.setValue(K::directors, names(crew, job("Director")));
    result.setValue(K::producers, names(crew, job("Producer")));
    result.setValue(K::executiveProducers, names(crew, job("Executive Producer")));
    result.setValue(K::composers, names(crew, job("Original Music Composer")));
}

void addImages(MetadataResult& result, const QJsonObject& images)
{
    for (const QJsonValue& poster : images.value(QLatin1String("posters")).toArray())
        addImage(result, text(poster.toObject(), "file_path"), MetadataArtwork::Kind::poster);
    for (const QJsonValue& backdrop : images.value(QLatin1String("backdrops")).toArray())
        addImage(result, text(backdrop.toObject(), "file_path"), MetadataArtwork::Kind::backdrop);
}

} // namespace

QStringList TheMovieDBService::languages() const
{
    static const QStringList tags{QStringLiteral("en-US"), QStringLiteral("en-GB"), QStringLiteral("fr-FR"),
                                  QStringLiteral("de-DE"), QStringLiteral("it-IT"), QStringLiteral("es-ES"),
                                  QStringLiteral("nl-NL"), QStringLiteral("sv-SE"), QStringLiteral("pt-BR"),
                                  QStringLiteral("ja-JP")};
    return tags;
}

QString TheMovieDBService::languageTitle(const QString& language) const
{
    const QLocale locale(language);
    if (locale.language() == QLocale::C)
        return language;
    return QLocale::languageToString(locale.language()) + QStringLiteral(" (")
        + QLocale::territoryToString(locale.territory()) + QLatin1Char(')');
}

std::optional<QJsonObject> TheMovieDBService::get(const QString& path, QList<std::pair<QString, QString>> query,
                                                  MetadataError* error, const QString& notFound) const
{
    const MetadataServiceConfiguration configuration = MetadataServiceConfiguration::current();
    if (configuration.theMovieDBKey.isEmpty()) {
        MetadataRequest::fail(error, MetadataError::make(MetadataError::Kind::missingKey, displayName(),
                                                         {QStringLiteral("CORVELLE_TMDB_API_KEY")}));
        return std::nullopt;
    }
    HttpFetch::Headers headers;
    if (isReadAccessToken(configuration.theMovieDBKey))
        headers.append({QByteArrayLiteral("Authorization"), "Bearer " + configuration.theMovieDBKey.toUtf8()});
    else
        query.prepend({QStringLiteral("api_key"), configuration.theMovieDBKey});
    const QUrl url = MetadataRequest::endpoint(configuration.theMovieDBBaseUrl, path, query);
    return MetadataRequest::getJson(displayName(), url, headers, configuration.timeoutMs, error, notFound);
}

QList<MetadataResult> TheMovieDBService::search(const QString& path, const QString& name, const QString& language,
                                                bool isShow, MetadataError* error) const
{
    const std::optional<QJsonObject> answer =
        get(path, {{QStringLiteral("query"), name}, {QStringLiteral("language"), language}}, error);
    if (!answer)
        return {};
    if (!answer->value(QLatin1String("results")).isArray()) {
        MetadataRequest::fail(error, MetadataError::make(MetadataError::Kind::malformed, displayName()));
        return {};
    }
    QList<MetadataResult> results;
    for (const QJsonValue& item : answer->value(QLatin1String("results")).toArray()) {
        if (item.isObject())
            results << resultOf(item.toObject(), isShow);
    }
    return results;
}

QList<MetadataResult> TheMovieDBService::searchMovies(const QString& name, const QString& language,
                                                      MetadataError* error) const
{
    return search(QStringLiteral("/3/search/movie"), name, language, false, error);
}

QList<MetadataResult> TheMovieDBService::searchShows(const QString& name, std::optional<int> season,
                                                     std::optional<int> episode, const QString& language,
                                                     MetadataError* error) const
{
    QList<MetadataResult> results = search(QStringLiteral("/3/search/tv"), name, language, true, error);
    for (MetadataResult& result : results) {
        if (season)
            result.setValue(K::seasonNumber, *season);
        if (episode)
            result.setValue(K::episodeNumber, *episode);
    }
    return results;
}

std::optional<MetadataResult> TheMovieDBService::loadMovie(const MetadataResult& result, const QString& language,
                                                           MetadataError* error) const
{
    const QString identifier = result.value(K::serviceIdentifier).toString();
    const std::optional<QJsonObject> record = get(
        QStringLiteral("/3/movie/") + identifier,
        {{QStringLiteral("language"), language}, {QStringLiteral("append_to_response"), QStringLiteral("credits,release_dates,images")},
         {QStringLiteral("include_image_language"), language.left(2) + QStringLiteral(",null")}},
        error, result.value(K::name).toString());
    if (!record)
        return std::nullopt;
    MetadataResult loaded = resultOf(*record, false);
    loaded.setValue(K::genre, names(record->value(QLatin1String("genres")).toArray()));
    loaded.setValue(K::copyright, names(record->value(QLatin1String("production_companies")).toArray()));
    loaded.setValue(K::url, text(*record, "homepage"));
    loaded.setValue(K::contentIdentifier, record->value(QLatin1String("id")).toVariant());
    addCredits(loaded, record->value(QLatin1String("credits")).toObject());
    const QString country = language.section(QLatin1Char('-'), 1);
    for (const QJsonValue& entry : record->value(QLatin1String("release_dates")).toObject().value(QLatin1String("results")).toArray()) {
        const QJsonObject release = entry.toObject();
        if (text(release, "iso_3166_1") != country)
            continue;
        for (const QJsonValue& date : release.value(QLatin1String("release_dates")).toArray())
            loaded.setValue(K::contentRating, text(date.toObject(), "certification"));
    }
    addImages(loaded, record->value(QLatin1String("images")).toObject());
    return loaded;
}

std::optional<MetadataResult> TheMovieDBService::loadShow(const MetadataResult& result, std::optional<int> season,
                                                          std::optional<int> episode, const QString& language,
                                                          MetadataError* error) const
{
    const QString identifier = result.value(K::serviceIdentifier).toString();
    const QString showName = result.value(K::name).toString();
    const std::optional<QJsonObject> show = get(
        QStringLiteral("/3/tv/") + identifier,
        {{QStringLiteral("language"), language}, {QStringLiteral("append_to_response"), QStringLiteral("credits,images")},
         {QStringLiteral("include_image_language"), language.left(2) + QStringLiteral(",null")}},
        error, showName);
    if (!show)
        return std::nullopt;
    MetadataResult loaded = resultOf(*show, true);
    loaded.setValue(K::genre, names(show->value(QLatin1String("genres")).toArray()));
    loaded.setValue(K::networkName, names(show->value(QLatin1String("networks")).toArray()));
    loaded.setValue(K::url, text(*show, "homepage"));
    addCredits(loaded, show->value(QLatin1String("credits")).toObject());
    addImages(loaded, show->value(QLatin1String("images")).toObject());
    if (!season || !episode)
        return loaded;
    const std::optional<QJsonObject> record =
        get(QStringLiteral("/3/tv/%1/season/%2/episode/%3").arg(identifier).arg(*season).arg(*episode),
            {{QStringLiteral("language"), language}}, error,
            QStringLiteral("%1 %2x%3").arg(showName).arg(*season).arg(*episode));
    if (!record)
        return std::nullopt;
    loaded.setValue(K::name, text(*record, "name"));
    loaded.setValue(K::releaseDate, text(*record, "air_date"));
    const QString overview = text(*record, "overview");
    if (!overview.isEmpty()) {
        loaded.setValue(K::description, overview.left(255));
        loaded.setValue(K::longDescription, overview);
    }
    loaded.setValue(K::seasonNumber, record->value(QLatin1String("season_number")).toInt(*season));
    loaded.setValue(K::episodeNumber, record->value(QLatin1String("episode_number")).toInt(*episode));
    loaded.setValue(K::trackNumber, record->value(QLatin1String("episode_number")).toInt(*episode));
    loaded.setValue(K::episodeIdentifier, text(*record, "production_code"));
    QList<MetadataArtwork> artworks = loaded.artworks();
    const QString still = text(*record, "still_path");
    if (!still.isEmpty()) {
        artworks.prepend({imageUrl(QStringLiteral("original"), still), imageUrl(QStringLiteral("w185"), still),
                          imageUrl(QStringLiteral("w780"), still), MetadataArtwork::Kind::episode});
        loaded.setArtworks(artworks);
    }
    return loaded;
}

} // namespace cobbin
