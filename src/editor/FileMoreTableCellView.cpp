#include "editor/FileMoreTableCellView.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QCoreApplication>

namespace corvelle {

FileTableCellType FileMoreTableCellView::cellType()
{
    return typeOf<FileMoreTableCellView>(QStringLiteral("FileMoreTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("FileMoreTableColumn")};
    });
}

void FileMoreTableCellView::performAction(const QModelIndex&, const QWidget* view, const QPoint& position)
{
    const auto* table = qobject_cast<const QAbstractItemView*>(view);
    if (!table)
        return;
    // The table's own contextual menu, as a right click there would open it.
    QWidget* viewport = table->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, viewport->mapToGlobal(position));
    QCoreApplication::sendEvent(viewport, &event);
}

} // namespace corvelle
