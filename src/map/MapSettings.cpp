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

const Settings::StringKey& Settings::mapStandardTileURLTemplate()
{
    static const StringKey key(QStringLiteral("MapStandardTileURLTemplate"),
                               [] { return QStringLiteral("https://tile.openstreetmap.org/{z}/{x}/{y}.png"); });
    return key;
}

const Settings::StringKey& Settings::mapImageryTileURLTemplate()
{
    static const StringKey key(QStringLiteral("MapImageryTileURLTemplate"), [] { return QString(); });
    return key;
}

const Settings::StringKey& Settings::mapViewRegion()
{
    static const StringKey key(QStringLiteral("MapViewRegion"), [] { return QStringLiteral("20 0 1"); });
    return key;
}

} // namespace corvelle
