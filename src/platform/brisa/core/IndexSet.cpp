#include "platform/brisa/core/IndexSet.h"

#include <algorithm>

namespace brisa {

IndexSet::IndexSet(std::initializer_list<int> indexes)
{
    for (int index : indexes)
        insert(index);
}

IndexSet::IndexSet(const QList<int>& indexes)
{
    for (int index : indexes)
        insert(index);
}

IndexSet IndexSet::range(int first, int count)
{
    IndexSet set;
    for (int i = 0; i < count; ++i)
        set.insert(first + i);
    return set;
}

void IndexSet::insert(int index)
{
    if (index < 0)
        return;
    const auto at = std::lower_bound(indexes_.begin(), indexes_.end(), index);
    if (at == indexes_.end() || *at != index)
        indexes_.insert(at, index);
}

void IndexSet::remove(int index)
{
    const auto at = std::lower_bound(indexes_.begin(), indexes_.end(), index);
    if (at != indexes_.end() && *at == index)
        indexes_.erase(at);
}

bool IndexSet::contains(int index) const
{
    return std::binary_search(indexes_.cbegin(), indexes_.cend(), index);
}

int IndexSet::countBefore(int index) const
{
    return int(std::lower_bound(indexes_.cbegin(), indexes_.cend(), index) - indexes_.cbegin());
}

} // namespace brisa
