#include "engine/halvex/tags/MultiValuedString.h"

#include <algorithm>

namespace halvex {

MultiValuedString MultiValuedString::common(const QList<std::optional<QString>>& values)
{
    const auto absent = [](const std::optional<QString>& value) { return !value; };
    if (std::all_of(values.begin(), values.end(), absent))
        return none();
    const std::optional<QString>& first = values.first();
    const bool allEqual = std::all_of(values.begin(), values.end(),
                                      [&first](const std::optional<QString>& value) { return value == first; });
    return allEqual ? single(*first) : multiple();
}

std::optional<QString> MultiValuedString::value() const
{
    if (kind_ != Kind::single)
        return std::nullopt;
    return value_;
}

} // namespace halvex
