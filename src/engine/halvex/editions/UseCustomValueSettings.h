#pragma once

#include "engine/halvex/editions/PresetValueInsertion.h"

#include <QList>
#include <QString>

namespace halvex {

// The settings of a preset entry that sets a value of its own. On a date tag the value may be
// the description() of a DateEdition ("shift(hour=2)"), which is then applied to the tag's date.
struct UseCustomValueSettings {
    using Insertion = PresetValueInsertion;

    QString value;
    Insertion insertion = Insertion::replace;

    static QList<Insertion> allInsertionCases();

    friend bool operator==(const UseCustomValueSettings&, const UseCustomValueSettings&) = default;
};

} // namespace halvex

// {"value": "…", "insertion": "replace"}; only the value is required.
template<>
struct brisa::JsonCoding<halvex::UseCustomValueSettings> {
    static QJsonValue encode(const halvex::UseCustomValueSettings& settings);
    static halvex::UseCustomValueSettings decode(const QJsonValue& json, const QStringList& codingPath);
};
