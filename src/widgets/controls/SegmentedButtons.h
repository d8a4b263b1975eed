#pragma once

#include "platform/brisa/core/EnumStrings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QStringList>

class QWidget;

namespace corvelle {

// A segmented control made of exclusive checkable buttons: one per case of an enumeration, in
// the enumeration's order, the buttons' ids the cases' ordinals.
class SegmentedButtons {
public:
    // Adds one button per title (a localisation key) to `container`'s horizontal layout.
    static QButtonGroup* make(QWidget* container, const QStringList& titleKeys);

    // The case of the checked button; the first case when none is checked.
    template<class Enum>
    static Enum selectedCase(const QButtonGroup* group)
    {
        const QList<Enum> cases = brisa::allCases<Enum>();
        const int id = group->checkedId();
        return id >= 0 && id < cases.size() ? cases.at(id) : cases.first();
    }

    template<class Enum>
    static void selectCase(QButtonGroup* group, Enum value)
    {
        if (QAbstractButton* button = group->button(int(brisa::allCases<Enum>().indexOf(value))))
            button->setChecked(true);
    }
};

} // namespace corvelle
