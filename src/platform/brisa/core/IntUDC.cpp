#include "platform/brisa/core/IntUDC.h"

#include "platform/brisa/core/JsonSettingsFormat.h"
#include "platform/brisa/core/UserDefaults.h"

#include <cmath>
#include <limits>

namespace brisa {

std::optional<int> IntUDC::decode(const UserDefaults& defaults, const QString& key)
{
    const std::optional<double> number = JsonSettingsFormat::storedNumber(defaults.object(key));
    if (!number || std::trunc(*number) != *number || *number < double(std::numeric_limits<int>::min())
        || *number > double(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return int(*number);
}

} // namespace brisa
