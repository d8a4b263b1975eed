#include "engine/halvex/editions/PresetValueInsertion.h"

using halvex::PresetValueInsertion;

const QList<std::pair<PresetValueInsertion, QString>>& brisa::EnumStrings<PresetValueInsertion>::table()
{
    static const QList<std::pair<PresetValueInsertion, QString>> table{
        {PresetValueInsertion::replace, QStringLiteral("replace")},
        {PresetValueInsertion::prepend, QStringLiteral("prepend")},
        {PresetValueInsertion::append, QStringLiteral("append")},
    };
    return table;
}
