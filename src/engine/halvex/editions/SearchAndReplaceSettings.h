#pragma once

#include "platform/brisa/core/JsonCoding.h"

#include <QString>

namespace halvex {

// The settings of a preset entry that replaces, in a tag's value (in each item of a list), every
// occurrence of a text or of a regular expression.
struct SearchAndReplaceSettings {
    QString searchString;
    // With useRegex, "$1" … "$99" stand for the captured groups and "$0" for the whole match;
    // "\$" is a dollar sign and "\\" a backslash.
    QString replaceString;
    // "Zürich" matches "ZÜRICH".
    bool ignoreCase = false;
    // "Zurich" matches "Zürich", whether the accent is one character or a combining mark.
    bool ignoreDiacritic = false;
    // "ABC" matches the full-width "ＡＢＣ", and half-width katakana their full forms.
    bool ignoreWidth = false;
    bool useRegex = false;

    friend bool operator==(const SearchAndReplaceSettings&, const SearchAndReplaceSettings&) = default;
};

} // namespace halvex

// {"searchString": "…", "replaceString": "…", "ignoreCase": false, "ignoreDiacritic": false,
//  "ignoreWidth": false, "useRegex": false}; only the search string is required.
template<>
struct brisa::JsonCoding<halvex::SearchAndReplaceSettings> {
    static QJsonValue encode(const halvex::SearchAndReplaceSettings& settings);
    static halvex::SearchAndReplaceSettings decode(const QJsonValue& json, const QStringList& codingPath);
};
