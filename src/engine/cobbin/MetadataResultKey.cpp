#include "engine/cobbin/MetadataResultKey.h"

#include <QHash>

namespace cobbin {

namespace {

const QList<std::pair<MetadataResultKey, QString>>& table()
{
    using K = MetadataResultKey;
    static const QList<std::pair<K, QString>> entries{
        {K::name, QStringLiteral("name")},
        {K::serviceIdentifier, QStringLiteral("serviceIdentifier")},
        {K::genre, QStringLiteral("genre")},
        {K::releaseDate, QStringLiteral("releaseDate")},
        {K::description, QStringLiteral("description")},
        {K::longDescription, QStringLiteral("longDescription")},
        {K::rating, QStringLiteral("rating")},
        {K::work, QStringLiteral("work")},
        {K::cast, QStringLiteral("cast")},
        {K::directors, QStringLiteral("directors")},
        {K::producers, QStringLiteral("producers")},
        {K::composers, QStringLiteral("composers")},
        {K::executiveProducers, QStringLiteral("executiveProducers")},
        {K::copyright, QStringLiteral("copyright")},
        {K::mediaKind, QStringLiteral("mediaKind")},
        {K::contentRating, QStringLiteral("contentRating")},
        {K::contentIdentifier, QStringLiteral("contentIdentifier")},
        {K::artist, QStringLiteral("artist")},
        {K::playlistIndex, QStringLiteral("playlistIndex")},
        {K::storeCountry, QStringLiteral("storeCountry")},
        {K::url, QStringLiteral("url")},
        {K::displayName, QStringLiteral("displayName")},
        {K::storeDescription, QStringLiteral("storeDescription")},
        {K::trackNumber, QStringLiteral("trackNumber")},
        {K::discNumber, QStringLiteral("discNumber")},
        {K::episodeNumber, QStringLiteral("episodeNumber")},
        {K::episodeIdentifier, QStringLiteral("episodeIdentifier")},
        {K::seasonNumber, QStringLiteral("seasonNumber")},
        {K::networkName, QStringLiteral("networkName")},
    };
    return entries;
}

} // namespace

QString rawValue(MetadataResultKey key)
{
    return table().at(int(key)).second;
}

std::optional<MetadataResultKey> metadataResultKey(const QString& rawValue)
{
    for (const auto& [key, text] : table()) {
        if (text == rawValue)
            return key;
    }
    return std::nullopt;
}

const QList<MetadataResultKey>& allMetadataResultKeys()
{
    static const QList<MetadataResultKey> keys = [] {
        QList<MetadataResultKey> all;
        for (const auto& entry : table())
            all << entry.first;
        return all;
    }();
    return keys;
}

const QList<MetadataResultKey>& movieKeys()
{
    using K = MetadataResultKey;
    static const QList<K> keys{K::name, K::mediaKind, K::genre, K::releaseDate, K::description,
                               K::longDescription, K::contentRating, K::rating, K::cast, K::directors,
                               K::producers, K::executiveProducers, K::composers, K::copyright, K::artist,
                               K::contentIdentifier, K::storeCountry, K::url, K::serviceIdentifier};
    return keys;
}

const QList<MetadataResultKey>& showKeys()
{
    using K = MetadataResultKey;
    static const QList<K> keys{K::name, K::displayName, K::artist, K::mediaKind, K::seasonNumber,
                               K::episodeNumber, K::episodeIdentifier, K::trackNumber, K::discNumber,
                               K::networkName, K::genre, K::releaseDate, K::description, K::longDescription,
                               K::storeDescription, K::contentRating, K::rating, K::cast, K::directors,
                               K::producers, K::executiveProducers, K::composers, K::copyright, K::work,
                               K::contentIdentifier, K::playlistIndex, K::storeCountry, K::url,
                               K::serviceIdentifier};
    return keys;
}

} // namespace cobbin
