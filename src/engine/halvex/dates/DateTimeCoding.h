#pragma once

#include "platform/brisa/core/JsonCoding.h"

#include <QDateTime>

// The stored form of a moment in library files: ISO 8601 with milliseconds and the offset from
// UTC it was given in, "2024-01-31T09:45:00.250+01:00", so that it loads back as the same moment
// shown at the same wall-clock time. An invalid date is stored as null.
template<>
struct brisa::JsonCoding<QDateTime> {
    static QJsonValue encode(const QDateTime& date);
    static QDateTime decode(const QJsonValue& json, const QStringList& codingPath);
};
