#pragma once

#include <QString>

class QAction;
class QMenu;

namespace corvelle {

// The commands of the application as a whole (the preset manager, the remote-profiles window,
// help), as the windows' toolbars reach them without knowing the application object.
class ApplicationCommands {
public:
    virtual ~ApplicationCommands();

    // The running application's commands; null when there is none (a window under test).
    static ApplicationCommands* current();
    // Whether the running application can perform the command now; false without one.
    static bool canPerform(const QString& command);
    // Performs the command when the running application can.
    static void perform(const QString& command);

    // `item` is the menu item asked about, when there is one.
    virtual bool validateCommand(const QString& command, QAction* item = nullptr) = 0;
    virtual void performCommand(const QString& command, QAction* sender = nullptr) = 0;
    // The menu that the Help buttons of the windows' toolbars show.
    virtual QMenu* toolbarItemHelpMenu() const = 0;

protected:
    // The application registers itself once it is made, and leaves when it ends.
    static void setCurrent(ApplicationCommands* commands);
};

} // namespace corvelle
