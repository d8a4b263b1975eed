#pragma once

#include "platform/brisa/core/EnumStrings.h"

#include <QComboBox>
#include <QList>
#include <QSignalBlocker>

#include <optional>

namespace brisa {

// Fills, selects and reads a combo box by the cases of an enum that has EnumStrings. Each item
// holds its case's raw string as data. These are the program's doings, not the user's, so none
// of them sends the box's change signals.
class ComboBoxCaseList {
public:
    // `label(case)` gives each item's visible text.
    template<class E, class Label>
    static void setCaseList(QComboBox* box, const QList<E>& cases, Label label)
    {
        const QSignalBlocker blocker(box);
        box->clear();
        for (E value : cases)
            box->addItem(label(value), rawValue(value));
    }

    // A case without an item selects nothing.
    template<class E>
    static void selectCase(QComboBox* box, E value)
    {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(box->findData(rawValue(value)));
    }

    template<class E>
    static std::optional<E> selectedCase(const QComboBox* box)
    {
        if (box->currentIndex() < 0)
            return std::nullopt;
        return caseFromRawValue<E>(box->currentData().toString());
    }
};

} // namespace brisa
