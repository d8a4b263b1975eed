#include "tags/TagRowContentProvider.h"

#include "editing/EditionKindTraits.h"
#include "tags/ContentValue.h"

namespace corvelle {

QVariant TagRowContentProvider::content(const halvex::TagValueTableRowValue& row)
{
    const EditionKindTraits& traits = EditionKindTraits::of(EditionKindTraits::editionViewControllerKind(row.tagItem()));
    return QVariant::fromValue(traits.contentValue(row));
}

halvex::Identified<halvex::TagValueTableRequest::RowContentProvider> TagRowContentProvider::make()
{
    return halvex::Identified<halvex::TagValueTableRequest::RowContentProvider>(&TagRowContentProvider::content);
}

} // namespace corvelle
