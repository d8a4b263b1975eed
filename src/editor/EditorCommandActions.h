#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace corvelle {

class EditorCommandChain;
class EditorCommandFamily;
struct EditorCommand;

// The editor window's actions: one QAction per command of its families' tables, named after the
// command, asked in the chain's order (the first family that lists a name owns it). The main
// menu, the toolbars, the context menus and the touch bar hold these very actions.
//
// An action's enabled and checked states come from its rule alone; refresh() sets them, and
// the window calls it when what the rules read changes. They are set once more just before a
// watched menu opens, before a shortcut is matched and when an action is triggered, so that a
// stale state never acts. A text field with the focus takes the editing commands it knows
// (copy:, selectAll:, ...) before the rule is asked.
class EditorCommandActions : public QObject {
    Q_OBJECT

public:
    // `window` receives the actions, so that their shortcuts work in it.
    EditorCommandActions(const EditorCommandChain& chain, QWidget* window, QObject* parent = nullptr);
    ~EditorCommandActions() override;

    // Null for a command that has no action.
    QAction* action(const QString& name) const;
    const QList<QAction*>& actions() const { return actions_; }

    // Every action's states, from its rule.
    void refresh();
    // One action's states; its enabled state. False for an action of no command here.
    bool refresh(QAction* action);
    // The menu and its submenus refresh the actions before they open.
    void watch(QMenu* menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void trigger(QAction* action);

    QPointer<QWidget> window_;
    QList<QAction*> actions_;
    QHash<QString, QAction*> byName_;
    QHash<const QAction*, const EditorCommand*> commands_;
    QHash<const QAction*, const EditorCommandFamily*> families_;
};

} // namespace corvelle
