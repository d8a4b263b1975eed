#include "engine/cobbin/iTunesService.h"

#include "engine/cobbin/MetadataRequest.h"
#include "engine/cobbin/MetadataServiceConfiguration.h"

#include <QJsonArray>
#include <QLocale>
#include <QRegularExpression>

namespace cobbin {

namespace {

using K = MetadataResultKey;

QUrl endpoint(const QString& path, const QList<std::pair<QString, QString>>& query)
{
    return MetadataRequest::endpoint(MetadataServiceConfiguration::current().iTunesBaseUrl, path, query);
}

// The store's season number in "Show Name, Season 2".
std::optional<int> seasonOfCollection(const QString& collection)
{
    static const QRegularExpression season(QStringLiteral(",\\s*Season\\s+(\\d+)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = season.match(collection);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

QUrl largerArtwork(const QString& address)
{
    QString larger = address;
    larger.replace(QRegularExpression(QStringLiteral("/\\d+x\\d+(bb)?\\.")), QStringLiteral("/1000x1000bb."));
    return QUrl(larger);
}

MetadataResult resultOf(const QJsonObject& item, bool isShow)
{
    MetadataResult result(isShow);
    result.setValue(K::serviceIdentifier, item.value(QLatin1String("trackId")).toVariant());
    result.setValue(K::name, item.value(QLatin1String("trackName")).toString());
    result.setValue(K::genre, item.value(QLatin1String("primaryGenreName")).toString());
    result.setValue(K::releaseDate, item.value(QLatin1String("releaseDate")).toString());
    result.setValue(K::description, item.value(QLatin1String("shortDescription")).toString());
    result.setValue(K::longDescription, item.value(QLatin1String("longDescription")).toString());
    result.setValue(K::contentRating, item.value(QLatin1String("contentAdvisoryRating")).toString());
    result.setValue(K::url, item.value(QLatin1String("trackViewUrl")).toString());
    result.setValue(K::contentIdentifier, item.value(QLatin1String("trackId")).toVariant());
    result.setValue(K::copyright, item.value(QLatin1String("copyright")).toString());
    if (isShow) {
        result.setValue(K::mediaKind, QStringLiteral("TV Show"));
        result.setValue(K::artist, item.value(QLatin1String("artistName")).toString());
        result.setValue(K::displayName, item.value(QLatin1String("artistName")).toString());
        result.setValue(K::work, item.value(QLatin1String("collectionName")).toString());
        if (item.contains(QLatin1String("trackNumber"))) {
            result.setValue(K::episodeNumber, item.value(QLatin1String("trackNumber")).toInt());
            result.setValue(K::trackNumber, item.value(QLatin1String("trackNumber")).toInt());
        }
        if (const std::optional<int> season = seasonOfCollection(item.value(QLatin1String("collectionName")).toString()))
            result.setValue(K::seasonNumber, *season);
        result.setValue(K::storeDescription, item.value(QLatin1String("longDescription")).toString());
    } else {
        result.setValue(K::mediaKind, QStringLiteral("Movie"));
        result.setValue(K::directors, item.value(QLatin1String("artistName")).toString());
    }
    const QString artwork = item.value(QLatin1String("artworkUrl100")).toString();
    if (!artwork.isEmpty()) {
        result.addArtwork({largerArtwork(artwork), QUrl(artwork), QUrl(artwork),
                           isShow ? MetadataArtwork::Kind::episode : MetadataArtwork::Kind::poster});
    }
    return result;
}

std::optional<QList<MetadataResult>> search(const QString& service, const QList<std::pair<QString, QString>>& query,
                                            bool isShow, MetadataError* error)
{
    const MetadataServiceConfiguration configuration = MetadataServiceConfiguration::current();
    const std::optional<QJsonObject> answer = MetadataRequest::getJson(
        service, endpoint(QStringLiteral("/search"), query), {}, configuration.timeoutMs, error);
    if (!answer)
        return std::nullopt;
    if (!answer->value(QLatin1String("results")).isArray()) {
        MetadataRequest::fail(error, MetadataError::make(MetadataError::Kind::malformed, service));
        return std::nullopt;
    }
    QList<MetadataResult> results;
    for (const QJsonValue& item : answer->value(QLatin1String("results")).toArray()) {
        if (item.isObject())
            results << resultOf(item.toObject(), isShow);
    }
    return results;
}

} // namespace

QStringList iTunesService::languages() const
{
    static const QStringList countries{QStringLiteral("us"), QStringLiteral("gb"), QStringLiteral("ca"),
                                       QStringLiteral("au"), QStringLiteral("fr"), QStringLiteral("de"),
                                       QStringLiteral("it"), QStringLiteral("es"), QStringLiteral("nl"),
                                       QStringLiteral("se"), QStringLiteral("jp"), QStringLiteral("br")};
    return countries;
}

QString iTunesService::languageTitle(const QString& language) const
{
    const QLocale::Territory territory = QLocale::codeToTerritory(language.toUpper());
    return territory == QLocale::AnyTerritory ? language : QLocale::territoryToString(territory);
}

QList<MetadataResult> iTunesService::searchMovies(const QString& name, const QString& language,
                                                  MetadataError* error) const
{
    return search(displayName(),
                  {{QStringLiteral("term"), name}, {QStringLiteral("media"), QStringLiteral("movie")},
                   {QStringLiteral("entity"), QStringLiteral("movie")}, {QStringLiteral("country"), language}},
                  false, error)
        .value_or(QList<MetadataResult>());
}

QList<MetadataResult> iTunesService::searchShows(const QString& name, std::optional<int> season,
                                                 std::optional<int> episode, const QString& language,
                                                 MetadataError* error) const
{
    const std::optional<QList<MetadataResult>> found = search(
        displayName(),
        {{QStringLiteral("term"), name}, {QStringLiteral("media"), QStringLiteral("tvShow")},
         {QStringLiteral("entity"), QStringLiteral("tvEpisode")}, {QStringLiteral("country"), language}},
        true, error);
    if (!found)
        return {};
    // The store has no season or episode query: its episodes are filtered here.
    QList<MetadataResult> results;
    for (const MetadataResult& result : *found) {
        if (season && result.value(K::seasonNumber) != QVariant(*season))
            continue;
        if (episode && result.value(K::episodeNumber) != QVariant(*episode))
            continue;
        results << result;
    }
    if (results.isEmpty() && !found->isEmpty() && (season || episode)) {
        MetadataRequest::fail(error, MetadataError::make(MetadataError::Kind::notFound, displayName(),
                                                         {QStringLiteral("%1 %2x%3").arg(name).arg(season.value_or(0)).arg(episode.value_or(0))}));
    }
    return results;
}

std::optional<MetadataResult> iTunesService::lookup(const MetadataResult& result, const QString& language,
                                                    MetadataError* error) const
{
    const QString identifier = result.value(K::serviceIdentifier).toString();
    if (identifier.isEmpty())
        return result;
    const MetadataServiceConfiguration configuration = MetadataServiceConfiguration::current();
    const std::optional<QJsonObject> answer = MetadataRequest::getJson(
        displayName(),
        endpoint(QStringLiteral("/lookup"), {{QStringLiteral("id"), identifier}, {QStringLiteral("country"), language}}),
        {}, configuration.timeoutMs, error, result.value(K::name).toString());
    if (!answer)
        return std::nullopt;
    const QJsonArray items = answer->value(QLatin1String("results")).toArray();
    if (items.isEmpty() || !items.first().isObject()) {
        MetadataRequest::fail(error, MetadataError::make(MetadataError::Kind::notFound, displayName(),
                                                         {result.value(K::name).toString()}));
        return std::nullopt;
    }
    return resultOf(items.first().toObject(), result.isShow());
}

std::optional<MetadataResult> iTunesService::loadMovie(const MetadataResult& result, const QString& language,
                                                       MetadataError* error) const
{
    return lookup(result, language, error);
}

std::optional<MetadataResult> iTunesService::loadShow(const MetadataResult& result, std::optional<int>,
                                                      std::optional<int>, const QString& language,
                                                      MetadataError* error) const
{
    return lookup(result, language, error);
}

} // namespace cobbin
