#include "mediainfo/MediaInfoSettings.h"

namespace corvelle {

const Settings::EnumKey<StoreSearchTarget>& Settings::lastVideoSearchTarget()
{
    static const EnumKey<StoreSearchTarget> key(QStringLiteral("LastVideoSearchTarget"), [] { return StoreSearchTarget::movieAppleTV; });
    return key;
}

} // namespace corvelle
