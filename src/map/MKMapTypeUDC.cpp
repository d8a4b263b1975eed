#include "map/MKMapTypeUDC.h"

#include "platform/brisa/core/IntUDC.h"
#include "platform/brisa/core/UserDefaults.h"

namespace corvelle {

namespace {

constexpr int highestMapType = static_cast<int>(MapType::mutedStandard);

} // namespace

std::optional<MapType> MKMapTypeUDC::decode(const brisa::UserDefaults& defaults,
                                             const QString& key)
{
    const std::optional<int> stored = brisa::IntUDC::decode(defaults, key);
    if (!stored || *stored < 0 || *stored > highestMapType)
        return std::nullopt;
    return static_cast<MapType>(*stored);
}

QVariant MKMapTypeUDC::encode(const MapType& value)
{
    const int raw = static_cast<int>(value);
    return brisa::IntUDC::encode(raw < 0 || raw > highestMapType ? 0 : raw);
}

} // namespace corvelle
