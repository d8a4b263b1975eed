#include "platform/brisa/core/CGFloatUDC.h"

#include "platform/brisa/core/UserDefaults.h"

namespace brisa {

std::optional<double> CGFloatUDC::decode(const UserDefaults& defaults, const QString& key)
{
    const QVariant stored = defaults.object(key);
    switch (stored.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Float:
    case QMetaType::Double:
        return stored.toDouble();
    default:
        return std::nullopt;
    }
}

} // namespace brisa
