#include "engine/halvex/libraries/PhotosRemoteDateTimeValue.h"

#include "engine/halvex/dates/DateTimeCoding.h"
#include "platform/brisa/core/KeyedJson.h"

namespace halvex {

PhotosRemoteDateTimeValue::PhotosRemoteDateTimeValue(const QDateTime& date)
{
    if (date.isValid())
        date_ = date;
}

} // namespace halvex

using halvex::PhotosRemoteDateTimeValue;

namespace {

const QString withDateCase = QStringLiteral("withDate");
const QString withoutDateCase = QStringLiteral("withoutDate");

} // namespace

QJsonValue brisa::JsonCoding<PhotosRemoteDateTimeValue>::encode(const PhotosRemoteDateTimeValue& value)
{
    if (!value.date())
        return KeyedJson::encodeCase(withoutDateCase);
    return KeyedJson::encodeCase(withDateCase, *value.date());
}

PhotosRemoteDateTimeValue brisa::JsonCoding<PhotosRemoteDateTimeValue>::decode(const QJsonValue& json,
                                                                               const QStringList& codingPath)
{
    const KeyedJson::Case found = KeyedJson::decodeCase(json, codingPath, {withDateCase, withoutDateCase});
    if (found.name == withoutDateCase)
        return {};
    return PhotosRemoteDateTimeValue(found.payload<QDateTime>());
}
