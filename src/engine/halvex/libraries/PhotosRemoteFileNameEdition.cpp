#include "engine/halvex/libraries/PhotosRemoteFileNameEdition.h"

#include "platform/brisa/core/KeyedJson.h"

namespace halvex {

PhotosRemoteFileNameEdition PhotosRemoteFileNameEdition::keepCurrentName()
{
    return {Kind::keepCurrentName, {}};
}

PhotosRemoteFileNameEdition PhotosRemoteFileNameEdition::customName(const QString& name)
{
    return {Kind::customName, name};
}

} // namespace halvex

using halvex::PhotosRemoteFileNameEdition;

namespace {

const QString keepCase = QStringLiteral("keepCurrentName");
const QString customCase = QStringLiteral("customName");

} // namespace

QJsonValue brisa::JsonCoding<PhotosRemoteFileNameEdition>::encode(const PhotosRemoteFileNameEdition& edition)
{
    if (edition.kind() == PhotosRemoteFileNameEdition::Kind::keepCurrentName)
        return KeyedJson::encodeCase(keepCase);
    return KeyedJson::encodeCase(customCase, edition.name());
}

PhotosRemoteFileNameEdition brisa::JsonCoding<PhotosRemoteFileNameEdition>::decode(const QJsonValue& json,
                                                                                   const QStringList& codingPath)
{
    const KeyedJson::Case found = KeyedJson::decodeCase(json, codingPath, {keepCase, customCase});
    if (found.name == keepCase)
        return PhotosRemoteFileNameEdition::keepCurrentName();
    return PhotosRemoteFileNameEdition::customName(found.payload<QString>());
}
