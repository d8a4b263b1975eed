#pragma once

#include "app/MenuValidation.h"

#include <QString>

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
};

} // namespace corvelle
