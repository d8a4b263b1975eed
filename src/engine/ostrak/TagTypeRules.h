#pragma once

#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/TagType.h"

#include <QStringView>

namespace ostrak {

// Derives a tag's value type from what `exiftool -listx` says of it: its groups, its storage
// type, its count, its flags, its enumerated values and, where ExifTool stores dates, speeds and
// country codes as plain strings or numbers, its name.
class TagTypeRules {
public:
    struct Facts {
        QStringView family0;
        QStringView family1;
        QStringView family2;
        QStringView name;
        QStringView storageType; // ExifTool's `type` attribute: "int16u", "string", "?", ...
        int count = 0;
        TagItem::Flags flags;
        const TagItem::Choices* choices = nullptr;
    };

    static TagType typeOf(const Facts& facts);

private:
    static std::optional<TagType> dateType(const Facts& facts);
    static std::optional<TagType> numberType(QStringView storageType);
    static bool isYesNoChoice(const TagItem::Choices& choices);
    static bool isLongText(QStringView name);
};

} // namespace ostrak
