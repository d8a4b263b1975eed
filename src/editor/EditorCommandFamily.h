#pragma once

#include "widgets/MenuValidation.h"

#include <QString>

class QAction;

namespace corvelle {

// One family of editor window commands (the file commands, copy and paste, ...). A command is
// named by its action ("removeSelectedFiles:").
class EditorCommandFamily {
public:
    virtual ~EditorCommandFamily() = default;

    // notMine for an action of another family.
    virtual MenuValidation validateItem(const QString& action) const = 0;
    // Runs the action after checking its rule again: a stale menu item, toolbar or touch-bar
    // button never acts. Nothing for an action of another family.
    virtual void perform(const QString& action) = 0;

    // A family whose commands depend on the menu item that sends them (the preset a preset
    // item stands for) overrides these; `item` may be null.
    virtual MenuValidation validateItem(const QString& action, QAction* item) const
    {
        Q_UNUSED(item);
        return validateItem(action);
    }
    virtual void perform(const QString& action, QAction* sender)
    {
        Q_UNUSED(sender);
        perform(action);
    }
};

} // namespace corvelle
