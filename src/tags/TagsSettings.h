#pragma once

#include "engine/halvex/editions/TagSyncPair.h"
#include "engine/halvex/tags/TagValueTableFilter.h"
#include "engine/ostrak/TagName.h"
#include "engine/ostrak/TagStream.h"
#include "tags/ReducedTagSetUserChoice.h"
#include "widgets/settings/SettingsKeyTypes.h"

// Tag pickers, and the streams, tags and filters last chosen for the tag commands: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const EnumKey<ReducedTagSetUserChoice>& reducedTagSetUserChoice();
const TagStreamsKey& copyTagsChosenStreams();
const TagStreamsKey& restoreTagsChosenStreams();
const TagStreamsKey& eraseTagsChosenStreams();
const TagStreamsKey& deleteBlocksChosenStreams();
const TagStreamsKey& tagsImportChosenStreams();
const TagNamesKey& tagsImportChosenNames();
const TagNamesKey& tagsImportCSVTableNames();
const JSONKey<ostrak::TagName>& syncDateTimeChosenName();
const JSONKey<QList<halvex::TagSyncPair>>& lastTagCopies();
// that constrains nothing
const JSONKey<halvex::TagValueTableFilter>& lastTagSelection();
const JSONKey<halvex::TagValueTableFilter>& lastTagFilter();

} // namespace corvelle::Settings
