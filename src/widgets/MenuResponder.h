#pragma once

#include "widgets/MenuValidation.h"

#include <QString>

class QAction;

namespace corvelle {

// Something that validates and performs menu commands. A command is named by its action
// ("copyEXIFTags:"), which its menu item carries as object name. The shell asks its responders
// in turn; the first answer other than notMine decides the item's enabled state.
class MenuResponder {
public:
    virtual ~MenuResponder() = default;

    // `item` is the menu item being validated, or null when the shell asks on behalf of another
    // command; a responder may set the item's check state or visibility.
    virtual MenuValidation validateMenuCommand(const QString& command, QAction* item) = 0;

    // Runs only after validateMenuCommand() answered enabled; the command checks its own rule
    // again before it acts, so a stale item never acts. `sender` may be null.
    virtual void performMenuCommand(const QString& command, QAction* sender) = 0;
};

} // namespace corvelle
