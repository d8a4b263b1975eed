#pragma once

#include "engine/halvex/tags/TagComparatorProvider.h"
#include "engine/halvex/tags/TagStorage.h"

namespace halvex {

// The stored values of one file (edits aside), under the file's name.
class TagStorageValueProvider : public TagComparatorProvider {
public:
    TagStorageValueProvider(QString filename, TagStorage storage);

    QString title() const override { return filename_; }
    QList<ostrak::TagName> tagNames() const override { return storage_.tagNames(); }
    std::optional<TagValue> value(const ostrak::TagName& tagName) const override { return storage_.value(tagName); }

private:
    const QString filename_;
    const TagStorage storage_;
};

} // namespace halvex
