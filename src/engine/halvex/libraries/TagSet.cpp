#include "engine/halvex/libraries/TagSet.h"

#include "engine/halvex/libraries/TagSetFile.h"
#include "platform/brisa/core/KeyedJson.h"

#include <QJsonObject>
#include <QRegularExpression>

namespace halvex {

namespace {

using ostrak::TagItem;
using ostrak::TagName;

const QString sectionCase = QStringLiteral("section");
const QString tagCase = QStringLiteral("tag");
const QString entriesKey = QStringLiteral("entries");

TagSet::FlatEntry section(const char* key)
{
    return TagSection::builtIn(QString::fromLatin1(key));
}

TagSet::FlatEntry tag(const TagItem& item)
{
    return item.tagName();
}

TagSet::FlatEntry tag(const char* group, const char* name)
{
    return TagName(QString::fromLatin1(group), QString::fromLatin1(name));
}

// Groups may be compound ("Track1:Copy1") or stand for numbered groups ("Track#"); names carry a
// language after a hyphen ("Title-fr"). Nothing may start with a hyphen, as an option does.
bool isExifToolTagName(const TagName& tagName)
{
    static const QRegularExpression group(
        QStringLiteral("^[A-Za-z0-9_#*][A-Za-z0-9_#*-]*(:[A-Za-z0-9_#*][A-Za-z0-9_#*-]*)*$"));
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_-]*$"));
    return group.match(tagName.group()).hasMatch() && name.match(tagName.name()).hasMatch();
}

} // namespace

std::optional<TagName> TagSet::FlatEntry::tagName() const
{
    if (const TagName* name = std::get_if<TagName>(&value_))
        return *name;
    return std::nullopt;
}

std::optional<TagItem> TagSet::FlatEntry::tagItem() const
{
    if (const TagName* name = std::get_if<TagName>(&value_))
        return name->item();
    return std::nullopt;
}

TagSet TagSet::forVideos()
{
    return TagSet({
        section("TagSetSectionMovie"),
        tag(TagItem::itemQuickTimeName()),
        tag(TagItem::itemQuickTimeDisplayName()),
        tag(TagItem::itemQuickTimeTitle()),
        tag(TagItem::itemQuickTimeGenre()),
        tag(TagItem::itemQuickTimeReleaseDate()),
        tag(TagItem::itemQuickTimeContentCreateDate()),
        tag(TagItem::itemQuickTimeDescription()),
        tag(TagItem::itemQuickTimeLongDescription()),
        tag(TagItem::itemQuickTimeRating()),
        tag(TagItem::itemQuickTimeCopyright()),
        tag(TagItem::itemQuickTimeCoverArt()),
        section("TagSetSectionCredits"),
        tag(TagItem::itemQuickTimeArtist()),
        tag(TagItem::itemQuickTimeDirector()),
        tag(TagItem::itemQuickTimeProducer()),
        tag(TagItem::itemQuickTimeExecutiveProducer()),
        tag(TagItem::itemQuickTimeComposer()),
        tag(TagItem::itemQuickTimePerformer()),
        tag(TagItem::itemQuickTimeWork()),
        section("TagSetSectionTVShow"),
        tag(TagItem::itemQuickTimeTVNetworkName()),
        tag(TagItem::itemQuickTimeTVSeason()),
        tag(TagItem::itemQuickTimeTVEpisode()),
        tag(TagItem::itemQuickTimeTVEpisodeID()),
        tag(TagItem::itemQuickTimeTrackNumber()),
        tag(TagItem::itemQuickTimeDiskNumber()),
        section("TagSetSectionStore"),
        tag(TagItem::itemQuickTimeMediaType()),
        tag(TagItem::itemQuickTimeContentID()),
        tag(TagItem::itemQuickTimeAppleStoreCountry()),
        tag(TagItem::itemQuickTimePlaylistIndex()),
        tag(TagItem::itemQuickTimeStoreDescription()),
        tag(TagItem::itemQuickTimeURL()),
        section("TagSetSectionXMP"),
        tag("XMP-dc", "Title"),
        tag("XMP-dc", "Description"),
        tag("XMP-dc", "Creator"),
        tag("XMP-dc", "Subject"),
        tag("XMP-dc", "Rights"),
    });
}

