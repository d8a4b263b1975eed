#include "app/settings/AdvancedSettings.h"

namespace corvelle {

const Settings::BoolKey& Settings::enableDebuggingMode()
{
    static const BoolKey key(QStringLiteral("EnableDebuggingMode"), [] { return false; });
    return key;
}

} // namespace corvelle
