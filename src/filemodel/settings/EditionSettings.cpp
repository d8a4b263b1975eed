#include "filemodel/settings/EditionSettings.h"

namespace corvelle {

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

} // namespace corvelle
