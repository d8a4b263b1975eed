#pragma once

#include "engine/ostrak/TagName.h"

#include <QString>

#include <optional>

namespace halvex {

class TagEditor;

// Reads and stages tag values in their stored form (before ExifTool's print conversion): the
// form in which the engine edits choices and numbers (orientation 6, not "Rotate 90 CW"; a
// latitude in decimal degrees).
class StagedValues {
public:
    // The staged text when the tag is edited (none when its deletion is staged), else the
    // stored value before print conversion; none when the tag is absent.
    static std::optional<QString> numericValue(const TagEditor& editor, const ostrak::TagName& tagName);

    // Stages the value, or the deletion for none. A value the file already holds (the same
    // text, or the same number) drops the staged edit instead, so that rewriting a value does
    // not mark the file edited.
    static bool stage(TagEditor& editor, const ostrak::TagName& tagName, const std::optional<QString>& value);

    // Decimal text of a number without exponent or trailing zeros, at most `decimals` digits
    // after the point ("47.3769", "408", "-0.5").
    static QString decimalText(double value, int decimals);
};

} // namespace halvex
