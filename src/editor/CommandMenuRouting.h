#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace corvelle {

// Ties the items of a menu (and of its submenus) that are named after a command
// ("removeAllFiles:") to whoever answers for that command: each item is validated whenever its
// menu opens and sends its command, with itself as sender, when chosen.
class CommandMenuRouting {
public:
    using Validate = std::function<bool(const QString& command, QAction* item)>;
    using Perform = std::function<void(const QString& command, QAction* sender)>;

    // Validate and perform must stay callable for the life of the menu.
    static void route(QMenu* menu, const Validate& validate, const Perform& perform);
};

} // namespace corvelle
