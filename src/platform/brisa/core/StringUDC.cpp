#include "platform/brisa/core/StringUDC.h"

#include "platform/brisa/core/UserDefaults.h"

namespace brisa {

std::optional<QString> StringUDC::decode(const UserDefaults& defaults, const QString& key)
{
    const QVariant stored = defaults.object(key);
    if (stored.typeId() != QMetaType::QString)
        return std::nullopt;
    return stored.toString();
}

} // namespace brisa
