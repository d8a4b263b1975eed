#pragma once

#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/Identified.h"
#include "engine/halvex/tags/TagValueTableFilter.h"
#include "engine/halvex/tags/TagValueTableRowValue.h"
#include "platform/brisa/core/IndexSet.h"

#include <QList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

namespace halvex {

class TagEditor;

// What a value table is asked to show: the tags of one tag-set domain, for a list of editors,
// through a filter, with some entries selected. A value: callers copy the table's latest
// request, change the copy and hand it back. Reached as TagValueTable::Request.
struct TagValueTableRequest {
    // Makes the display value of a tag row (the interface's boxed content value). Called on the
    // main thread only, and only for rows whose value changed since it last made theirs, unless
    // the provider was renewed.
    using RowContentProvider = std::function<QVariant(const TagValueTableRowValue&)>;

    explicit TagValueTableRequest(TagSetManager::Domain domain,
                                  std::optional<Identified<RowContentProvider>> rowContentProvider = std::nullopt)
        : domain(domain), rowContentProvider(std::move(rowContentProvider))
    {
    }

    TagSetManager::Domain domain;
    // None: the rows carry no content.
    std::optional<Identified<RowContentProvider>> rowContentProvider;
    // Positions in the entries of the content shown when the request is handed over; the table
    // keeps the same tags selected when its entries change.
    brisa::IndexSet selectedEntryIndexes;
    TagValueTableFilter filter;
    // Editors are compared by identity.
    QList<std::shared_ptr<TagEditor>> editors;

    friend bool operator==(const TagValueTableRequest&, const TagValueTableRequest&) = default;
};

} // namespace halvex
