#include "platform/brisa/core/BoolUDC.h"

#include "platform/brisa/core/UserDefaults.h"

namespace brisa {

std::optional<bool> BoolUDC::decode(const UserDefaults& defaults, const QString& key)
{
    const QVariant stored = defaults.object(key);
    if (stored.typeId() != QMetaType::Bool)
        return std::nullopt;
    return stored.toBool();
}

} // namespace brisa
