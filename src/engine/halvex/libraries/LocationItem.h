#pragma once

#include "engine/halvex/places/Location.h"
#include "platform/brisa/core/JsonCoding.h"

#include <QString>

#include <memory>

namespace halvex {

class LocationItem;
using LocationItemPtr = std::shared_ptr<LocationItem>;

// One favourite place of the location library: a name and a location. The library and its
// selection hold items by identity; == compares their content.
//
// Main thread only. Each write posts didChangeInfoNotification (object = the item) inside the
// writing call.
class LocationItem {
public:
    static const QString didChangeInfoNotification;

    LocationItem(const QString& name, const Location& location);
    LocationItem(const LocationItem&) = delete;
    LocationItem& operator=(const LocationItem&) = delete;

    const QString& name() const { return name_; }
    void setName(const QString& name);
    const Location& location() const { return location_; }
    void setLocation(const Location& location);

    // The same name and location.
    friend bool operator==(const LocationItem& a, const LocationItem& b)
    {
        return a.name_ == b.name_ && a.location_ == b.location_;
    }

private:
    QString name_;
    Location location_;
};

} // namespace halvex

// The stored form of an item: {"name": "…", "location": {…}} (see LocationCoding.h).
template<>
struct brisa::JsonCoding<halvex::LocationItemPtr> {
    static QJsonValue encode(const halvex::LocationItemPtr& item);
    static halvex::LocationItemPtr decode(const QJsonValue& json, const QStringList& codingPath);
};
