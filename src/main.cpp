#include "app/AppController.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    QApplication::setOrganizationName(QStringLiteral("Corvelle"));
    QApplication::setDesktopFileName(QStringLiteral("corvelle"));

    const QStringList paths = corvelle::SingleInstance::absolutePaths(app.arguments().mid(1), QDir::currentPath());
    corvelle::SingleInstance instance(corvelle::SingleInstance::defaultServerName());
    if (instance.handOverToRunningInstance(paths))
        return 0;

    corvelle::AppController controller;
    // Listening from the start: a launch while a library alert waits hands its documents over
    // too, and they are opened once launching has finished.
    instance.listen();
    QObject::connect(&instance, &corvelle::SingleInstance::documentsHandedOver, &controller,
                     &corvelle::AppController::takeHandOver);
    QObject::connect(&controller, &corvelle::AppController::terminated, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (!controller.launch())
        return 0;
    if (!paths.isEmpty())
        controller.takeHandOver(paths);
    return app.exec();
}
