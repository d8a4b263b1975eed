#include "editor/EditorSettings.h"

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
