#include "mediainfo/StoreResultTagMap.h"

#include <QHash>

namespace corvelle {

namespace {

using K = cobbin::MetadataResultKey;
using ostrak::TagItem;

const QHash<K, TagItem>& tagMap()
{
    static const QHash<K, TagItem> map{
        {K::name, TagItem::itemQuickTimeName()},
        {K::genre, TagItem::itemQuickTimeGenre()},
        {K::releaseDate, TagItem::itemQuickTimeReleaseDate()},
        {K::description, TagItem::itemQuickTimeDescription()},
        {K::longDescription, TagItem::itemQuickTimeLongDescription()},
        {K::rating, TagItem::itemQuickTimeRating()},
        {K::work, TagItem::itemQuickTimeWork()},
        {K::cast, TagItem::itemQuickTimePerformer()},
        {K::directors, TagItem::itemQuickTimeDirector()},
        {K::producers, TagItem::itemQuickTimeProducer()},
        {K::composers, TagItem::itemQuickTimeComposer()},
        {K::executiveProducers, TagItem::itemQuickTimeExecutiveProducer()},
        {K::copyright, TagItem::itemQuickTimeCopyright()},
        {K::mediaKind, TagItem::itemQuickTimeMediaType()},
        {K::contentRating, TagItem::itemQuickTimeContentRating()},
        {K::contentIdentifier, TagItem::itemQuickTimeContentID()},
        {K::artist, TagItem::itemQuickTimeArtist()},
        {K::playlistIndex, TagItem::itemQuickTimePlaylistIndex()},
        {K::storeCountry, TagItem::itemQuickTimeAppleStoreCountry()},
        {K::url, TagItem::itemQuickTimeURL()},
        {K::displayName, TagItem::itemQuickTimeDisplayName()},
        {K::storeDescription, TagItem::itemQuickTimeStoreDescription()},
        {K::trackNumber, TagItem::itemQuickTimeTrackNumber()},
        {K::discNumber, TagItem::itemQuickTimeDiskNumber()},
        {K::episodeNumber, TagItem::itemQuickTimeTVEpisode()},
        {K::episodeIdentifier, TagItem::itemQuickTimeTVEpisodeID()},
        {K::seasonNumber, TagItem::itemQuickTimeTVSeason()},
        {K::networkName, TagItem::itemQuickTimeTVNetworkName()},
    };
    return map;
}

std::optional<int> integer(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toInt();
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<TagItem> StoreResultTagMap::tagItem(K key)
{
    const auto found = tagMap().constFind(key);
    if (found == tagMap().constEnd())
        return std::nullopt;
    return *found;
}

std::optional<StoreInformationRow> StoreResultTagMap::informationRow(K key, const cobbin::MetadataResult& result)
{
    const QVariant value = result.value(key);
    if (!value.isValid())
        return std::nullopt;
    const std::optional<TagItem> item = tagItem(key);
    if (!item)
        return std::nullopt;
    const QString text = value.toString();
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return StoreInformationRow{*item, text};
}

QList<StoreInformationRow> StoreResultTagMap::informationRows(const cobbin::MetadataResult& result,
                                                              const QList<K>& keys)
{
    QList<StoreInformationRow> rows;
    for (const K key : keys) {
        if (std::optional<StoreInformationRow> row = informationRow(key, result))
            rows << *row;
    }
    return rows;
}

QList<StoreInformationRow> StoreResultTagMap::informationRows(const cobbin::MetadataResult& result)
{
    return informationRows(result, result.isShow() ? cobbin::showKeys() : cobbin::movieKeys());
}

QString StoreResultTagMap::titleLine(const cobbin::MetadataResult& result)
{
    QString name;
    const QVariant title = result.value(K::name);
    const QVariant display = result.value(K::displayName);
    if (title.typeId() == QMetaType::QString)
        name = title.toString();
    else if (display.typeId() == QMetaType::QString)
        name = display.toString();
    const std::optional<int> season = integer(result.value(K::seasonNumber));
    const std::optional<int> episode = integer(result.value(K::episodeNumber));
    if (season && episode)
        return QStringLiteral("%1x%2 - %3").arg(*season).arg(*episode).arg(name);
    return name;
}

} // namespace corvelle
