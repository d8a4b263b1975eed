#include "filemodel/settings/FileModelSettings.h"

namespace corvelle {

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

} // namespace corvelle
