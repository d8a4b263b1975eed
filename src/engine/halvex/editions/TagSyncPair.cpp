#include "engine/halvex/editions/TagSyncPair.h"

#include "platform/brisa/core/KeyedJson.h"

QJsonValue brisa::JsonCoding<halvex::TagSyncPair>::encode(const halvex::TagSyncPair& pair)
{
    QJsonObject object;
    KeyedJson::encode(object, QStringLiteral("source"), pair.source);
    KeyedJson::encode(object, QStringLiteral("destination"), pair.destination);
    return object;
}

halvex::TagSyncPair brisa::JsonCoding<halvex::TagSyncPair>::decode(const QJsonValue& json,
                                                                  const QStringList& codingPath)
{
    const KeyedJson keyed(json, codingPath);
    return {keyed.decode<ostrak::TagName>(QStringLiteral("source")),
            keyed.decode<ostrak::TagName>(QStringLiteral("destination"))};
}