TagSet TagSet::popular()
{
    return TagSet({
        section("TagSetSectionDescription"),
        tag(TagItem::itemQuickTimeName()),
        tag(TagItem::itemQuickTimeDescription()),
        tag(TagItem::itemEXIFImageDescription()),
        tag("XMP-dc", "Title"),
        tag("XMP-dc", "Description"),
        tag("XMP-dc", "Subject"),
        tag("IPTC", "ObjectName"),
        tag("IPTC", "Caption-Abstract"),
        tag("IPTC", "Keywords"),
        section("TagSetSectionDates"),
        tag(TagItem::itemEXIFDateTimeOriginal()),
        tag("ExifIFD", "CreateDate"),
        tag(TagItem::itemQuickTimeContentCreateDate()),
        tag("Keys", "CreationDate"),
        tag("XMP-xmp", "CreateDate"),
        tag("XMP-photoshop", "DateCreated"),
        section("TagSetSectionCamera"),
        tag(TagItem::itemEXIFMake()),
        tag("IFD0", "Model"),
        tag("ExifIFD", "LensModel"),
        tag(TagItem::itemEXIFOrientation()),
        section("TagSetSectionLocation"),
        tag("GPS", "GPSLatitude"),
        tag("GPS", "GPSLongitude"),
        tag("GPS", "GPSAltitude"),
        tag(TagItem::itemEXIFGPSDateStamp()),
        tag(TagItem::itemEXIFGPSTimeStamp()),
        tag("Keys", "GPSCoordinates"),
        section("TagSetSectionRights"),
        tag("IFD0", "Artist"),
        tag("IFD0", "Copyright"),
        tag("XMP-dc", "Creator"),
        tag("XMP-dc", "Rights"),
        tag(TagItem::itemQuickTimeArtist()),
        tag(TagItem::itemQuickTimeCopyright()),
    });
}

QList<TagName> TagSet::tagNames() const
{
    QList<TagName> names;
    for (const FlatEntry& entry : entries_) {
        if (const std::optional<TagName> name = entry.tagName())
            names.append(*name);
    }
    return names;
}

QSet<TagItem> TagSet::tagItems() const
{
    QSet<TagItem> items;
    for (const FlatEntry& entry : entries_) {
        if (const std::optional<TagItem> item = entry.tagItem())
            items.insert(*item);
    }
    return items;
}

void TagSet::exportTo(const QString& path) const
{
    TagSetFile(*this).write(path);
}

} // namespace halvex

QJsonValue brisa::JsonCoding<halvex::TagSet::FlatEntry>::encode(const halvex::TagSet::FlatEntry& entry)
{
    if (entry.isSection())
        return KeyedJson::encodeCase(halvex::sectionCase, entry.section());
    return KeyedJson::encodeCase(halvex::tagCase, *entry.tagName());
}

halvex::TagSet::FlatEntry brisa::JsonCoding<halvex::TagSet::FlatEntry>::decode(const QJsonValue& json,
                                                                               const QStringList& codingPath)
{
    const KeyedJson::Case found = KeyedJson::decodeCase(json, codingPath, {halvex::sectionCase, halvex::tagCase});
    if (found.name == halvex::sectionCase)
        return found.payload<halvex::TagSection>();
    const ostrak::TagName name = found.payload<ostrak::TagName>();
    if (!halvex::isExifToolTagName(name)) {
        throw DecodingError(DecodingError::Kind::DataCorrupted, found.content.codingPath(KeyedJson::payloadKey()),
                            QStringLiteral("\"%1\" is not a tag name.").arg(name.rawValue()));
    }
    return name;
}

QJsonValue brisa::JsonCoding<halvex::TagSet>::encode(const halvex::TagSet& tagSet)
{
    QJsonObject object;
    KeyedJson::encode(object, halvex::entriesKey, tagSet.entries());
    return object;
}

halvex::TagSet brisa::JsonCoding<halvex::TagSet>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    return halvex::TagSet(object.decode<QList<halvex::TagSet::FlatEntry>>(halvex::entriesKey));
}
