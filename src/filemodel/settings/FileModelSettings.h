#pragma once

#include "filemodel/MetadataFileListFilter.h"
#include "filemodel/MetadataFileListSort.h"
#include "widgets/settings/SettingsKeyTypes.h"

// Folder import, and the last file filter and sort: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const BoolKey& useUnfoldFoldersImport();
const BoolKey& useRecursiveUnfoldImport();
const StringArrayKey& unfoldImportAllowedTypes();
const JSONKey<MetadataFileListFilter>& lastFileSelection();
const JSONKey<MetadataFileListSort>& lastFileSort();

} // namespace corvelle::Settings
