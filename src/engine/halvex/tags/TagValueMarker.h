#pragma once

#include <QString>

#include <optional>

namespace halvex {

// Two texts that, given as a tag's new value, ask the editor to restore the tag (drop its
// edits and go back to the file's value) or to clear it (remove it from the file).
//
// Each starts and ends with U+FDD0, a Unicode noncharacter set aside for a program's internal
// use. The tag editor passes every real value, read from a file or given by a caller, through
// withoutNoncharacters() before it holds it, so a marker can never be mistaken for, or made
// from, a real value. No value (std::nullopt) is a third, separate case.
inline const std::optional<QString> TagValueRestore = QStringLiteral(u"\uFDD0halvex-restore\uFDD0");
inline const std::optional<QString> TagValueClear = QStringLiteral(u"\uFDD0halvex-clear\uFDD0");

enum class TagValueMarker { restore, clear };

// Which marker a value is, if any.
std::optional<TagValueMarker> tagValueMarker(const std::optional<QString>& value);

// The text with every Unicode noncharacter (U+FDD0..U+FDEF and the last two code points of
// each plane) removed; the editor passes real values through it.
QString withoutNoncharacters(const QString& text);

} // namespace halvex
