#pragma once

#include "app/MKMapTypeUDC.h"
#include "app/settings/CorrectionsEditionUserChoice.h"
#include "app/settings/DateStyleGeneralUserChoice.h"
#include "app/settings/EditingSidebarState.h"
#include "app/settings/ErrorAlertEditionUserChoice.h"
#include "app/settings/ErrorsBehaviorEditionUserChoice.h"
#include "app/settings/FileModifyDateUpdateUserChoice.h"
#include "app/settings/FileViewModeUserChoice.h"
#include "app/settings/GPSFormatGeneralUserChoice.h"
#include "app/settings/IPTCCharSetEditionUserChoice.h"
#include "app/settings/MapAutomaticZoomUserChoice.h"
#include "app/settings/MapDisplayFilenameUserChoice.h"
#include "app/settings/MapDisplayOtherItemsUserChoice.h"
#include "app/settings/NotificationGeneralUserChoice.h"
#include "app/settings/PresetGroupsGeneralUserChoice.h"
#include "app/settings/ReducedTagSetUserChoice.h"
#include "app/settings/TimeStyleGeneralUserChoice.h"
#include "editor/EditorContentSection.h"
#include "engine/halvex/kit/IPTCDigestUpdate.h"
#include "engine/halvex/editions/TagSyncPair.h"
#include "engine/halvex/tags/TagValueTableFilter.h"
#include "engine/ostrak/TagName.h"
#include "engine/ostrak/TagStream.h"
#include "filemodel/MetadataFileListFilter.h"
#include "filemodel/MetadataFileListSort.h"
#include "mediainfo/StoreSearchTarget.h"
#include "platform/brisa/core/BoolUDC.h"
#include "platform/brisa/core/CGFloatUDC.h"
#include "platform/brisa/core/EnumStringUDC.h"
#include "platform/brisa/core/EvaluedUserDefaultsKey.h"
#include "platform/brisa/core/IntUDC.h"
#include "platform/brisa/core/JSONCodableUDC.h"
#include "platform/brisa/core/StringArrayUDC.h"
#include "platform/brisa/core/StringUDC.h"

namespace corvelle {

// Every persistent setting of the application, one typed key each. Read and write them through
// brisa::UserDefaults::standard() (value() and set()); a write posts didSetKeyNotification.
// Each key object is made on first use, once, and lives for the whole run.
class Settings {
public:
    template<class E>
    using EnumKey = brisa::EvaluedUserDefaultsKey<brisa::EnumStringUDC<E>>;
    using BoolKey = brisa::EvaluedUserDefaultsKey<brisa::BoolUDC>;
    using IntKey = brisa::EvaluedUserDefaultsKey<brisa::IntUDC>;
    using CGFloatKey = brisa::EvaluedUserDefaultsKey<brisa::CGFloatUDC>;
    using StringKey = brisa::EvaluedUserDefaultsKey<brisa::StringUDC>;
    using StringArrayKey = brisa::EvaluedUserDefaultsKey<brisa::StringArrayUDC>;
    using MapTypeKey = brisa::EvaluedUserDefaultsKey<MKMapTypeUDC>;
    template<class T>
    using JSONKey = brisa::EvaluedUserDefaultsKey<brisa::JSONCodableUDC<T>>;
    using TagStreamsKey = JSONKey<QList<ostrak::TagStream>>;
    using TagNamesKey = JSONKey<QList<ostrak::TagName>>;

    Settings() = delete;

    // General preferences
    static const EnumKey<NotificationGeneralUserChoice>& generalUserChoiceNotification();
    static const EnumKey<DateStyleGeneralUserChoice>& generalUserChoiceDateStyle();
    static const EnumKey<TimeStyleGeneralUserChoice>& generalUserChoiceTimeStyle();
    static const EnumKey<GPSFormatGeneralUserChoice>& generalUserChoiceGPSFormat();
    static const EnumKey<PresetGroupsGeneralUserChoice>& generalUserChoicePresetGroups();

