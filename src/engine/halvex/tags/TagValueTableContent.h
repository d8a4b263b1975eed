#pragma once

#include "engine/halvex/tags/TagValueTableEntry.h"
#include "engine/halvex/tags/TagValueTableRequest.h"
#include "engine/halvex/tags/TagValueTableValueSet.h"
#include "platform/brisa/core/IndexSet.h"

#include <QList>

namespace halvex {

// What a value table shows: its entries in display order, which of them are selected, the
// request they answer and the values of the selected rows. A value: callers copy it for the
// length of one action. Reached as TagValueTable::Content.
class TagValueTableContent {
public:
    TagValueTableContent(TagValueTableRequest request, QList<TagValueTableEntry> entries,
                         brisa::IndexSet selectedEntryIndexes, TagValueTableValueSet valueSet);

    const QList<TagValueTableEntry>& entries() const { return entries_; }
    // Tag rows only.
    const brisa::IndexSet& selectedEntryIndexes() const { return selectedEntryIndexes_; }
    // The request answered, its selection being the one above.
    const TagValueTableRequest& request() const { return request_; }
    // The editors the content was loaded for.
    const QList<std::shared_ptr<TagEditor>>& editors() const { return request_.editors; }
    // The values of the selected rows over the editors.
    const TagValueTableValueSet& valueSet() const { return valueSet_; }

    // The tag names of the rows at these positions, in order; sections and positions past the
    // end give nothing.
    QList<ostrak::TagName> names(const brisa::IndexSet& indexes) const;

private:
    TagValueTableRequest request_;
    QList<TagValueTableEntry> entries_;
    brisa::IndexSet selectedEntryIndexes_;
    TagValueTableValueSet valueSet_;
};

} // namespace halvex
