#pragma once

#include "editor/EditorCommand.h"
#include "widgets/MenuValidation.h"

#include <QList>
#include <QString>

#include <optional>

class QAction;

namespace corvelle {

// One family of editor window commands (the file commands, copy and paste, ...): its table of
// commands and rules, in menu order. A command is named by its action ("removeSelectedFiles:").
class EditorCommandFamily {
public:
    virtual ~EditorCommandFamily() = default;

    const QList<EditorCommand>& commands() const { return commands_; }
    // The title key of a menu command: "importXMPSidecar:" is "MainMenuImportXMPSidecar".
    static QString menuTextKey(const QString& action);

    // The row of `action`; null for an action of another family.
    const EditorCommand* command(const QString& action) const;

    // notMine for an action of another family; else what its rule says now.
    virtual MenuValidation validateItem(const QString& action) const;
    // Runs the action after checking its rule again: a stale menu item, toolbar or touch-bar
    // button never acts. Nothing for an action of another family.
    virtual void perform(const QString& action);
    // The check mark of the action; none for an action without one or of another family.
    std::optional<bool> itemState(const QString& action) const;

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

    // The item's other states (whether it is shown), set with its enabled state; `item` is the
    // action of one of this family's commands.
    virtual void updateItem(const QString& action, QAction* item) const
    {
        Q_UNUSED(action);
        Q_UNUSED(item);
    }

protected:
    // Each family sets its table once, when it is made.
    void setCommands(QList<EditorCommand> commands) { commands_ = std::move(commands); }

private:
    QList<EditorCommand> commands_;
};

} // namespace corvelle
