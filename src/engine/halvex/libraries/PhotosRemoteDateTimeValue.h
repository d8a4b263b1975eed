#pragma once

#include "platform/brisa/core/JsonCoding.h"

#include <QDateTime>

#include <optional>

namespace halvex {

// The date-and-time edition of a remote profile: the form that carries the date and time to
// give each photo, or the form without a date, which sets no date.
class PhotosRemoteDateTimeValue {
public:
    // The form without a date.
    PhotosRemoteDateTimeValue() = default;
    // The form with `date`; an invalid date gives the form without a date.
    explicit PhotosRemoteDateTimeValue(const QDateTime& date);

    const std::optional<QDateTime>& date() const { return date_; }

    // Dates compare as moments.
    friend bool operator==(const PhotosRemoteDateTimeValue&, const PhotosRemoteDateTimeValue&) = default;

private:
    std::optional<QDateTime> date_;
};

} // namespace halvex

// The stored form: {"withDate": {"_0": "2024-01-31T09:45:00.000+01:00"}} or {"withoutDate": {}}.
template<>
struct brisa::JsonCoding<halvex::PhotosRemoteDateTimeValue> {
    static QJsonValue encode(const halvex::PhotosRemoteDateTimeValue& value);
    static halvex::PhotosRemoteDateTimeValue decode(const QJsonValue& json, const QStringList& codingPath);
};
