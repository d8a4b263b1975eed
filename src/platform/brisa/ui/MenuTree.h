#pragma once

#include <QList>

class QMenu;

namespace brisa {

class MenuTree {
public:
    // The menu, then the submenus of its items in item order, each followed by its own
    // submenus before the next item's (depth first). A menu met twice is listed once.
    static QList<QMenu*> allMenus(QMenu* menu);
};

} // namespace brisa
