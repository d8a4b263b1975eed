#include "editor/EditorCommandActions.h"

#include "editor/EditorCommandChain.h"
#include "editor/EditorCommandFamily.h"
#include "platform/brisa/ui/MenuTree.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "widgets/TextLocalizer.h"
#include "widgets/TextResponder.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace corvelle {

EditorCommandActions::EditorCommandActions(const EditorCommandChain& chain, QWidget* window, QObject* parent)
    : QObject(parent)
    , window_(window)
{
    for (const EditorCommandFamily* family : chain.families()) {
        for (const EditorCommand& command : family->commands()) {
            if (command.textKey.isEmpty() || byName_.contains(command.name))
                continue;
            auto* action = new QAction(localizedString(command.textKey), this);
            action->setObjectName(command.name);
            action->setShortcut(command.shortcut);
            if (!command.symbolName.isEmpty()) {
                action->setIcon(brisa::SymbolIcons::icon(command.symbolName));
                // The menus show titles only; the toolbars and the touch bar show the symbol.
                action->setIconVisibleInMenu(false);
            }
            action->setCheckable(bool(command.isChecked));
            connect(action, &QAction::triggered, this, [this, action] { trigger(action); });
            actions_ << action;
            byName_.insert(command.name, action);
            commands_.insert(action, &command);
            families_.insert(action, family);
        }
    }
    if (window_)
        window_->addActions(actions_);
    qApp->installEventFilter(this);
}

EditorCommandActions::~EditorCommandActions() = default;

QAction* EditorCommandActions::action(const QString& name) const
{
    return byName_.value(name);
}

void EditorCommandActions::refresh()
{
    for (QAction* action : std::as_const(actions_))
        refresh(action);
}

bool EditorCommandActions::refresh(QAction* action)
{
    const EditorCommand* command = commands_.value(action);
    if (!command)
        return false;
    families_.value(action)->updateItem(command->name, action);
    const MenuValidation text = TextResponder::validate(QApplication::focusWidget(), command->name);
    const bool enabled = text != MenuValidation::notMine ? text == MenuValidation::enabled : command->isEnabled();
    action->setEnabled(enabled);
    if (command->isChecked) {
        if (const std::optional<bool> checked = command->isChecked())
            action->setChecked(*checked);
    }
    return enabled;
}

void EditorCommandActions::trigger(QAction* action)
{
    const EditorCommand* command = commands_.value(action);
    if (!command)
        return;
    if (!TextResponder::perform(QApplication::focusWidget(), command->name) && refresh(action))
        command->run();
    refresh();
}

void EditorCommandActions::watch(QMenu* menu)
{
    if (!menu)
        return;
    for (QMenu* each : brisa::MenuTree::allMenus(menu))
        connect(each, &QMenu::aboutToShow, this, [this] { refresh(); });
}

bool EditorCommandActions::eventFilter(QObject* watched, QEvent* event)
{
    // A sheet came or went: the commands that need the window free follow.
    if ((event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked) && watched == window_)
        refresh();
    // Sent to the focused widget before a key press is matched against the shortcuts.
    if (event->type() == QEvent::ShortcutOverride && window_ && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == window_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            for (QAction* action : std::as_const(actions_)) {
                if (!action->shortcut().isEmpty())
                    refresh(action);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace corvelle
