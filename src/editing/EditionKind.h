#pragma once

namespace corvelle {

// The kinds of value editor, one per editor class. The editor chooser answers one of them for a
// tag, and EditionKindTraits holds what each kind answers without an editor on screen.
enum class EditionKind {
    keyword,
    text,
    enumeration,
    speed,
    country,
    number,
    boolean,
    dateTime,
    imageB64,
    unknown,
    notWritable,
    dateTimeAction,
};

} // namespace corvelle
