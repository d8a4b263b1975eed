#include "engine/halvex/libraries/LocationItem.h"

#include "engine/halvex/places/LocationCoding.h"
#include "platform/brisa/core/KeyedJson.h"
#include "platform/brisa/core/NotificationCenter.h"

namespace halvex {

const QString LocationItem::didChangeInfoNotification = QStringLiteral("HalvexLocationItemDidChangeInfo");

LocationItem::LocationItem(const QString& name, const Location& location) : name_(name), location_(location)
{
}

void LocationItem::setName(const QString& name)
{
    name_ = name;
    brisa::NotificationCenter::defaultCenter().post(didChangeInfoNotification, this);
}

void LocationItem::setLocation(const Location& location)
{
    location_ = location;
    brisa::NotificationCenter::defaultCenter().post(didChangeInfoNotification, this);
}

} // namespace halvex

using halvex::Location;
using halvex::LocationItem;
using halvex::LocationItemPtr;

QJsonValue brisa::JsonCoding<LocationItemPtr>::encode(const LocationItemPtr& item)
{
    QJsonObject object;
    KeyedJson::encode(object, QStringLiteral("name"), item->name());
    KeyedJson::encode(object, QStringLiteral("location"), item->location());
    return object;
}

LocationItemPtr brisa::JsonCoding<LocationItemPtr>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    return std::make_shared<LocationItem>(object.decode<QString>(QStringLiteral("name")),
                                          object.decode<Location>(QStringLiteral("location")));
}
