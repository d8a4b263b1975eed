#pragma once

#include "engine/halvex/TagStorageSource.h"
#include "engine/halvex/TagValue.h"
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
// Repeated tags (a movie's tracks, two HandlerType tags in one track) are kept as distinct
// TagNames: ExifTool's family-4 copy number joins the group, so the second HandlerType of
// Track1 is TagName("Track1:Copy1", "HandlerType"), as ExifTool itself names it.
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
