#pragma once

#include "engine/ostrak/TagItem.h"

namespace ostrak {

// The record one TagItem shares; filled once by the tag database and never changed after.
struct TagItemData {
    TagName name;
    QString family0;
    QString family2;
    QString tagId;
    QString description;
    TagType type;
    bool writable = false;
    bool fallback = false;
    TagItem::Flags flags;
    TagItem::ListKind listKind = TagItem::ListKind::None;
    int count = 0; // 0: ExifTool gives no count
    TagItem::Choices choices;
};

} // namespace ostrak
