#pragma once

#include "platform/brisa/ui/DynamicToolbarItem.h"
#include "platform/brisa/ui/DynamicToolbarItemContainer.h"
#include "platform/brisa/ui/DynamicTouchBar.h"
#include "platform/brisa/ui/DynamicTouchBarItem.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>

#include <functional>
#include <utility>

namespace brisa {
class DynamicToolbar;
class DynamicToolbarItemSet;
} // namespace brisa

namespace corvelle {

// The frame of the windows that keep a library (presets, keywords, remote profiles): named
// commands as QActions, validated and performed by the window, a toolbar and a touch bar whose
// items send those commands and follow their state, and a title with a subtitle.
class LibraryWindowController : public QMainWindow {
    Q_OBJECT

public:
    explicit LibraryWindowController(QWidget* parent = nullptr);
    ~LibraryWindowController() override;

    // The action of a command, named after it; none for a command the window does not have.
    QAction* commandAction(const QString& command) const { return actions_.value(command, nullptr); }
    virtual bool validateCommand(const QString& command) const = 0;
    virtual void performCommand(const QString& command) = 0;

    brisa::DynamicToolbar& dynamicToolbar() const { return *toolbar_; }
    brisa::DynamicTouchBar& dynamicTouchBar() { return touchBar_; }

protected:
    // One action per command and localisation key of its title; triggering it performs the
    // command.
    void makeCommandActions(const QList<std::pair<QString, QString>>& commands);
    // Places the toolbar at the top of the window, fixed, titles under the icons.
    void installToolbar();
    // Enables each action as its command validates, and refreshes the toolbar and the touch bar.
    void refreshCommands();
    // "Title — subtitle".
    void setTitles(const QString& title, const QString& subtitle);
    // A text shown over an empty list: clicks pass through it, in the placeholder colour.
    static void setUpPlaceholder(QWidget* placeholder);

    // A toolbar button for the command: it triggers the command's action and is enabled with it
    // (make the actions first); a navigational one stands at the toolbar's leading edge.
    void addToolbarCommand(brisa::DynamicToolbarItemSet& set, const QString& titleKey, const QString& symbol,
                           const QString& command, bool navigational = false);
    // The toolbar's Help menu button.
    void addToolbarHelpMenu(brisa::DynamicToolbarItemSet& set, const QString& titleKey);
    // A touch-bar button showing the symbol that sends the command, enabled while it validates.
    void addTouchBarCommand(brisa::DynamicTouchBarItemContainer& set, const QString& symbol, const QString& command);

private:
    brisa::DynamicToolbar* toolbar_;
    brisa::DynamicTouchBar touchBar_;
    QHash<QString, QAction*> actions_;
};

} // namespace corvelle
