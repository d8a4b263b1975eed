#pragma once

#include "engine/ostrak/TagName.h"
#include "engine/ostrak/TagType.h"

#include <QFlags>
#include <QList>
#include <QMetaType>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

namespace ostrak {

class ValueConverter;
struct TagItemData;

// One tag of the tag database. Immutable: copies share one const record, so items may be handed
// between threads freely. Two items are the same item when their tag names are equal.
class TagItem {
public:
    enum class ListKind : quint8 { None, List, Bag, Seq, Alt };

    // ExifTool's tag flags that matter when reading or writing.
    enum Flag : quint16 {
        Avoid = 0x1,
        Unsafe = 0x2,
        Protected = 0x4,
        BinaryData = 0x8,
        UnknownTag = 0x10,
        Permanent = 0x20,
        Mandatory = 0x40,
        Flattened = 0x80,
    };
    Q_DECLARE_FLAGS(Flags, Flag)

    // Enumerated values as (stored value, description), in ExifTool's order.
    using Choices = QList<std::pair<QString, QString>>;

    // An empty, read-only string item; exists so that items can live in containers and variants.
    TagItem();
    explicit TagItem(std::shared_ptr<const TagItemData> data);

    // Stands for a tag the database does not list: read-only, string typed, titled by its name.
    static TagItem fallback(const TagName& name);
    // The same record under another name, for a tag that ExifTool reports in a numbered group.
    TagItem renamed(const TagName& name) const;

    const TagName& tagName() const;
    TagType type() const;
    // The English description, or the tag name when ExifTool gives none.
    QString title() const;
    const QString& description() const;
    // Shown as "first second" where a row describes the tag: its group and its name.
    const QString& firstDescriptiveText() const;
    const QString& secondDescriptiveText() const;
    const QString& family0Group() const;
    const QString& family2Group() const;
    const QString& tagId() const;
    bool isWritable() const;
    Flags flags() const;
    ListKind listKind() const;
    bool isInSequence() const;
    // The fixed number of values ExifTool stores, or none.
    std::optional<int> count() const;
    bool isFallback() const;

    const Choices& choices() const;
    std::optional<qsizetype> indexOfValue(const QString& value) const;
    std::optional<QString> descriptionAtIndex(qsizetype index) const;
    std::optional<QString> descriptionOfValue(const QString& value) const;
    // The stored value whose description is the text (case-insensitive), or none.
    std::optional<QString> valueOfDescription(const QString& description) const;

    ValueConverter converter() const;

    // Every field equal, not only the name.
    bool isIdenticalTo(const TagItem& other) const;

    static const QList<TagItem>& allCases();

    static TagItem itemFileFileName();
    static TagItem itemFileFilePath();
    static TagItem itemEXIFDateTimeOriginal();
    static TagItem itemEXIFMake();
    static TagItem itemEXIFOrientation();
    static TagItem itemEXIFImageDescription();
    static TagItem itemEXIFGPSDateStamp();
    static TagItem itemEXIFGPSTimeStamp();
    static TagItem itemQuickTimeCoverArt();
    static TagItem itemQuickTimeName();
    static TagItem itemQuickTimeTitle();
    static TagItem itemQuickTimeDisplayName();
    static TagItem itemQuickTimeContentCreateDate();
    static TagItem itemQuickTimeGenre();
    static TagItem itemQuickTimeReleaseDate();
    static TagItem itemQuickTimeDescription();
    static TagItem itemQuickTimeLongDescription();
    static TagItem itemQuickTimeRating();
    static TagItem itemQuickTimeWork();
    static TagItem itemQuickTimePerformer();
    static TagItem itemQuickTimeDirector();
    static TagItem itemQuickTimeProducer();
    static TagItem itemQuickTimeComposer();
    static TagItem itemQuickTimeExecutiveProducer();
    static TagItem itemQuickTimeCopyright();
    static TagItem itemQuickTimeMediaType();
    static TagItem itemQuickTimeContentRating();
    static TagItem itemQuickTimeContentID();
    static TagItem itemQuickTimeArtist();
    static TagItem itemQuickTimePlaylistIndex();
    static TagItem itemQuickTimeAppleStoreCountry();
    static TagItem itemQuickTimeURL();
    static TagItem itemQuickTimeStoreDescription();
    static TagItem itemQuickTimeTrackNumber();
    static TagItem itemQuickTimeDiskNumber();
    static TagItem itemQuickTimeTVEpisode();
    static TagItem itemQuickTimeTVEpisodeID();
    static TagItem itemQuickTimeTVSeason();
    static TagItem itemQuickTimeTVNetworkName();
    static TagItem itemPLISTCast();
    static TagItem itemPLISTCodirectors();
    static TagItem itemPLISTDirectors();
    static TagItem itemPLISTProducers();
    static TagItem itemPLISTScreenwriters();
    static TagItem itemPLISTStudio();

    friend bool operator==(const TagItem& a, const TagItem& b) { return a.tagName() == b.tagName(); }
    friend bool operator!=(const TagItem& a, const TagItem& b) { return !(a == b); }

private:
    std::shared_ptr<const TagItemData> data_;
};

size_t qHash(const TagItem& item, size_t seed = 0) noexcept;

} // namespace ostrak

Q_DECLARE_OPERATORS_FOR_FLAGS(ostrak::TagItem::Flags)
Q_DECLARE_METATYPE(ostrak::TagItem)
