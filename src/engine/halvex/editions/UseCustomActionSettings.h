#pragma once

#include "engine/halvex/kit/EnumStringCoding.h"

#include <QList>

#include <optional>

namespace halvex {

// The settings of a preset entry that runs one fixed action on a tag. The actions keep their
// codes 0 to 7 for the interface, which lists them in that order; the stored form names them.
struct UseCustomActionSettings {
    enum class Action {
        remove = 0,          // the tag is removed from the file
        restoreOriginal = 1, // edits of the tag are dropped: the file's value is current again
        lowercase = 2,
        uppercase = 3,
        capitalize = 4,      // each word: its first letter in capitals, the others in small letters
        trimWhiteSpace = 5,  // white space and line breaks at both ends
        sortAscending = 6,   // the items of a list value
        sortDescending = 7,
    };

    Action action = Action::remove;

    int code() const { return int(action); }
    // None for a number that is no action code.
    static std::optional<Action> actionOfCode(int code);

    friend bool operator==(const UseCustomActionSettings&, const UseCustomActionSettings&) = default;
};

} // namespace halvex

template<>
struct brisa::EnumStrings<halvex::UseCustomActionSettings::Action> {
    static const QList<std::pair<halvex::UseCustomActionSettings::Action, QString>>& table();
};

template<>
struct brisa::JsonCoding<halvex::UseCustomActionSettings::Action>
    : halvex::EnumStringCoding<halvex::UseCustomActionSettings::Action> {
};

// {"action": "sortAscending"}
template<>
struct brisa::JsonCoding<halvex::UseCustomActionSettings> {
    static QJsonValue encode(const halvex::UseCustomActionSettings& settings);
    static halvex::UseCustomActionSettings decode(const QJsonValue& json, const QStringList& codingPath);
};