    // Edition preferences
    static const EnumKey<ErrorAlertEditionUserChoice>& editionUserChoiceErrorAlert();
    static const EnumKey<ErrorsBehaviorEditionUserChoice>& editionUserChoiceErrorsBehavior();
    static const EnumKey<CorrectionsEditionUserChoice>& editionUserChoiceCorrections();
    static const EnumKey<FileModifyDateUpdateUserChoice>& editionFileModifyDateUpdate();
    static const EnumKey<halvex::IPTCDigestUpdate>& editionUserChoiceIPTCDigest();
    static const EnumKey<IPTCCharSetEditionUserChoice>& editionUserChoiceIPTCCharSet();
    static const StringKey& editionUserChoiceXMPToolkit();
    static const IntKey& userQuickTimeItemListLevel();
    static const IntKey& userQuickTimeUserDataLevel();
    static const IntKey& userQuickTimeKeysLevel();

    // Advanced preferences
    static const BoolKey& enableDebuggingMode();

    // Editor window and its sections
    static const EnumKey<EditorContentSection>& lastContentSection();
    static const CGFloatKey& fileSectionListScrollY();
    static const CGFloatKey& fileSectionGridScrollY();
    static const CGFloatKey& tagsSectionListScrollY();
    static const EnumKey<EditingSidebarState>& tagEditingSidebarState();
    static const CGFloatKey& tagsSectionFileViewSplitRatio();
    static const EnumKey<FileViewModeUserChoice>& tagsSectionFileViewMode();
    static const CGFloatKey& tagsSectionFileCollectionZoom();
    static const BoolKey& tagsSectionShowTagsInFileList();
    static const EnumKey<EditingSidebarState>& mapEditingSidebarState();
    // A second key object under the tags section's string: both sections share one ratio.
    static const CGFloatKey& mapSectionFileViewSplitRatio();
    static const EnumKey<FileViewModeUserChoice>& mapSectionFileViewMode();
    static const CGFloatKey& mapSectionFileCollectionZoom();
    static const BoolKey& mapSectionShowGPSInFileList();

    // Map
    static const MapTypeKey& mapViewTypeValue();
    static const EnumKey<MapDisplayFilenameUserChoice>& mapDisplayFilenameUserChoice();
    static const EnumKey<MapDisplayOtherItemsUserChoice>& mapDisplayOtherItemsUserChoice();
    static const EnumKey<MapAutomaticZoomUserChoice>& mapAutomaticZoomUserChoice();

    // Folder import
    static const BoolKey& useUnfoldFoldersImport();
    static const BoolKey& useRecursiveUnfoldImport();
    static const StringArrayKey& unfoldImportAllowedTypes();

    // Tag pickers
    static const EnumKey<ReducedTagSetUserChoice>& reducedTagSetUserChoice();

    // The streams and tags last chosen for the Tags-menu actions, imports and date sync
    static const TagStreamsKey& copyTagsChosenStreams();
    static const TagStreamsKey& restoreTagsChosenStreams();
    static const TagStreamsKey& eraseTagsChosenStreams();
    static const TagStreamsKey& deleteBlocksChosenStreams();
    static const TagStreamsKey& tagsImportChosenStreams();
    static const TagNamesKey& tagsImportChosenNames();
    static const TagNamesKey& tagsImportCSVTableNames();
    static const JSONKey<ostrak::TagName>& syncDateTimeChosenName();

    // The last file filter and file sort used
    static const JSONKey<MetadataFileListFilter>& lastFileSelection();
    static const JSONKey<MetadataFileListSort>& lastFileSort();

    // The tag copies last chosen for a folder's tag synchronisation
    static const JSONKey<QList<halvex::TagSyncPair>>& lastTagCopies();
    // The filters last given to the tag selection and tag filter panels; by default the filter
    // that constrains nothing
    static const JSONKey<halvex::TagValueTableFilter>& lastTagSelection();
    static const JSONKey<halvex::TagValueTableFilter>& lastTagFilter();

    // Photos library, Quick Look and media information
    static const CGFloatKey& photoCollectionZoom();
    static const BoolKey& quickLookIsPinned();
    static const EnumKey<StoreSearchTarget>& lastVideoSearchTarget();

    // The keys a section keeps for itself: the tags and map sections each have their own,
    // every other section has none (null).
    static const EnumKey<FileViewModeUserChoice>* fileViewModeKey(EditorContentSection section);
    static const CGFloatKey* fileViewSplitRatioKey(EditorContentSection section);
    static const CGFloatKey* fileCollectionZoomKey(EditorContentSection section);
    // The extra file-list columns: tags in the tags section, GPS in the map section.
    static const BoolKey* showExtraColumnsInFileListKey(EditorContentSection section);
    static const EnumKey<EditingSidebarState>* editingSidebarStateKey(EditorContentSection section);
};

} // namespace corvelle
