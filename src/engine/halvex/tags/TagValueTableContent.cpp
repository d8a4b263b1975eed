#include "engine/halvex/tags/TagValueTableContent.h"

namespace halvex {

TagValueTableContent::TagValueTableContent(TagValueTableRequest request, QList<TagValueTableEntry> entries,
                                           brisa::IndexSet selectedEntryIndexes, TagValueTableValueSet valueSet)
    : request_(std::move(request)), entries_(std::move(entries)),
      selectedEntryIndexes_(std::move(selectedEntryIndexes)), valueSet_(std::move(valueSet))
{
    request_.selectedEntryIndexes = selectedEntryIndexes_;
}

QList<ostrak::TagName> TagValueTableContent::names(const brisa::IndexSet& indexes) const
{
    QList<ostrak::TagName> names;
    for (int index : indexes) {
        if (index >= entries_.size())
            break;
        if (const auto name = entries_.at(index).tagName())
            names.append(*name);
    }
    return names;
}

} // namespace halvex
