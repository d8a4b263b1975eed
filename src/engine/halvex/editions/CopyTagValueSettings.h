#pragma once

#include "engine/halvex/editions/PresetValueInsertion.h"
#include "engine/ostrak/TagName.h"

#include <QList>

namespace halvex {

// The settings of a preset entry that copies the value of another tag of the same file.
struct CopyTagValueSettings {
    // Raw: the value as the file stores it (ExifTool's -n form, "6"); pretty: as ExifTool prints
    // it ("Rotate 90 CW"). Stored as "raw", "pretty".
    enum class Formatter { raw = 0, pretty = 1 };
    using Insertion = PresetValueInsertion;

    // The tag whose value is copied.
    ostrak::TagName tagName;
    Formatter formatter = Formatter::raw;
    Insertion insertion = Insertion::replace;

    static QList<Formatter> allFormatterCases();
    static QList<Insertion> allInsertionCases();

    friend bool operator==(const CopyTagValueSettings&, const CopyTagValueSettings&) = default;
};

} // namespace halvex

template<>
struct brisa::EnumStrings<halvex::CopyTagValueSettings::Formatter> {
    static const QList<std::pair<halvex::CopyTagValueSettings::Formatter, QString>>& table();
};

template<>
struct brisa::JsonCoding<halvex::CopyTagValueSettings::Formatter>
    : halvex::EnumStringCoding<halvex::CopyTagValueSettings::Formatter> {
};

// {"tagName": {"group": …, "name": …}, "formatter": "raw", "insertion": "replace"}; only the tag
// name is required.
template<>
struct brisa::JsonCoding<halvex::CopyTagValueSettings> {
    static QJsonValue encode(const halvex::CopyTagValueSettings& settings);
    static halvex::CopyTagValueSettings decode(const QJsonValue& json, const QStringList& codingPath);
};
