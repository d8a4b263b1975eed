#pragma once

#include "engine/halvex/tags/TagStorageSource.h"
#include "engine/halvex/tags/TagValue.h"
#include "engine/ostrak/TagName.h"

#include <QHash>
#include <QList>

#include <optional>

namespace ostrak {
struct TagRecordSet;
}

namespace halvex {

// The tag values read from one source, in ExifTool's order. A value: copies are independent.
//
// Repeated tags (two HandlerType tags in one movie track) are kept as distinct TagNames. Of the
// tags that share a group and a name, the one ExifTool counts first (lowest family-4 copy number)
// keeps the plain name, so that "ItemList:Title" is found whatever other groups hold a Title;
// each other one takes its copy number into its group, as ExifTool names it:
// TagName("Track1:Copy2", "HandlerType").
class TagStorage {
public:
    explicit TagStorage(TagStorageSource source = TagStorageSource(QUrl()));
    // The tags of one read; an "ExifTool:Warning" or "ExifTool:Error" tag is kept as read.
    TagStorage(TagStorageSource source, const ostrak::TagRecordSet& records);

    const TagStorageSource& source() const { return source_; }
    void setSource(TagStorageSource source) { source_ = std::move(source); }

    bool isEmpty() const { return names_.isEmpty(); }
    qsizetype count() const { return names_.size(); }
    const QList<ostrak::TagName>& tagNames() const { return names_; }
    bool contains(const ostrak::TagName& tagName) const { return values_.contains(tagName); }

    std::optional<TagValue> value(const ostrak::TagName& tagName) const;
    // The printed text, or none when the tag is absent.
    std::optional<QString> currentValue(const ostrak::TagName& tagName) const;

    // Adds the tag at the end, or replaces its value in place.
    void setValue(const ostrak::TagName& tagName, const TagValue& value);
    void removeValue(const ostrak::TagName& tagName);

private:
    TagStorageSource source_;
    QList<ostrak::TagName> names_;
    QHash<ostrak::TagName, TagValue> values_;
};

} // namespace halvex
