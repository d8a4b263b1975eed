#pragma once

#include "engine/halvex/kit/EnumStringCoding.h"

#include <QList>

namespace halvex {

// Where a preset puts a value it brings (a custom value, a copied value): instead of the tag's
// current value, before it or after it. Stored as "replace", "prepend", "append".
enum class PresetValueInsertion { replace = 0, prepend = 1, append = 2 };

} // namespace halvex

template<>
struct brisa::EnumStrings<halvex::PresetValueInsertion> {
    static const QList<std::pair<halvex::PresetValueInsertion, QString>>& table();
};

template<>
struct brisa::JsonCoding<halvex::PresetValueInsertion> : halvex::EnumStringCoding<halvex::PresetValueInsertion> {
};
