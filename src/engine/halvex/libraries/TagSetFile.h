#pragma once

#include "engine/halvex/libraries/TagSet.h"

#include <QString>

namespace halvex {

// The content of a tag-set file ("cvtagset", or "cvtagsset" as earlier exchanges named it;
// both hold the same form): one tag set, as JSON. The stored tag-set library uses the same form.
//
// Pure: safe on any thread.
class TagSetFile {
public:
    explicit TagSetFile(TagSet tagSet) : tagSet_(std::move(tagSet)) {}

    // Reads the file at `jsonPath`. Throws LibraryError naming the file and the reason when it
    // cannot be read, is not JSON or does not hold a tag set.
    static TagSetFile from(const QString& jsonPath);

    const TagSet& tagSet() const { return tagSet_; }

    // Writes the file atomically: any file at `path` is replaced only once the new one is
    // completely written. Throws LibraryError naming the file and the reason; the old file, if
    // any, is then intact.
    void write(const QString& path) const;

private:
    TagSet tagSet_;
};

} // namespace halvex
