#pragma once

#include "editor/EditingSidebarState.h"
#include "editor/EditorContentSection.h"
#include "editor/FileViewModeUserChoice.h"
#include "widgets/settings/SettingsKeyTypes.h"

// The editor window and its sections: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const EnumKey<EditorContentSection>& lastContentSection();
const CGFloatKey& fileSectionListScrollY();
const CGFloatKey& fileSectionGridScrollY();
const CGFloatKey& tagsSectionListScrollY();
const EnumKey<EditingSidebarState>& tagEditingSidebarState();
const CGFloatKey& tagsSectionFileViewSplitRatio();
const EnumKey<FileViewModeUserChoice>& tagsSectionFileViewMode();
const CGFloatKey& tagsSectionFileCollectionZoom();
const BoolKey& tagsSectionShowTagsInFileList();
const EnumKey<EditingSidebarState>& mapEditingSidebarState();
// A second key object under the tags section's string: both sections share one ratio.
const CGFloatKey& mapSectionFileViewSplitRatio();
const EnumKey<FileViewModeUserChoice>& mapSectionFileViewMode();
const CGFloatKey& mapSectionFileCollectionZoom();
const BoolKey& mapSectionShowGPSInFileList();
// The keys a section keeps for itself: the tags and map sections each have their own, every
// other section has none (null).
const EnumKey<FileViewModeUserChoice>* fileViewModeKey(EditorContentSection section);
const CGFloatKey* fileViewSplitRatioKey(EditorContentSection section);
const CGFloatKey* fileCollectionZoomKey(EditorContentSection section);
// The extra file-list columns: tags in the tags section, GPS in the map section.
const BoolKey* showExtraColumnsInFileListKey(EditorContentSection section);
const EnumKey<EditingSidebarState>* editingSidebarStateKey(EditorContentSection section);

} // namespace corvelle::Settings
