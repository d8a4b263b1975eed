#include "engine/ostrak/TagItem.h"

#include "engine/ostrak/TagDatabase.h"
#include "engine/ostrak/TagItemData.h"
#include "engine/ostrak/ValueConverter.h"

namespace ostrak {

namespace {

const std::shared_ptr<const TagItemData>& emptyData()
{
    static const auto data = std::make_shared<const TagItemData>();
    return data;
}

TagItem namedItem(const char* group, const char* name)
{
    return TagDatabase::shared().itemOrFallback(
        TagName(QString::fromLatin1(group), QString::fromLatin1(name)));
}

} // namespace

TagItem::TagItem()
    : data_(emptyData())
{
}

TagItem::TagItem(std::shared_ptr<const TagItemData> data)
    : data_(data ? std::move(data) : emptyData())
{
}

TagItem TagItem::fallback(const TagName& name)
{
    auto data = std::make_shared<TagItemData>();
    data->name = name;
    data->fallback = true;
    return TagItem(std::move(data));
}

TagItem TagItem::renamed(const TagName& name) const
{
    auto data = std::make_shared<TagItemData>(*data_);
    data->name = name;
    return TagItem(std::move(data));
}

const TagName& TagItem::tagName() const
{
    return data_->name;
}

TagType TagItem::type() const
{
    return data_->type;
}

QString TagItem::title() const
{
    return data_->description.isEmpty() ? data_->name.name() : data_->description;
}

const QString& TagItem::description() const
{
    return data_->description;
}

const QString& TagItem::firstDescriptiveText() const
{
    return data_->name.group();
}

const QString& TagItem::secondDescriptiveText() const
{
    return data_->name.name();
}

const QString& TagItem::family0Group() const
{
    return data_->family0;
}

const QString& TagItem::family2Group() const
{
    return data_->family2;
}

const QString& TagItem::tagId() const
{
    return data_->tagId;
}

bool TagItem::isWritable() const
{
    return data_->writable;
}

TagItem::Flags TagItem::flags() const
{
    return data_->flags;
}

TagItem::ListKind TagItem::listKind() const
{
    return data_->listKind;
}

bool TagItem::isInSequence() const
{
    return data_->listKind != ListKind::None;
}

std::optional<int> TagItem::count() const
{
    if (data_->count <= 0)
        return std::nullopt;
    return data_->count;
}

bool TagItem::isFallback() const
{
    return data_->fallback;
}

const TagItem::Choices& TagItem::choices() const
{
    return data_->choices;
}

std::optional<qsizetype> TagItem::indexOfValue(const QString& value) const
{
    for (qsizetype i = 0; i < data_->choices.size(); ++i) {
        if (data_->choices[i].first == value)
            return i;
    }
    return std::nullopt;
}

std::optional<QString> TagItem::descriptionAtIndex(qsizetype index) const
{
    if (index < 0 || index >= data_->choices.size())
        return std::nullopt;
    return data_->choices[index].second;
}

std::optional<QString> TagItem::descriptionOfValue(const QString& value) const
{
    const auto index = indexOfValue(value);
    return index ? descriptionAtIndex(*index) : std::nullopt;
}

std::optional<QString> TagItem::valueOfDescription(const QString& description) const
{
    for (const auto& choice : data_->choices) {
        if (choice.second.compare(description, Qt::CaseInsensitive) == 0)
            return choice.first;
    }
    return std::nullopt;
}

ValueConverter TagItem::converter() const
{
    return ValueConverter(*this);
}

bool TagItem::isIdenticalTo(const TagItem& other) const
{
    const TagItemData& a = *data_;
    const TagItemData& b = *other.data_;
    return a.name == b.name && a.family0 == b.family0 && a.family2 == b.family2
        && a.tagId == b.tagId && a.description == b.description && a.type == b.type
        && a.writable == b.writable && a.fallback == b.fallback && a.flags == b.flags
        && a.listKind == b.listKind && a.count == b.count && a.choices == b.choices;
}

const QList<TagItem>& TagItem::allCases()
{
    return TagDatabase::shared().allItems();
}

// File names come from ExifTool's System group; the QuickTime items sit where ExifTool 12.57 keeps
// each iTunes-style atom (ItemList), except those that only the Keys, UserData or iTunes info
// blocks hold; the property-list items are the movie credits inside ItemList's iTunMOVI atom.
TagItem TagItem::itemFileFileName() { static const TagItem item = namedItem("System", "FileName"); return item; }
TagItem TagItem::itemFileFilePath() { static const TagItem item = namedItem("System", "FilePath"); return item; }
TagItem TagItem::itemEXIFDateTimeOriginal() { static const TagItem item = namedItem("ExifIFD", "DateTimeOriginal"); return item; }
TagItem TagItem::itemEXIFMake() { static const TagItem item = namedItem("IFD0", "Make"); return item; }
TagItem TagItem::itemEXIFOrientation() { static const TagItem item = namedItem("IFD0", "Orientation"); return item; }
TagItem TagItem::itemEXIFImageDescription() { static const TagItem item = namedItem("IFD0", "ImageDescription"); return item; }
TagItem TagItem::itemEXIFGPSDateStamp() { static const TagItem item = namedItem("GPS", "GPSDateStamp"); return item; }
TagItem TagItem::itemEXIFGPSTimeStamp() { static const TagItem item = namedItem("GPS", "GPSTimeStamp"); return item; }
TagItem TagItem::itemQuickTimeCoverArt() { static const TagItem item = namedItem("ItemList", "CoverArt"); return item; }
TagItem TagItem::itemQuickTimeName() { static const TagItem item = namedItem("ItemList", "Title"); return item; }
TagItem TagItem::itemQuickTimeTitle() { static const TagItem item = namedItem("Keys", "Title"); return item; }
TagItem TagItem::itemQuickTimeDisplayName() { static const TagItem item = namedItem("Keys", "DisplayName"); return item; }
TagItem TagItem::itemQuickTimeContentCreateDate() { static const TagItem item = namedItem("ItemList", "ContentCreateDate"); return item; }
TagItem TagItem::itemQuickTimeGenre() { static const TagItem item = namedItem("ItemList", "Genre"); return item; }
TagItem TagItem::itemQuickTimeReleaseDate() { static const TagItem item = namedItem("ItemList", "ReleaseDate"); return item; }
TagItem TagItem::itemQuickTimeDescription() { static const TagItem item = namedItem("ItemList", "Description"); return item; }
TagItem TagItem::itemQuickTimeLongDescription() { static const TagItem item = namedItem("ItemList", "LongDescription"); return item; }
TagItem TagItem::itemQuickTimeRating() { static const TagItem item = namedItem("ItemList", "Rating"); return item; }
TagItem TagItem::itemQuickTimeWork() { static const TagItem item = namedItem("ItemList", "Work"); return item; }
TagItem TagItem::itemQuickTimePerformer() { static const TagItem item = namedItem("ItemList", "Performer"); return item; }
TagItem TagItem::itemQuickTimeDirector() { static const TagItem item = namedItem("ItemList", "Director"); return item; }
TagItem TagItem::itemQuickTimeProducer() { static const TagItem item = namedItem("ItemList", "Producer"); return item; }
TagItem TagItem::itemQuickTimeComposer() { static const TagItem item = namedItem("ItemList", "Composer"); return item; }
TagItem TagItem::itemQuickTimeExecutiveProducer() { static const TagItem item = namedItem("ItemList", "ExecutiveProducer"); return item; }
TagItem TagItem::itemQuickTimeCopyright() { static const TagItem item = namedItem("ItemList", "Copyright"); return item; }
TagItem TagItem::itemQuickTimeMediaType() { static const TagItem item = namedItem("ItemList", "MediaType"); return item; }
TagItem TagItem::itemQuickTimeContentRating() { static const TagItem item = namedItem("iTunes", "ContentRating"); return item; }
TagItem TagItem::itemQuickTimeContentID() { static const TagItem item = namedItem("ItemList", "AppleStoreCatalogID"); return item; }
TagItem TagItem::itemQuickTimeArtist() { static const TagItem item = namedItem("ItemList", "Artist"); return item; }
TagItem TagItem::itemQuickTimePlaylistIndex() { static const TagItem item = namedItem("ItemList", "PlayListID"); return item; }
TagItem TagItem::itemQuickTimeAppleStoreCountry() { static const TagItem item = namedItem("ItemList", "AppleStoreCountry"); return item; }
TagItem TagItem::itemQuickTimeURL() { static const TagItem item = namedItem("UserData", "InfoURL"); return item; }
TagItem TagItem::itemQuickTimeStoreDescription() { static const TagItem item = namedItem("ItemList", "StoreDescription"); return item; }
TagItem TagItem::itemQuickTimeTrackNumber() { static const TagItem item = namedItem("ItemList", "TrackNumber"); return item; }
TagItem TagItem::itemQuickTimeDiskNumber() { static const TagItem item = namedItem("ItemList", "DiskNumber"); return item; }
TagItem TagItem::itemQuickTimeTVEpisode() { static const TagItem item = namedItem("ItemList", "TVEpisode"); return item; }
TagItem TagItem::itemQuickTimeTVEpisodeID() { static const TagItem item = namedItem("ItemList", "TVEpisodeID"); return item; }
TagItem TagItem::itemQuickTimeTVSeason() { static const TagItem item = namedItem("ItemList", "TVSeason"); return item; }
TagItem TagItem::itemQuickTimeTVNetworkName() { static const TagItem item = namedItem("ItemList", "TVNetworkName"); return item; }
TagItem TagItem::itemPLISTCast() { static const TagItem item = namedItem("XML", "Cast"); return item; }
TagItem TagItem::itemPLISTCodirectors() { static const TagItem item = namedItem("XML", "Codirectors"); return item; }
TagItem TagItem::itemPLISTDirectors() { static const TagItem item = namedItem("XML", "Directors"); return item; }
TagItem TagItem::itemPLISTProducers() { static const TagItem item = namedItem("XML", "Producers"); return item; }
TagItem TagItem::itemPLISTScreenwriters() { static const TagItem item = namedItem("XML", "Screenwriters"); return item; }
TagItem TagItem::itemPLISTStudio() { static const TagItem item = namedItem("XML", "Studio"); return item; }

size_t qHash(const TagItem& item, size_t seed) noexcept
{
    return qHash(item.tagName(), seed);
}

} // namespace ostrak
