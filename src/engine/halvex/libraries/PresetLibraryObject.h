#pragma once

#include "engine/halvex/kit/EquatableObject.h"

#include <QString>

namespace halvex {

// What preset groups and presets share: a name and a description, whose changes each class
// posts under its own notification name (object = the group or preset), only when the text
// really changes.
class PresetLibraryObject : public EquatableObject {
public:
    QString name() const { return name_; }
    void setName(const QString& name);
    // The description.
    QString detail() const { return detail_; }
    void setDetail(const QString& detail);

protected:
    PresetLibraryObject(const QString& name, const QString& detail, const QString& infoNotification);

private:
    void setInfo(QString& member, const QString& value);

    QString name_;
    QString detail_;
    const QString infoNotification_;
};

} // namespace halvex
