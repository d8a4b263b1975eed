#include "platform/brisa/core/CGFloatUDC.h"

#include "platform/brisa/core/JsonSettingsFormat.h"
#include "platform/brisa/core/UserDefaults.h"

namespace brisa {

std::optional<double> CGFloatUDC::decode(const UserDefaults& defaults, const QString& key)
{
    return JsonSettingsFormat::storedNumber(defaults.object(key));
}

} // namespace brisa
