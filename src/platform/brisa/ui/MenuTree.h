#pragma once

#include <QList>
#include <QString>

#include <functional>

class QAction;

class QMenu;

namespace brisa {

class MenuTree {
public:
    // The menu, then the submenus of its items in item order, each followed by its own
    // submenus before the next item's (depth first). A menu met twice is listed once.
    static QList<QMenu*> allMenus(QMenu* menu);
    // Each item of the menu and its submenus that is named (its object name) after an action
    // `shared` gives is replaced by that action, in its place; with `keepTitles` the action takes
    // the item's title. The named items left are returned, in menu order.
    static QList<QAction*> shareItems(QMenu* menu, const std::function<QAction*(const QString& name)>& shared,
                                      bool keepTitles = false);

    // Removes every item of the menu, last first. Items in `kept` are only taken out; the items
    // and submenus the menu owns are deleted later (one may be the sender of the action that
    // asked for the removal).
    static void removeAllItems(QMenu* menu, const QList<QAction*>& kept);
    // Adds a separator when the menu has items and its last one is not a separator.
    static void appendSeparatorIfNeeded(QMenu* menu);
};

} // namespace brisa
