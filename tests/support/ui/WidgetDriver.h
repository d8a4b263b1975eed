#pragma once

#include <Qt>

class QComboBox;

namespace corvelle::test {

// Drives widgets as a user does, through their own event handling.
class WidgetDriver {
public:
    // Opens the pop-up list of a shown combo box, moves to the item and presses Return on it,
    // holding `modifiers`. Returns false when the list did not open or close again.
    [[nodiscard]] static bool choose(QComboBox* box, int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};

} // namespace corvelle::test
