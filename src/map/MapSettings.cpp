#include "map/MapSettings.h"

namespace corvelle {

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

} // namespace corvelle
