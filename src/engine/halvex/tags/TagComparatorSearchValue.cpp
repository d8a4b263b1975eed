#include "engine/halvex/tags/TagComparatorSearchValue.h"

namespace halvex {

std::optional<std::pair<qsizetype, qsizetype>> TagComparatorSearchValue::rangeOf(const QString& search,
                                                                                 const QString& text)
{
    if (search.isEmpty())
        return std::nullopt;
    const qsizetype start = text.indexOf(search, 0, Qt::CaseInsensitive);
    if (start < 0)
        return std::nullopt;
    return std::pair(start, search.size());
}

} // namespace halvex
