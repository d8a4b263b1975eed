#pragma once

#include "engine/halvex/tags/TagValue.h"
#include "engine/ostrak/TagName.h"

#include <QList>
#include <QString>

#include <optional>

namespace halvex {

// One file of a tag comparison: the title of its column and its tags. Immutable once made, so
// that a comparison can be built on any thread.
class TagComparatorProvider {
public:
    virtual ~TagComparatorProvider() = default;

    virtual QString title() const = 0;
    // In the file's order.
    virtual QList<ostrak::TagName> tagNames() const = 0;
    virtual std::optional<TagValue> value(const ostrak::TagName& tagName) const = 0;
};

} // namespace halvex
