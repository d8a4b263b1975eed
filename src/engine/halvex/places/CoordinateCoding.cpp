#include "engine/halvex/places/CoordinateCoding.h"

#include "engine/halvex/tags/StoredNumber.h"
#include "platform/brisa/core/KeyedJson.h"

using halvex::Coordinate;
using halvex::StoredNumber;

QJsonValue brisa::JsonCoding<Coordinate>::encode(const Coordinate& coordinate)
{
    QJsonObject object;
    KeyedJson::encode(object, QStringLiteral("latitude"), StoredNumber{coordinate.latitude()});
    KeyedJson::encode(object, QStringLiteral("longitude"), StoredNumber{coordinate.longitude()});
    return object;
}

Coordinate brisa::JsonCoding<Coordinate>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    return {object.decode<StoredNumber>(QStringLiteral("latitude")).value,
            object.decode<StoredNumber>(QStringLiteral("longitude")).value};
}
