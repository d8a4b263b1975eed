#include "platform/brisa/ui/MenuTree.h"

#include <QAction>
#include <QMenu>

namespace brisa {

namespace {

void collect(QMenu* menu, QList<QMenu*>& menus)
{
    if (!menu || menus.contains(menu))
        return;
    menus.append(menu);
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions)
        collect(action->menu<QMenu*>(), menus);
}

} // namespace

QList<QAction*> MenuTree::shareItems(QMenu* menu, const std::function<QAction*(const QString& name)>& shared,
                                     bool keepTitles)
{
    QList<QAction*> left;
    for (QMenu* each : allMenus(menu)) {
        const QList<QAction*> items = each->actions();
        for (QAction* item : items) {
            if (item->objectName().isEmpty() || item->menu())
                continue;
            QAction* action = shared(item->objectName());
            if (!action || action == item) {
                if (!action)
                    left << item;
                continue;
            }
            if (keepTitles)
                action->setText(item->text());
            each->insertAction(item, action);
            each->removeAction(item);
            delete item;
        }
    }
    return left;
}

QList<QMenu*> MenuTree::allMenus(QMenu* menu)
{
    QList<QMenu*> menus;
    collect(menu, menus);
    return menus;
}

void MenuTree::removeAllItems(QMenu* menu, const QList<QAction*>& kept)
{
    const QList<QAction*> items = menu->actions();
    for (auto item = items.crbegin(); item != items.crend(); ++item) {
        QAction* action = *item;
        menu->removeAction(action);
        if (kept.contains(action))
            continue;
        if (QMenu* submenu = action->menu(); submenu && submenu->parent() == menu)
            submenu->deleteLater();
        else if (action->parent() == menu)
            action->deleteLater();
    }
}

void MenuTree::appendSeparatorIfNeeded(QMenu* menu)
{
    const QList<QAction*> items = menu->actions();
    if (!items.isEmpty() && !items.last()->isSeparator())
        menu->addSeparator();
}

} // namespace brisa
