#include "engine/halvex/libraries/PhotosRemoteProfile.h"

#include "engine/halvex/places/CoordinateCoding.h"
#include "platform/brisa/core/KeyedJson.h"
#include "platform/brisa/core/NotificationCenter.h"

namespace halvex {

namespace {

const QString nameKey = QStringLiteral("name");
const QString descriptionKey = QStringLiteral("description");
const QString fileNameKey = QStringLiteral("fileName");
const QString photoDescriptionKey = QStringLiteral("photoDescription");
const QString dateTimeKey = QStringLiteral("dateTime");
const QString keywordsKey = QStringLiteral("keywords");
const QString locationKey = QStringLiteral("location");

} // namespace

const QString PhotosRemoteProfile::didChangeInfoNotification = QStringLiteral("HalvexPhotosRemoteProfileDidChangeInfo");
const QString PhotosRemoteProfile::didChangeValuesNotification =
    QStringLiteral("HalvexPhotosRemoteProfileDidChangeValues");

PhotosRemoteProfile::PhotosRemoteProfile(const QString& name, const QString& description,
                                         const std::optional<FileNameEdition>& fileNameEdition,
                                         const std::optional<QString>& photoDescriptionEdition,
                                         const std::optional<DateTimeValue>& dateTimeEdition,
                                         const std::optional<QStringList>& keywordEdition,
                                         const std::optional<Coordinate>& locationEdition)
    : name_(name)
    , description_(description)
    , fileNameEdition_(fileNameEdition)
    , photoDescriptionEdition_(photoDescriptionEdition)
    , dateTimeEdition_(dateTimeEdition)
    , keywordEdition_(keywordEdition)
    , locationEdition_(locationEdition)
{
}

template<class T>
void PhotosRemoteProfile::setValue(T& member, const T& value, const QString& notification)
{
    member = value;
    brisa::NotificationCenter::defaultCenter().post(notification, this);
}

void PhotosRemoteProfile::setName(const QString& name)
{
    setValue(name_, name, didChangeInfoNotification);
}

void PhotosRemoteProfile::setDescription(const QString& description)
{
    setValue(description_, description, didChangeInfoNotification);
}

void PhotosRemoteProfile::setFileNameEdition(const std::optional<FileNameEdition>& edition)
{
    setValue(fileNameEdition_, edition, didChangeValuesNotification);
}

void PhotosRemoteProfile::setPhotoDescriptionEdition(const std::optional<QString>& edition)
{
    setValue(photoDescriptionEdition_, edition, didChangeValuesNotification);
}

void PhotosRemoteProfile::setDateTimeEdition(const std::optional<DateTimeValue>& edition)
{
    setValue(dateTimeEdition_, edition, didChangeValuesNotification);
}

void PhotosRemoteProfile::setKeywordEdition(const std::optional<QStringList>& edition)
{
    setValue(keywordEdition_, edition, didChangeValuesNotification);
}

void PhotosRemoteProfile::setLocationEdition(const std::optional<Coordinate>& edition)
{
    setValue(locationEdition_, edition, didChangeValuesNotification);
}

int PhotosRemoteProfile::editionCount() const
{
    return int(fileNameEdition_.has_value()) + int(photoDescriptionEdition_.has_value())
           + int(dateTimeEdition_ && dateTimeEdition_->date()) + int(keywordEdition_.has_value())
           + int(locationEdition_.has_value());
}

QJsonObject PhotosRemoteProfile::editionsDescription() const
{
    QJsonObject object;
    brisa::KeyedJson::encodeIfPresent(object, fileNameKey, fileNameEdition_);
    brisa::KeyedJson::encodeIfPresent(object, photoDescriptionKey, photoDescriptionEdition_);
    brisa::KeyedJson::encodeIfPresent(object, dateTimeKey, dateTimeEdition_);
    brisa::KeyedJson::encodeIfPresent(object, keywordsKey, keywordEdition_);
    brisa::KeyedJson::encodeIfPresent(object, locationKey, locationEdition_);
    return object;
}

bool operator==(const PhotosRemoteProfile& a, const PhotosRemoteProfile& b)
{
    return a.name_ == b.name_ && a.description_ == b.description_ && a.fileNameEdition_ == b.fileNameEdition_
           && a.photoDescriptionEdition_ == b.photoDescriptionEdition_ && a.dateTimeEdition_ == b.dateTimeEdition_
           && a.keywordEdition_ == b.keywordEdition_ && a.locationEdition_ == b.locationEdition_;
}

} // namespace halvex

using halvex::Coordinate;
using halvex::PhotosRemoteProfile;
using halvex::PhotosRemoteProfilePtr;

QJsonValue brisa::JsonCoding<PhotosRemoteProfilePtr>::encode(const PhotosRemoteProfilePtr& profile)
{
    QJsonObject object = profile->editionsDescription();
    KeyedJson::encode(object, halvex::nameKey, profile->name());
    KeyedJson::encode(object, halvex::descriptionKey, profile->description());
    return object;
}

PhotosRemoteProfilePtr brisa::JsonCoding<PhotosRemoteProfilePtr>::decode(const QJsonValue& json,
                                                                         const QStringList& codingPath)
{
    using namespace halvex;
    const KeyedJson object(json, codingPath);
    return std::make_shared<PhotosRemoteProfile>(
        object.decode<QString>(nameKey), object.decodeIfPresent<QString>(descriptionKey).value_or(QString()),
        object.decodeIfPresent<PhotosRemoteProfile::FileNameEdition>(fileNameKey),
        object.decodeIfPresent<QString>(photoDescriptionKey),
        object.decodeIfPresent<PhotosRemoteProfile::DateTimeValue>(dateTimeKey),
        object.decodeIfPresent<QStringList>(keywordsKey), object.decodeIfPresent<Coordinate>(locationKey));
}
