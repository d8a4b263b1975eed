#pragma once

#include "map/MapType.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace brisa {
class UserDefaults;
}

namespace corvelle {

// Settings coder of the map style, stored as its number.
struct MKMapTypeUDC {
    using Value = MapType;

    // No value unless an integer from 0 to 5 is stored.
    static std::optional<MapType> decode(const brisa::UserDefaults& defaults, const QString& key);
    // A number outside the known styles is stored as the standard style.
    static QVariant encode(const MapType& value);
};

} // namespace corvelle
