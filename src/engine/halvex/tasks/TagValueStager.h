#pragma once

#include "engine/halvex/tags/TagStorage.h"
#include "engine/ostrak/TagRecordSet.h"
#include "engine/ostrak/TagName.h"
#include "engine/ostrak/TagStream.h"

#include <QSet>

namespace halvex {

class TagEditor;

// Stages the values read from another file (a source, a sidecar, a copy) as edits of an editor,
// so that nothing reaches the editor's file before the user saves it: the editor's own unsaved
// edits of other tags stay, and a save writes both.
//
// Only tags the user could edit are taken: writable in the tag database, not binary, not the
// file system's or ExifTool's own, not derived (Composite). A tag read twice (ExifTool's copy
// numbers) is taken once, its first value.
class TagValueStager {
public:
    QSet<ostrak::TagName> excludedNames;
    // Family-0 ("EXIF") or family-1 ("GPS", "XMP-dc") groups.
    QSet<ostrak::TagStream> excludedStreams;

    // The names whose values would be staged, in the source's order.
    QList<ostrak::TagName> namesToStage(const TagStorage& source) const;
    // Stages them; returns how many tags the editor took as edits.
    int stage(TagEditor& editor, const TagStorage& source) const;

    // Why the values read should not be taken: ExifTool's warnings of a damaged file, which
    // gives some of its values and loses others without a word. None for a sound file (minor
    // warnings aside).
    static std::optional<QString> damage(const ostrak::TagRecordSet& records);
};

} // namespace halvex
