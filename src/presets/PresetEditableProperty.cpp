#include "presets/PresetEditableProperty.h"

namespace corvelle {

PresetEditableProperty PresetEditableProperty::editionEntry(const halvex::PresetItem::Entry& entry)
{
    PresetEditableProperty property(Kind::editionEntry);
    property.entry_ = entry;
    return property;
}

bool PresetEditableProperty::isHeader() const
{
    return kind_ == Kind::groupHeader || kind_ == Kind::presetHeader || kind_ == Kind::editionHeader;
}

PresetEditableProperty::Sheet PresetEditableProperty::sheet() const
{
    switch (kind_) {
    case Kind::groupName:
    case Kind::presetName:
        return Sheet::name;
    case Kind::groupDescription:
    case Kind::presetDescription:
        return Sheet::description;
    case Kind::editionEntry:
        return Sheet::entry;
    default:
        return Sheet::none;
    }
}

QList<PresetEditableProperty> PresetEditableProperty::groupProperties()
{
    return {Kind::groupHeader, Kind::groupName, Kind::groupDescription};
}

QList<PresetEditableProperty> PresetEditableProperty::presetProperties()
{
    return {Kind::presetHeader, Kind::presetName, Kind::presetDescription};
}

} // namespace corvelle
