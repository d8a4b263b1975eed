#pragma once

#include "engine/halvex/tags/TagValueTableRequest.h"

#include <QVariant>

namespace corvelle {

// The row provider of the editor window's tag value table: each tag row's display value, made
// by the value editor that the editor chooser picks for the row's tag, boxed for the table.
class TagRowContentProvider {
public:
    static QVariant content(const halvex::TagValueTableRowValue& row);
    static halvex::Identified<halvex::TagValueTableRequest::RowContentProvider> make();
};

} // namespace corvelle
