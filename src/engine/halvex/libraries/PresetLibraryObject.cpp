#include "engine/halvex/libraries/PresetLibraryObject.h"

#include "platform/brisa/core/NotificationCenter.h"

namespace halvex {

PresetLibraryObject::PresetLibraryObject(const QString& name, const QString& detail, const QString& infoNotification)
    : name_(name), detail_(detail), infoNotification_(infoNotification)
{
}

void PresetLibraryObject::setName(const QString& name)
{
    setInfo(name_, name);
}

void PresetLibraryObject::setDetail(const QString& detail)
{
    setInfo(detail_, detail);
}

void PresetLibraryObject::setInfo(QString& member, const QString& value)
{
    if (member == value)
        return;
    member = value;
    // The derived object's address: observers compare it with their group or preset.
    brisa::NotificationCenter::defaultCenter().post(infoNotification_, this);
}

} // namespace halvex
