#include "engine/halvex/tags/TagItemSearchRequest.h"

#include "engine/halvex/tags/TagSearchTexts.h"

namespace halvex {

bool TagItemSearchRequest::matches(const ostrak::TagItem& item, const SearchWords& words)
{
    const TagSearchTexts texts = TagSearchTexts::of(item);
    return words.foundInOrder(texts.title) || words.foundInOrder(texts.tagName);
}

} // namespace halvex
