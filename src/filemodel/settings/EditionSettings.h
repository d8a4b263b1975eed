#pragma once

#include "engine/halvex/kit/IPTCDigestUpdate.h"
#include "filemodel/settings/CorrectionsEditionUserChoice.h"
#include "filemodel/settings/ErrorAlertEditionUserChoice.h"
#include "filemodel/settings/ErrorsBehaviorEditionUserChoice.h"
#include "filemodel/settings/FileModifyDateUpdateUserChoice.h"
#include "filemodel/settings/IPTCCharSetEditionUserChoice.h"
#include "widgets/settings/SettingsKeyTypes.h"

// Edition preferences: how files are read and saved: one typed key each, read and written through brisa::UserDefaults::standard().
namespace corvelle::Settings {

const EnumKey<ErrorAlertEditionUserChoice>& editionUserChoiceErrorAlert();
const EnumKey<ErrorsBehaviorEditionUserChoice>& editionUserChoiceErrorsBehavior();
const EnumKey<CorrectionsEditionUserChoice>& editionUserChoiceCorrections();
const EnumKey<FileModifyDateUpdateUserChoice>& editionFileModifyDateUpdate();
const EnumKey<halvex::IPTCDigestUpdate>& editionUserChoiceIPTCDigest();
const EnumKey<IPTCCharSetEditionUserChoice>& editionUserChoiceIPTCCharSet();
const StringKey& editionUserChoiceXMPToolkit();
const IntKey& userQuickTimeItemListLevel();
const IntKey& userQuickTimeUserDataLevel();
const IntKey& userQuickTimeKeysLevel();

} // namespace corvelle::Settings
