#include "mediainfo/MediaInfoSettings.h"

namespace corvelle {

const Settings::EnumKey<StoreSearchTarget>& Settings::lastVideoSearchTarget()
{
    static const EnumKey<StoreSearchTarget> key(QStringLiteral("LastVideoSearchTarget"), [] { return StoreSearchTarget::movieAppleTV; });
    return key;
}

QString Settings::theMovieDBKeyItem()
{
    return QStringLiteral("TheMovieDB API key");
}

QString Settings::theTVDBKeyItem()
{
    return QStringLiteral("TheTVDB API key");
}

QString Settings::theTVDBPinItem()
{
    return QStringLiteral("TheTVDB subscriber PIN");
}

} // namespace corvelle
