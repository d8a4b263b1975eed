#include "editor/CommandMenuRouting.h"

#include "platform/brisa/ui/MenuTree.h"

#include <QAction>
#include <QMenu>

namespace corvelle {

void CommandMenuRouting::route(QMenu* menu, const Validate& validate, const Perform& perform)
{
    if (!menu)
        return;
    for (QMenu* each : brisa::MenuTree::allMenus(menu)) {
        QObject::connect(each, &QMenu::aboutToShow, each, [each, validate] {
            for (QAction* item : each->actions()) {
                if (!item->objectName().isEmpty() && !item->menu())
                    item->setEnabled(validate(item->objectName(), item));
            }
        });
        for (QAction* item : each->actions()) {
            if (item->objectName().isEmpty() || item->menu())
                continue;
            QObject::connect(item, &QAction::triggered, each, [item, perform] { perform(item->objectName(), item); });
        }
    }
}

} // namespace corvelle
