#pragma once

#include "engine/halvex/tags/TagItemSearchRequest.h"
#include "engine/halvex/tags/WordSearchEngine.h"

namespace halvex {

// Finds tag items by the words typed, off the main thread (see WordSearchEngine). Owners keep it
// as a member and give it callbacks that hold them weakly, or that the owner outlives.
class TagItemSearchEngine : public WordSearchEngine<TagItemSearchRequest> {
public:
    const QList<ostrak::TagItem>& tagItems() const { return results(); }
    void onTagItemChange(std::function<void()> handler) { onResultChange(std::move(handler)); }
};

} // namespace halvex
