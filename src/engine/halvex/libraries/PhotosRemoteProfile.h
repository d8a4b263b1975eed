#pragma once

#include "engine/halvex/libraries/PhotosRemoteDateTimeValue.h"
#include "engine/halvex/libraries/PhotosRemoteFileNameEdition.h"
#include "engine/halvex/places/Coordinate.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace halvex {

class PhotosRemoteProfile;
using PhotosRemoteProfilePtr = std::shared_ptr<PhotosRemoteProfile>;

// A remote profile: a named set of edits to give photos of the Photos library. Each edition is
// optional; an absent one leaves that property of the photos alone. The library and its
// selection hold profiles by identity; == compares their content.
//
// Main thread only. Writing the name or the description posts didChangeInfoNotification, writing
// an edition posts didChangeValuesNotification (object = the profile), inside the writing call.
class PhotosRemoteProfile {
public:
    using DateTimeValue = PhotosRemoteDateTimeValue;
    using FileNameEdition = PhotosRemoteFileNameEdition;

    static const QString didChangeInfoNotification;
    static const QString didChangeValuesNotification;

    // A new profile without name, description or editions.
    PhotosRemoteProfile() = default;
    // A whole profile, posting nothing: files are read into new profiles.
    PhotosRemoteProfile(const QString& name, const QString& description,
                        const std::optional<FileNameEdition>& fileNameEdition,
                        const std::optional<QString>& photoDescriptionEdition,
                        const std::optional<DateTimeValue>& dateTimeEdition,
                        const std::optional<QStringList>& keywordEdition,
                        const std::optional<Coordinate>& locationEdition);
    PhotosRemoteProfile(const PhotosRemoteProfile&) = delete;
    PhotosRemoteProfile& operator=(const PhotosRemoteProfile&) = delete;

    const QString& name() const { return name_; }
    void setName(const QString& name);
    const QString& description() const { return description_; }
    void setDescription(const QString& description);

    const std::optional<FileNameEdition>& fileNameEdition() const { return fileNameEdition_; }
    void setFileNameEdition(const std::optional<FileNameEdition>& edition);
    // An empty text erases the photos' descriptions.
    const std::optional<QString>& photoDescriptionEdition() const { return photoDescriptionEdition_; }
    void setPhotoDescriptionEdition(const std::optional<QString>& edition);
    // The form without a date sets no date, as no edition does.
    const std::optional<DateTimeValue>& dateTimeEdition() const { return dateTimeEdition_; }
    void setDateTimeEdition(const std::optional<DateTimeValue>& edition);
    // An empty list erases the photos' keywords.
    const std::optional<QStringList>& keywordEdition() const { return keywordEdition_; }
    void setKeywordEdition(const std::optional<QStringList>& edition);
    // Latitude and longitude in degrees.
    const std::optional<Coordinate>& locationEdition() const { return locationEdition_; }
    void setLocationEdition(const std::optional<Coordinate>& edition);

    // The editions that change something: each one present, a date edition only with its date.
    int editionCount() const;
    bool hasNoEdition() const { return editionCount() == 0; }

    // The edits alone, in their stored form, for the driver of the Photos application.
    QJsonObject editionsDescription() const;

    friend bool operator==(const PhotosRemoteProfile& a, const PhotosRemoteProfile& b);

private:
    template<class T>
    void setValue(T& member, const T& value, const QString& notification);

    QString name_;
    QString description_;
    std::optional<FileNameEdition> fileNameEdition_;
    std::optional<QString> photoDescriptionEdition_;
    std::optional<DateTimeValue> dateTimeEdition_;
    std::optional<QStringList> keywordEdition_;
    std::optional<Coordinate> locationEdition_;
};

} // namespace halvex

// The stored form of a profile: {"name": "…", "description": "…", "fileName": …,
// "photoDescription": "…", "dateTime": …, "keywords": […], "location": {…}}, an edition left
// out when the profile has none. Only "name" is required.
template<>
struct brisa::JsonCoding<halvex::PhotosRemoteProfilePtr> {
    static QJsonValue encode(const halvex::PhotosRemoteProfilePtr& profile);
    static halvex::PhotosRemoteProfilePtr decode(const QJsonValue& json, const QStringList& codingPath);
};
