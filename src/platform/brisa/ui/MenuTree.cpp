#include "platform/brisa/ui/MenuTree.h"

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

QList<QMenu*> MenuTree::allMenus(QMenu* menu)
{
    QList<QMenu*> menus;
    collect(menu, menus);
    return menus;
}

} // namespace brisa
