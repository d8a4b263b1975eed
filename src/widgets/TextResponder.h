#pragma once

#include "widgets/MenuValidation.h"

#include <QString>

class QWidget;

namespace corvelle {

// The standard editing commands of the Edit menu (undo:, redo:, cut:, copy:, paste:, delete:,
// selectAll:) as the focused text field answers them; every other widget and command is not
// its own, so the commands go on to the window.
class TextResponder {
public:
    static MenuValidation validate(QWidget* focus, const QString& command);
    // True when the focused text field took the command.
    static bool perform(QWidget* focus, const QString& command);
};

} // namespace corvelle
