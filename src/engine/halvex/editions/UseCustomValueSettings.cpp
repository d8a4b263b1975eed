#include "engine/halvex/editions/UseCustomValueSettings.h"

#include "platform/brisa/core/KeyedJson.h"

namespace halvex {

QList<UseCustomValueSettings::Insertion> UseCustomValueSettings::allInsertionCases()
{
    return brisa::allCases<Insertion>();
}

} // namespace halvex

using halvex::UseCustomValueSettings;

namespace {

const QString valueKey = QStringLiteral("value");
const QString insertionKey = QStringLiteral("insertion");

} // namespace

QJsonValue brisa::JsonCoding<UseCustomValueSettings>::encode(const UseCustomValueSettings& settings)
{
    QJsonObject object;
    KeyedJson::encode(object, valueKey, settings.value);
    KeyedJson::encode(object, insertionKey, settings.insertion);
    return object;
}

UseCustomValueSettings brisa::JsonCoding<UseCustomValueSettings>::decode(const QJsonValue& json,
                                                                         const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    UseCustomValueSettings settings;
    settings.value = object.decode<QString>(valueKey);
    settings.insertion = object.decodeIfPresent<UseCustomValueSettings::Insertion>(insertionKey)
                             .value_or(UseCustomValueSettings::Insertion::replace);
    return settings;
}
