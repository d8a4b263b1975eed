#include "app/EditorWindowPlaceholder.h"

#include <QApplication>

namespace corvelle {

EditorWindowPlaceholder::EditorWindowPlaceholder()
{
    setObjectName(QStringLiteral("EditorWindow"));
    setWindowTitle(QApplication::applicationDisplayName());
    setCentralWidget(new QWidget(this));
    resize(1100, 720);
}

void EditorWindowPlaceholder::addFiles(const QList<QUrl>&)
{
}

MenuValidation EditorWindowPlaceholder::validateMenuCommand(const QString&, QAction*)
{
    return MenuValidation::notMine;
}

void EditorWindowPlaceholder::performMenuCommand(const QString&, QAction*)
{
}

} // namespace corvelle
