#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace cobbin {

// The kinds of value an online record carries, in the order of the enumeration (the tag map of
// the media-information window names them by that order).
enum class MetadataResultKey {
    name,               // 0
    serviceIdentifier,  // 1: the record's own number at its service; written nowhere
    genre,              // 2
    releaseDate,        // 3
    description,        // 4
    longDescription,    // 5
    rating,             // 6
    work,               // 7
    cast,               // 8
    directors,          // 9
    producers,          // 10
    composers,          // 11
    executiveProducers, // 12
    copyright,          // 13
    mediaKind,          // 14
    contentRating,      // 15
    contentIdentifier,  // 16
    artist,             // 17
    playlistIndex,      // 18
    storeCountry,       // 19
    url,                // 20
    displayName,        // 21
    storeDescription,   // 22
    trackNumber,        // 23
    discNumber,         // 24
    episodeNumber,      // 25
    episodeIdentifier,  // 26
    seasonNumber,       // 27
    networkName,        // 28
};

QString rawValue(MetadataResultKey key);
std::optional<MetadataResultKey> metadataResultKey(const QString& rawValue);
const QList<MetadataResultKey>& allMetadataResultKeys();
// The order in which a movie's and a show's values are shown.
const QList<MetadataResultKey>& movieKeys();
const QList<MetadataResultKey>& showKeys();

inline size_t qHash(MetadataResultKey key, size_t seed = 0) noexcept
{
    return ::qHash(int(key), seed);
}

} // namespace cobbin
