#pragma once

#include <QList>

class QAction;
class QMenu;

namespace brisa {

// Alt mnemonics for menu items: an item without one gets the first letter of a word of its
// title, or else any letter or digit of it, that no other item of its menu uses. Items that have
// one keep it.
class MenuMnemonics {
public:
    // The items of one menu (or of a menu bar).
    static void assign(const QList<QAction*>& items);
    // The menu and every submenu, each on its own.
    static void assignTree(QMenu* menu);
    // The item's mnemonic character, lower case; a null character when it has none.
    static QChar mnemonic(const QString& text);
};

} // namespace brisa
