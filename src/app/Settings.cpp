#include "app/Settings.h"

#include "engine/ostrak/TagItem.h"

namespace corvelle {

namespace {

template<class Key>
const Key* sectionKey(EditorContentSection section, const Key& tagsKey, const Key& mapKey)
{
    switch (section) {
    case EditorContentSection::tags:
        return &tagsKey;
    case EditorContentSection::map:
        return &mapKey;
    case EditorContentSection::welcome:
    case EditorContentSection::preview:
    case EditorContentSection::raw:
        break;
    }
    return nullptr;
}

} // namespace

const Settings::EnumKey<NotificationGeneralUserChoice>& Settings::generalUserChoiceNotification()
{
    static const EnumKey<NotificationGeneralUserChoice> key(QStringLiteral("GeneralUserChoiceNotification"), [] { return NotificationGeneralUserChoice::allNotifications; });
    return key;
}

const Settings::EnumKey<DateStyleGeneralUserChoice>& Settings::generalUserChoiceDateStyle()
{
    static const EnumKey<DateStyleGeneralUserChoice> key(QStringLiteral("GeneralUserChoiceDateStyle"), [] { return DateStyleGeneralUserChoice::medium; });
    return key;
}

const Settings::EnumKey<TimeStyleGeneralUserChoice>& Settings::generalUserChoiceTimeStyle()
{
    static const EnumKey<TimeStyleGeneralUserChoice> key(QStringLiteral("GeneralUserChoiceTimeStyle"), [] { return TimeStyleGeneralUserChoice::medium; });
    return key;
}

const Settings::EnumKey<GPSFormatGeneralUserChoice>& Settings::generalUserChoiceGPSFormat()
{
    static const EnumKey<GPSFormatGeneralUserChoice> key(QStringLiteral("GeneralUserChoiceGPSFormat"), [] { return defaultGPSFormat(); });
    return key;
}

const Settings::EnumKey<PresetGroupsGeneralUserChoice>& Settings::generalUserChoicePresetGroups()
{
    static const EnumKey<PresetGroupsGeneralUserChoice> key(QStringLiteral("GeneralUserChoicePresetGroups"), [] { return PresetGroupsGeneralUserChoice::showGroups; });
    return key;
}

const Settings::EnumKey<ErrorAlertEditionUserChoice>& Settings::editionUserChoiceErrorAlert()
{
    static const EnumKey<ErrorAlertEditionUserChoice> key(QStringLiteral("EditionUserChoiceErrorAlert"), [] { return ErrorAlertEditionUserChoice::ignore; });
    return key;
}

const Settings::EnumKey<ErrorsBehaviorEditionUserChoice>& Settings::editionUserChoiceErrorsBehavior()
{
    static const EnumKey<ErrorsBehaviorEditionUserChoice> key(QStringLiteral("EditionUserChoiceErrorsBehavior"), [] { return ErrorsBehaviorEditionUserChoice::ignore; });
    return key;
}

const Settings::EnumKey<CorrectionsEditionUserChoice>& Settings::editionUserChoiceCorrections()
{
    static const EnumKey<CorrectionsEditionUserChoice> key(QStringLiteral("EditionUserChoiceCorrections"), [] { return CorrectionsEditionUserChoice::fixInvalidOffsets; });
    return key;
}

const Settings::EnumKey<FileModifyDateUpdateUserChoice>& Settings::editionFileModifyDateUpdate()
{
    static const EnumKey<FileModifyDateUpdateUserChoice> key(QStringLiteral("EditionFileModifyDateUpdate"), [] { return FileModifyDateUpdateUserChoice::updateManually; });
    return key;
}

const Settings::EnumKey<halvex::IPTCDigestUpdate>& Settings::editionUserChoiceIPTCDigest()
{
    static const EnumKey<halvex::IPTCDigestUpdate> key(QStringLiteral("EditionUserChoiceIPTCDigest"), [] { return halvex::IPTCDigestUpdate::updateIfExists; });
    return key;
}

const Settings::EnumKey<IPTCCharSetEditionUserChoice>& Settings::editionUserChoiceIPTCCharSet()
{
    static const EnumKey<IPTCCharSetEditionUserChoice> key(QStringLiteral("EditionUserChoiceIPTCCharSet"), [] { return IPTCCharSetEditionUserChoice::utf8; });
    return key;
}

const Settings::StringKey& Settings::editionUserChoiceXMPToolkit()
{
    static const StringKey key(QStringLiteral("EditionUserChoiceXMPToolkit"), [] { return QString(); });
    return key;
}

const Settings::IntKey& Settings::userQuickTimeItemListLevel()
{
    static const IntKey key(QStringLiteral("UserQuickTimeItemListLevel"), [] { return 0; });
    return key;
}

const Settings::IntKey& Settings::userQuickTimeUserDataLevel()
{
    static const IntKey key(QStringLiteral("UserQuickTimeUserDataLevel"), [] { return 1; });
    return key;
}

const Settings::IntKey& Settings::userQuickTimeKeysLevel()
{
    static const IntKey key(QStringLiteral("UserQuickTimeKeysLevel"), [] { return 2; });
    return key;
}

const Settings::BoolKey& Settings::enableDebuggingMode()
{
    static const BoolKey key(QStringLiteral("EnableDebuggingMode"), [] { return false; });
    return key;
}

const Settings::EnumKey<EditorContentSection>& Settings::lastContentSection()
{
    static const EnumKey<EditorContentSection> key(QStringLiteral("LastContentSection"), [] { return EditorContentSection::preview; });
    return key;
}

const Settings::CGFloatKey& Settings::fileSectionListScrollY()
{
    static const CGFloatKey key(QStringLiteral("FileSectionListScrollY"), [] { return 0.0; });
    return key;
}

const Settings::CGFloatKey& Settings::fileSectionGridScrollY()
{
    static const CGFloatKey key(QStringLiteral("FileSectionGridScrollY"), [] { return 0.0; });
    return key;
}

const Settings::CGFloatKey& Settings::tagsSectionListScrollY()
{
    static const CGFloatKey key(QStringLiteral("TagsSectionListScrollY"), [] { return 0.0; });
    return key;
}

const Settings::EnumKey<EditingSidebarState>& Settings::tagEditingSidebarState()
{
    static const EnumKey<EditingSidebarState> key(QStringLiteral("TagEditingSidebarState"), [] { return EditingSidebarState::disabled; });
    return key;
}

const Settings::CGFloatKey& Settings::tagsSectionFileViewSplitRatio()
{
    static const CGFloatKey key(QStringLiteral("TagsSectionFileViewSplitRatio"), [] { return 0.5; });
    return key;
}

const Settings::EnumKey<FileViewModeUserChoice>& Settings::tagsSectionFileViewMode()
{
    static const EnumKey<FileViewModeUserChoice> key(QStringLiteral("TagsSectionFileViewMode"), [] { return FileViewModeUserChoice::grid; });
    return key;
}

const Settings::CGFloatKey& Settings::tagsSectionFileCollectionZoom()
{
    static const CGFloatKey key(QStringLiteral("TagsSectionFileCollectionZoom"), [] { return 0.8; });
    return key;
}

const Settings::BoolKey& Settings::tagsSectionShowTagsInFileList()
{
    static const BoolKey key(QStringLiteral("TagsSectionShowTagsInFileList"), [] { return true; });
    return key;
}

const Settings::EnumKey<EditingSidebarState>& Settings::mapEditingSidebarState()
{
    static const EnumKey<EditingSidebarState> key(QStringLiteral("MapEditingSidebarState"), [] { return EditingSidebarState::disabled; });
    return key;
}

const Settings::CGFloatKey& Settings::mapSectionFileViewSplitRatio()
{
    static const CGFloatKey key(QStringLiteral("TagsSectionFileViewSplitRatio"), [] { return 0.5; });
    return key;
}

const Settings::EnumKey<FileViewModeUserChoice>& Settings::mapSectionFileViewMode()
{
    static const EnumKey<FileViewModeUserChoice> key(QStringLiteral("MapSectionFileViewMode"), [] { return FileViewModeUserChoice::list; });
    return key;
}

const Settings::CGFloatKey& Settings::mapSectionFileCollectionZoom()
{
    static const CGFloatKey key(QStringLiteral("MapSectionFileCollectionZoom"), [] { return 0.8; });
    return key;
}

const Settings::BoolKey& Settings::mapSectionShowGPSInFileList()
{
    static const BoolKey key(QStringLiteral("MapSectionShowGPSInFileList"), [] { return true; });
    return key;
}

const Settings::MapTypeKey& Settings::mapViewTypeValue()
{
    static const MapTypeKey key(QStringLiteral("MapViewTypeValue"), [] { return MapType::standard; });
    return key;
}

const Settings::EnumKey<MapDisplayFilenameUserChoice>& Settings::mapDisplayFilenameUserChoice()
{
    static const EnumKey<MapDisplayFilenameUserChoice> key(QStringLiteral("MapDisplayFilenameUserChoice"), [] { return MapDisplayFilenameUserChoice::hide; });
    return key;
}

const Settings::EnumKey<MapDisplayOtherItemsUserChoice>& Settings::mapDisplayOtherItemsUserChoice()
{
    static const EnumKey<MapDisplayOtherItemsUserChoice> key(QStringLiteral("MapDisplayOtherItemsUserChoice"), [] { return MapDisplayOtherItemsUserChoice::hide; });
    return key;
}

const Settings::EnumKey<MapAutomaticZoomUserChoice>& Settings::mapAutomaticZoomUserChoice()
{
    static const EnumKey<MapAutomaticZoomUserChoice> key(QStringLiteral("MapAutomaticZoomUserChoice"), [] { return MapAutomaticZoomUserChoice::zoom; });
    return key;
}

const Settings::BoolKey& Settings::useUnfoldFoldersImport()
{
    static const BoolKey key(QStringLiteral("UseUnfoldFoldersImport"), [] { return false; });
    return key;
}

const Settings::BoolKey& Settings::useRecursiveUnfoldImport()
{
    static const BoolKey key(QStringLiteral("UseRecursiveUnfoldImport"), [] { return false; });
    return key;
}

const Settings::StringArrayKey& Settings::unfoldImportAllowedTypes()
{
    static const StringArrayKey key(QStringLiteral("UnfoldImportAllowedTypes"), [] { return QStringList(); });
    return key;
}

const Settings::EnumKey<ReducedTagSetUserChoice>& Settings::reducedTagSetUserChoice()
{
    static const EnumKey<ReducedTagSetUserChoice> key(QStringLiteral("ReducedTagSetUserChoice"), [] { return ReducedTagSetUserChoice::choosen; });
    return key;
}

const Settings::CGFloatKey& Settings::photoCollectionZoom()
{
    static const CGFloatKey key(QStringLiteral("PhotoCollectionZoom"), [] { return 0.8; });
    return key;
}

const Settings::BoolKey& Settings::quickLookIsPinned()
{
    static const BoolKey key(QStringLiteral("QuickLookIsPinned"), [] { return true; });
    return key;
}

const Settings::EnumKey<StoreSearchTarget>& Settings::lastVideoSearchTarget()
{
    static const EnumKey<StoreSearchTarget> key(QStringLiteral("LastVideoSearchTarget"), [] { return StoreSearchTarget::movieAppleTV; });
    return key;
}

const Settings::TagStreamsKey& Settings::copyTagsChosenStreams()
{
    static const TagStreamsKey key(QStringLiteral("CopyTagsChosenStreams"), [] { return QList<ostrak::TagStream>(); });
    return key;
}

const Settings::TagStreamsKey& Settings::restoreTagsChosenStreams()
{
    static const TagStreamsKey key(QStringLiteral("RestoreTagsChosenStreams"), [] { return QList<ostrak::TagStream>(); });
    return key;
}

const Settings::TagStreamsKey& Settings::eraseTagsChosenStreams()
{
    static const TagStreamsKey key(QStringLiteral("EraseTagsChosenStreams"), [] { return QList<ostrak::TagStream>(); });
    return key;
}

const Settings::TagStreamsKey& Settings::deleteBlocksChosenStreams()
{
    static const TagStreamsKey key(QStringLiteral("DeleteBlocksChosenStreams"), [] { return QList<ostrak::TagStream>(); });
    return key;
}

const Settings::TagStreamsKey& Settings::tagsImportChosenStreams()
{
    static const TagStreamsKey key(QStringLiteral("TagsImportChosenStreams"), [] { return QList<ostrak::TagStream>(); });
    return key;
}

const Settings::TagNamesKey& Settings::tagsImportChosenNames()
{
    static const TagNamesKey key(QStringLiteral("TagsImportChosenNames"), [] { return QList<ostrak::TagName>(); });
    return key;
}

const Settings::TagNamesKey& Settings::tagsImportCSVTableNames()
{
    static const TagNamesKey key(QStringLiteral("TagsImportCSVTableNames"), [] { return QList<ostrak::TagName>(); });
    return key;
}

const Settings::JSONKey<ostrak::TagName>& Settings::syncDateTimeChosenName()
{
    static const JSONKey<ostrak::TagName> key(QStringLiteral("SyncDateTimeChosenName"), [] { return ostrak::TagItem::itemEXIFDateTimeOriginal().tagName(); });
    return key;
}

const Settings::JSONKey<MetadataFileListFilter>& Settings::lastFileSelection()
{
    static const JSONKey<MetadataFileListFilter> key(QStringLiteral("LastFileSelection"), [] { return MetadataFileListFilter(); });
    return key;
}

const Settings::JSONKey<MetadataFileListSort>& Settings::lastFileSort()
{
    static const JSONKey<MetadataFileListSort> key(QStringLiteral("LastFileSort"), [] { return MetadataFileListSort(); });
    return key;
}

const Settings::JSONKey<QList<halvex::TagSyncPair>>& Settings::lastTagCopies()
{
    static const JSONKey<QList<halvex::TagSyncPair>> key(QStringLiteral("LastTagCopies"), [] { return QList<halvex::TagSyncPair>(); });
    return key;
}

const Settings::JSONKey<halvex::TagValueTableFilter>& Settings::lastTagSelection()
{
    static const JSONKey<halvex::TagValueTableFilter> key(QStringLiteral("LastTagSelection"), [] { return halvex::TagValueTableFilter(); });
    return key;
}

const Settings::JSONKey<halvex::TagValueTableFilter>& Settings::lastTagFilter()
{
    static const JSONKey<halvex::TagValueTableFilter> key(QStringLiteral("LastTagFilter"), [] { return halvex::TagValueTableFilter(); });
    return key;
}

const Settings::EnumKey<FileViewModeUserChoice>* Settings::fileViewModeKey(
    EditorContentSection section)
{
    return sectionKey(section, tagsSectionFileViewMode(), mapSectionFileViewMode());
}

const Settings::CGFloatKey* Settings::fileViewSplitRatioKey(EditorContentSection section)
{
    return sectionKey(section, tagsSectionFileViewSplitRatio(), mapSectionFileViewSplitRatio());
}

const Settings::CGFloatKey* Settings::fileCollectionZoomKey(EditorContentSection section)
{
    return sectionKey(section, tagsSectionFileCollectionZoom(), mapSectionFileCollectionZoom());
}

const Settings::BoolKey* Settings::showExtraColumnsInFileListKey(EditorContentSection section)
{
    return sectionKey(section, tagsSectionShowTagsInFileList(), mapSectionShowGPSInFileList());
}

const Settings::EnumKey<EditingSidebarState>* Settings::editingSidebarStateKey(
    EditorContentSection section)
{
    return sectionKey(section, tagEditingSidebarState(), mapEditingSidebarState());
}

} // namespace corvelle
