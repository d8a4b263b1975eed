#include "engine/ostrak/TagRecordSet.h"

namespace ostrak {

const TagRecord* TagRecordSet::find(const QString& group, const QString& name, int copy) const
{
    for (const TagRecord& record : records) {
        if (record.name == name && record.group == group && record.copy == copy)
            return &record;
    }
    return nullptr;
}

} // namespace ostrak
