#pragma once

#include "engine/halvex/tags/SearchWords.h"
#include "engine/ostrak/TagStream.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace halvex {

// What a tag stream search looks for: as TagItemSearchRequest, over the names of tag streams.
struct TagStreamSearchRequest {
    using Element = ostrak::TagStream;

    std::optional<QString> string;
    QList<ostrak::TagStream> tagStreams = ostrak::TagStream::allCases();
    std::function<bool(const ostrak::TagStream&)> filter;

    const QList<ostrak::TagStream>& elements() const { return tagStreams; }
    static bool matches(const ostrak::TagStream& stream, const SearchWords& words)
    {
        return words.foundInOrder(SearchWords::fold(stream.name()));
    }
};

} // namespace halvex
