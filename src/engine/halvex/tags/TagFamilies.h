#pragma once

#include "engine/ostrak/TagName.h"

#include <optional>

namespace halvex {

class MediaType;
class TagEditor;

// The metadata blocks a tag lives in, as far as which files can hold it goes: EXIF, XMP,
// QuickTime atoms and IPTC. A write into a block the file's format has no room for would change
// nothing in the file.
class TagFamilies {
public:
    enum class Family { exif, xmp, quicktime, iptc };

    // The block of a tag, by its group; none for the groups no format question applies to
    // (the file system's, composite tags, ...).
    static std::optional<Family> familyOf(const ostrak::TagName& tagName);
    // Whether files of the type can hold the block; none for a type not known.
    static std::optional<bool> typeCanHold(const MediaType& type, Family family);
    // Whether a write of the tag can reach the editor's file: its type can hold the tag's
    // block, or the file holds the tag already. Folders and unknown types take everything.
    static bool canHold(const TagEditor& editor, const ostrak::TagName& tagName);
};

} // namespace halvex
