#include "engine/halvex/kit/EngineOption.h"

namespace halvex {

QStringList EngineOption::apiArguments() const
{
    QStringList arguments;
    if (contains(quickTimeUTC))
        arguments << QStringLiteral("-api") << QStringLiteral("QuickTimeUTC=1");
    if (contains(largeFileSupport))
        arguments << QStringLiteral("-api") << QStringLiteral("LargeFileSupport=1");
    return arguments;
}

} // namespace halvex
