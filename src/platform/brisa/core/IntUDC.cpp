#include "platform/brisa/core/IntUDC.h"

#include "platform/brisa/core/UserDefaults.h"

#include <cmath>
#include <limits>

namespace brisa {

std::optional<int> IntUDC::decode(const UserDefaults& defaults, const QString& key)
{
    const QVariant stored = defaults.object(key);
    switch (stored.typeId()) {
    case QMetaType::Int:
        return stored.toInt();
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Float:
    case QMetaType::Double: {
        const double number = stored.toDouble();
        if (std::trunc(number) != number || number < double(std::numeric_limits<int>::min())
            || number > double(std::numeric_limits<int>::max())) {
            return std::nullopt;
        }
        return int(number);
    }
    default:
        return std::nullopt;
    }
}

} // namespace brisa
