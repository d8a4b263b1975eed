#pragma once

#include "engine/halvex/tags/TagStreamSearchRequest.h"
#include "engine/halvex/tags/WordSearchEngine.h"

namespace halvex {

// Finds tag streams by the words typed, off the main thread (see WordSearchEngine).
class TagStreamSearchEngine : public WordSearchEngine<TagStreamSearchRequest> {
public:
    const QList<ostrak::TagStream>& tagStreams() const { return results(); }
    void onTagItemChange(std::function<void()> handler) { onResultChange(std::move(handler)); }
};

} // namespace halvex
