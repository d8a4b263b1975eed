#pragma once

#include "engine/halvex/libraries/TagSection.h"
#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/TagName.h"

#include <QList>
#include <QMetaType>
#include <QSet>

#include <optional>
#include <variant>

namespace halvex {

// An ordered list of tags under section headings: the tags a tag table shows, or offers in the
// pickers. A value: copies are independent and may be handed between threads.
class TagSet {
public:
    // One row of a tag set: a section heading or a tag.
    class FlatEntry {
    public:
        FlatEntry(TagSection section) : value_(std::move(section)) {}
        FlatEntry(ostrak::TagName tagName) : value_(std::move(tagName)) {}

        bool isSection() const { return std::holds_alternative<TagSection>(value_); }
        // Only for a section.
        const TagSection& section() const { return std::get<TagSection>(value_); }
        // None for a section.
        std::optional<ostrak::TagName> tagName() const;
        // The tag's item in the tag database; none for a section or a tag the database does
        // not list.
        std::optional<ostrak::TagItem> tagItem() const;

        friend bool operator==(const FlatEntry&, const FlatEntry&) = default;

    private:
        std::variant<TagSection, ostrak::TagName> value_;
    };

    TagSet() = default;
    explicit TagSet(QList<FlatEntry> entries) : entries_(std::move(entries)) {}

    // The engine's set for movies: QuickTime item-list, keys and user-data tags and the common
    // XMP tags, under Movie, Credits, TV Show, Store and XMP.
    static TagSet forVideos();
    // The tags most often looked for across the tag families, under Description, Dates,
    // Camera, Location and Rights.
    static TagSet popular();

    int count() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.isEmpty(); }
    // Only for 0 <= row < count().
    const FlatEntry& entry(int row) const { return entries_.at(row); }
    const QList<FlatEntry>& entries() const { return entries_; }

    // The names of the tag entries, in order.
    QList<ostrak::TagName> tagNames() const;
    // The items of the tag entries that the tag database lists.
    QSet<ostrak::TagItem> tagItems() const;

    // Writes the set as a tag-set file, replacing any file at `path` only once the new one is
    // completely written: do not remove the old file first, or a failed export loses it.
    // Throws LibraryError naming the file and the reason; the old file is then intact.
    void exportTo(const QString& path) const;

    friend bool operator==(const TagSet&, const TagSet&) = default;

private:
    QList<FlatEntry> entries_;
};

} // namespace halvex

// A section entry is {"section": {"_0": <TagSection>}}, a tag entry {"tag": {"_0": <TagName>}}.
// Decoding refuses a tag whose group or name is not made of the characters ExifTool uses in
// them, so that a file cannot slip other text into an ExifTool argument.
template<>
struct brisa::JsonCoding<halvex::TagSet::FlatEntry> {
    static QJsonValue encode(const halvex::TagSet::FlatEntry& entry);
    static halvex::TagSet::FlatEntry decode(const QJsonValue& json, const QStringList& codingPath);
};

// {"entries": [<FlatEntry>, ...]}
template<>
struct brisa::JsonCoding<halvex::TagSet> {
    static QJsonValue encode(const halvex::TagSet& tagSet);
    static halvex::TagSet decode(const QJsonValue& json, const QStringList& codingPath);
};

Q_DECLARE_METATYPE(halvex::TagSet)
