#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <optional>

namespace corvelle {

// One row of a command family's table: the command's name ("saveSelectedFiles:"), the
// localisation key of its title, its shortcut and symbol, and its rules. The window makes one
// QAction of each row; the rules alone decide the action's enabled and checked states.
struct EditorCommand {
    QString name;
    // Empty for a command sent only by items that stand for something of their own (the item
    // of one preset): it has no action of its own.
    QString textKey;
    QKeySequence shortcut;
    QString symbolName;
    std::function<bool()> isEnabled;
    // Empty for a command without a check mark.
    std::function<std::optional<bool>()> isChecked;
    std::function<void()> run;
};

} // namespace corvelle
